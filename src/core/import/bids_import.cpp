#include "core/import/bids_import.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/model/time_text.h"
#include "core/platform/progress_dialog.h"

namespace tallow {
namespace {

struct ListedDay {
    int32_t day = 0;
    bool nextMonth = false;
};

// Index of the first calendar day with that day of the month, in the period
// or in the days after it; -1 when there is none.
int FindCalendarDay(const ScheduleCalendar& calendar, const ListedDay& listed) {
    const int periodDays = calendar.PeriodDays();
    const int first = listed.nextMonth ? periodDays : 0;
    const int last = listed.nextMonth ? kCalendarDays : periodDays;
    for (int index = first; index < last; ++index) {
        if (calendar.days[static_cast<size_t>(index)].day == listed.day) {
            return index;
        }
    }
    return -1;
}

struct DayListField {
    size_t field;
    uint8_t code;
    const char* name;
    const char* tooManyText;
};

constexpr std::array<DayListField, 3> kDayListFields = {{
    {11, kRequestGuaranteedDayOff, "GDO", " ERROR! TO MANY GDOs "},
    {12, kRequestPreferredDayOff, "PDO1", " ERROR! TO MANY PDOs "},
    {13, kRequestPreferredDayOff, "PDO2", " ERROR! TO MANY PDOs "},
}};

constexpr std::array<const char*, 8> kDayLabels = {
    "VAC: ", "STAT: ", "GDO: ", "PDO1: ", "PDO2: ", "PDO NEXT: ", "USED PDO: ", "SIM: "};
constexpr size_t kFirstDayField = 9;
constexpr size_t kFirstItemField = 21;
constexpr size_t kItemCount = 8;

// Form answers keep their line breaks as vertical tabs; a last one stays.
std::string ItemText(std::string_view item) {
    std::string text(item);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '\v') {
            text[i] = ' ';
        }
    }
    return text;
}

std::string EmployeeTag(const TPilot& employee) {
    return employee.name + Format("  Emp Number %d.", employee.employeeNumber);
}

}  // namespace

DayListStatus MarkDayList(TPilot& employee, const ScheduleCalendar& calendar, std::string_view list,
                          uint8_t code) {
    std::array<ListedDay, kMaxDayListDays> days{};
    size_t count = 0;
    size_t position = 0;
    while (position <= list.size()) {
        size_t comma = list.find(',', position);
        if (comma == std::string_view::npos) {
            comma = list.size();
        }
        std::string_view item = list.substr(position, comma - position);
        position = comma + 1;
        if (item.empty()) {
            continue;
        }
        if (count == days.size()) {
            return DayListStatus::TooMany;
        }
        ListedDay listed;
        const size_t plus = item.find('+');
        if (plus != std::string_view::npos) {
            listed.nextMonth = true;
            item.remove_prefix(plus + 1);
        }
        listed.day = LeadingInt(item);
        if (listed.day < 1 || listed.day > 31) {
            return DayListStatus::Error;
        }
        days[count++] = listed;
    }
    DayListStatus status = DayListStatus::Marked;
    for (size_t i = 0; i < count; ++i) {
        const int index = FindCalendarDay(calendar, days[i]);
        if (index < 0) {
            status = DayListStatus::Error;
            continue;
        }
        const size_t day = static_cast<size_t>(index);
        employee.dayOffRequest[day] = code;
        if (employee.dayPairing[day] != kDayFree) {
            status = DayListStatus::Error;
        }
    }
    return status;
}

std::string ComposeBidText(const BidFields& f) {
    std::string text;
    text.append(f[1]).append(" ").append(f[2]).append("    ").append(f[0]).append("\n");
    text.append("MAX DAYS: ").append(f[17]);
    text.append("MAX DAYS RES: ").append(f[20]);
    text.append("    CREW REST: ").append(f[18]);
    text.append("    PAIR/RES: ").append(f[19]);
    text.append("    LBW: ").append(f[8]).append("\n");
    bool anyDays = false;
    for (size_t i = 0; i < kDayLabels.size(); ++i) {
        const std::string_view field = f[kFirstDayField + i];
        if (!field.empty()) {
            text.append(kDayLabels[i]).append(field).append("   ");
            anyDays = true;
        }
    }
    if (anyDays) {
        text.append("\n");
    }
    text.append("\n");
    for (size_t i = 0; i < kItemCount; ++i) {
        const std::string_view item = f[kFirstItemField + i];
        if (!item.empty()) {
            text.append(Format("(%d). ", static_cast<int>(i + 1)))
                .append(ItemText(item))
                .append("\n");
        }
    }
    text.append("\nPref Pairs: ").append(f[29]);
    text.append("\n\nComments This: ").append(f[30]);
    text.append("\nComments Last: ").append(f[31]).append("\n\n");
    text.append("eMail: ").append(f[3]);
    text.append("   Ph1: ").append(f[4]);
    text.append("   Ph2: ").append(f[5]).append("\n");
    text.append("HIST PDO: ").append(f[32]);
    text.append("SUBMITTED: ").append(f[33]).append(" ").append(f[34]);
    UpperCase(text);
    return text;
}

BidsReadResult ReadPilotBids(TSchedule& schedule, std::string_view text, ProgressDialog* progress) {
    BidsReadResult result;
    for (int row = 0; row < schedule.RowsInUse(); ++row) {
        TPilot& employee = schedule.employees[static_cast<size_t>(row)];
        const BidLookup lookup = FindBid(text, BidKey(employee.employeeNumber));
        if (lookup.search == BidSearch::NotFound) {
            result.warnings += "No Bid Found for " + EmployeeTag(employee);
            continue;
        }
        if (lookup.search == BidSearch::Incomplete) {
            result.warnings +=
                "* Bid Found but Unable to Extract Bid Data for " + EmployeeTag(employee);
            continue;
        }
        BidFields fields = lookup.fields;
        std::array<std::string, kDayListFields.size()> failedLists;
        for (size_t i = 0; i < kDayListFields.size(); ++i) {
            const DayListField& list = kDayListFields[i];
            const DayListStatus status =
                MarkDayList(employee, schedule, fields[list.field], list.code);
            if (status == DayListStatus::Marked) {
                continue;
            }
            failedLists[i] = std::string(fields[list.field]) +
                             (status == DayListStatus::TooMany ? list.tooManyText : " ERROR! ");
            fields[list.field] = failedLists[i];
            result.warnings += Format("* %s Load Error for ", list.name) + EmployeeTag(employee);
        }
        employee.bidText = ComposeBidText(fields);
        employee.phone1 = std::string(fields[4]);
        employee.phone2 = std::string(fields[5]);
        const std::string_view preference = fields[19];
        if (!preference.empty() &&
            std::toupper(static_cast<unsigned char>(preference.front())) == 'R') {
            employee.reserveBidder = 1;
            result.warnings += employee.name + " Flagged as Bidding Reserve.";
        }
        ++result.bidsLoaded;
        if (progress) {
            progress->Update(row);
        }
    }
    return result;
}

}  // namespace tallow
