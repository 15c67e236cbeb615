#include "core/import/absences_import.h"

#include <string>

#include "core/import/absences_extract.h"
#include "core/import/extract_line_reader.h"
#include "core/import/toolbox_definitions.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"

namespace tallow {
namespace {

using namespace absences_extract;

constexpr int32_t kMinutesPerDay = 1440;

struct AbsenceEntry {
    std::string code;
    int32_t firstDay = 0;
    int32_t lastDay = 0;
    int32_t start = 0;
    int32_t end = 0;

    int32_t Length() const { return end < start ? end - start + kMinutesPerDay : end - start; }
};

// Entry k of the line; none when the line's list has ended, by two blanks or
// by a line too short to hold the whole entry.
bool ReadEntry(std::string_view line, int k, AbsenceEntry& entry) {
    const size_t start = EntryStart(k);
    if (line.size() < start + kEntryWidth) {
        return false;
    }
    const std::string_view code = ColumnText(line, kCode.At(start));
    if (code == kNoEntry) {
        return false;
    }
    entry.code = std::string(code);
    entry.firstDay = ColumnInt(line, kFirstDay.At(start));
    entry.lastDay = ColumnInt(line, kLastDay.At(start));
    entry.start = ColumnInt(line, kStartTime.At(start));
    entry.end = ColumnInt(line, kEndTime.At(start));
    return true;
}

// The first row of the roster with this number; placeholder rows never take absences.
TPilot* FindEmployee(TSchedule& schedule, int32_t number, int& row) {
    for (row = 0; row < schedule.RowsInUse(); ++row) {
        TPilot& employee = schedule.employees[static_cast<size_t>(row)];
        if (employee.employeeNumber == number && !employee.IsPlaceholder()) {
            return &employee;
        }
    }
    return nullptr;
}

void SetDay(TPilot& employee, size_t day, const AbsenceEntry& entry, const ToolboxMatch& match) {
    employee.dayPairing[day] = kDayToolbox;
    employee.dayCode[day] = match.found ? match.code : entry.code;
    employee.dayCrewCode[day] = entry.code;
    DayValues& detail = employee.dayDetail[day];
    detail = DayValues{};
    detail[kDetailStart] = entry.start;
    detail[kDetailTimeAtWork] = entry.Length();
    if (match.found) {
        detail[kDetailCredit] = match.credit;
        detail[kDetailHard] = match.hardTime;
        detail[kDetailReserve] = match.reserve ? 1 : 0;
        detail[kDetailContainsDuty] = match.containsDuty ? 1 : 0;
        detail[kDetailExcludeCredit] = match.excludeCredit ? 1 : 0;
        detail[kDetailCarsDuty] = match.carsDuty ? 1 : 0;
    }
}

class AbsencePlacer {
  public:
    AbsencePlacer(TSchedule& schedule, bool nextMonth, std::string& warnings)
        : schedule_(schedule),
          firstIndex_(nextMonth ? schedule.dayCount : 0),
          warnings_(warnings) {}

    void Place(TPilot& employee, int row, const AbsenceEntry& entry) {
        const ToolboxMatch match = LookupTrackingCode(schedule_, entry.code);
        bool outside = false;
        for (int32_t dayOfMonth = entry.firstDay; dayOfMonth <= entry.lastDay; ++dayOfMonth) {
            const int64_t index = int64_t{firstIndex_} + dayOfMonth - 1;
            if (index < 0 || index >= kCalendarDays) {
                outside = true;
                continue;
            }
            const auto day = static_cast<size_t>(index);
            if (employee.dayPairing[day] >= 0) {
                warnings_ +=
                    Format("Cannot Assign Code %s in %d %s on day %02d Due Pairing Assigned. ",
                           entry.code.c_str(), row + 1, employee.name.c_str(),
                           static_cast<int>(index) + 1);
                continue;
            }
            SetDay(employee, day, entry, match);
            if (!match.found) {
                // Ended like the other warnings, so that each has its own lines in the list.
                warnings_ += Format("No Matching Code for %s. No Credit or Duty Info Recorded. ",
                                    entry.code.c_str());
            }
        }
        if (outside) {
            warnings_ += Format(
                "Cannot Assign Code %s in %d %s on days %02d to %02d Outside the Schedule. ",
                entry.code.c_str(), row + 1, employee.name.c_str(), entry.firstDay, entry.lastDay);
        }
    }

  private:
    TSchedule& schedule_;
    int32_t firstIndex_;
    std::string& warnings_;
};

void MarkWholePeriodAbsences(TSchedule& schedule) {
    for (int row = 0; row < schedule.RowsInUse(); ++row) {
        TPilot& employee = schedule.employees[static_cast<size_t>(row)];
        if (employee.UpdateAbsentWholePeriod(schedule.dayCount) != 0) {
            employee.reserveBidder = 1;
        }
    }
}

}  // namespace

bool LooksLikeAbsencesExtract(std::string_view text) {
    return ExtractLineLength(text, 0) == kLineLength;
}

AbsencesReadResult ReadAbsencesExtract(TSchedule& schedule, std::string_view text, bool nextMonth) {
    AbsencesReadResult result;
    schedule.freshFile = 0;
    AbsencePlacer placer(schedule, nextMonth, result.warnings);
    ExtractLineReader reader(text, kMaxLineLength);
    std::string_view line;
    LineStatus status = LineStatus::End;
    while ((status = reader.Next(line)) == LineStatus::Line && line.size() >= kShortLine) {
        const int32_t number = ColumnInt(line, kEmployeeNumber);
        int row = 0;
        if (TPilot* employee = FindEmployee(schedule, number, row)) {
            schedule.logFile.Write(Format("Loading Absenses for %s %d\n", employee->name.c_str(),
                                          employee->employeeNumber));
            AbsenceEntry entry;
            for (int k = 0; k < kEntries && ReadEntry(line, k, entry); ++k) {
                placer.Place(*employee, row, entry);
            }
            schedule.modified = 1;
        }
        if (number == kLastEmployeeNumber) {
            break;
        }
    }
    if (status == LineStatus::TooLong) {
        result.failedLine = reader.LineNumber();
        return result;
    }
    if (!nextMonth) {
        MarkWholePeriodAbsences(schedule);
    }
    result.complete = true;
    return result;
}

}  // namespace tallow
