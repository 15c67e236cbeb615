#include "core/import/activity_import.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <set>
#include <string>

#include "core/import/activity_extract.h"
#include "core/import/extract_line_reader.h"
#include "core/import/prior_pairing_extract.h"
#include "core/import/toolbox_definitions.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/platform/progress_dialog.h"

namespace tallow {
namespace {

namespace act = activity_extract;
namespace prg = prior_pairing_extract;

constexpr int32_t kMinutesPerDay = 1440;
constexpr int kHistoryDays = kCalendarDays;
constexpr int kLastDayBefore = kPreviousDays - 1;
// The furthest day a code entry may run to.
constexpr int kLastCodeDay = kHistoryDays - 2;
// The timeline moment of the period's first day, 00:00.
constexpr int64_t kPeriodStart = int64_t{kPreviousDays} * kMinutesPerDay;
constexpr int32_t kCabinRest = 720;
constexpr int32_t kLongRest = 720;
constexpr int32_t kShortRest = 660;
// A duty on the day before the period leaves 12 hours of rest, pilots one more.
constexpr int32_t kRestAfterDuty = 720;
constexpr int32_t kPilotExtraRest = 60;
// Reserve on the day before the period: legal from just over an hour before its start.
constexpr int32_t kReserveLead = 61;
// A pairing ending this early in a day did not work that day.
constexpr int32_t kEarlyEnd = 120;
constexpr int32_t kReserveDuty = 840;

// Sums over damaged or repeated lines must not overflow.
void AddTo(int32_t& target, int64_t value) {
    target = static_cast<int32_t>(std::clamp(target + value,
                                             int64_t{std::numeric_limits<int32_t>::min()},
                                             int64_t{std::numeric_limits<int32_t>::max()}));
}

int32_t Length(int32_t start, int32_t end) {
    return end < start ? end - start + kMinutesPerDay : end - start;
}

int32_t KeepInDay(int32_t minutes) {
    if (minutes < 0) {
        return minutes % kMinutesPerDay + kMinutesPerDay;
    }
    return minutes > kMinutesPerDay ? minutes % kMinutesPerDay : minutes;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

const CalendarDate& TimelineDate(const TSchedule& schedule, int day) {
    return day < kPreviousDays ? schedule.previousDays[static_cast<size_t>(day)]
                               : schedule.days[static_cast<size_t>(day - kPreviousDays)];
}

std::optional<int> FindTimelineDay(const TSchedule& schedule, const CalendarDate& date,
                                   int lastDay) {
    if (date.year == 0) {
        return std::nullopt;
    }
    for (int day = 0; day <= lastDay; ++day) {
        if (TimelineDate(schedule, day) == date) {
            return day;
        }
    }
    return std::nullopt;
}

std::optional<Date> RealDate(const CalendarDate& date) {
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > 31) {
        return std::nullopt;
    }
    const Date real = Date::FromDmy(date.day, date.month, date.year);
    if (ToCalendarDate(real) != date) {
        return std::nullopt;
    }
    return real;
}

// The date of the pairing's last duty, for the message about a pairing that
// cannot be placed; the pairing date when it lists no duty.
CalendarDate LastDutyDate(std::string_view line, const CalendarDate& pairingDate) {
    CalendarDate last = pairingDate;
    for (int j = 0; j < prg::kDuties; ++j) {
        const CalendarDate date = act::ColumnDate(line, prg::kDutyDate.At(prg::DutyStart(j)));
        if (date.year == 0) {
            break;
        }
        last = date;
    }
    return last;
}

TPilot* FindEmployee(TSchedule& schedule, int32_t number) {
    for (int row = 0; row < schedule.RowsInUse(); ++row) {
        TPilot& employee = schedule.employees[static_cast<size_t>(row)];
        if (employee.employeeNumber == number && !employee.IsPlaceholder()) {
            return &employee;
        }
    }
    return nullptr;
}

void ClearCarriedData(TSchedule& schedule) {
    for (int row = 0; row < schedule.RowsInUse(); ++row) {
        TPilot& employee = schedule.employees[static_cast<size_t>(row)];
        employee.history.fill(DayValues{});
        employee.carryInCredit = 0;
        employee.legalCheckIn = 0;
        employee.carryInFatigue = 0;
        employee.reservedC = 0;
    }
}

class ActivityReader {
  public:
    ActivityReader(TSchedule& schedule, const PriorPairingExtract& pairings, std::string& errors)
        : schedule_(schedule),
          pairings_(pairings),
          errors_(errors),
          cabinCrew_(schedule.crewGroup == CrewGroup::FlightAttendants) {}

    void ReadLine(TPilot& employee, std::string_view line) {
        for (int k = 0; k < act::kEntries; ++k) {
            const size_t start = act::EntryStart(k);
            if (line.size() < start + act::kEntryWidth) {
                schedule_.logFile.Write("Substring out of Range\n");
                break;
            }
            const std::string_view entry = line.substr(start, act::kEntryStep);
            if (ColumnText(entry, act::kCode) != act::kPairingCode) {
                ReadCode(employee, entry);
            } else if (ColumnText(entry, act::kDesignator) != act::kNoPairing) {
                ReadPairing(employee, entry);
            }
        }
        for (int day = 0; day <= kLastDayBefore; ++day) {
            employee.history[static_cast<size_t>(day)][kHistoryHard] =
                ColumnInt(line, act::RecentHardTime(day));
        }
        if (line.size() == act::kLineLength) {
            employee.hardTimeHistory = std::string(ColumnText(line, act::kHardTimeHistory));
        }
    }

  private:
    void ReadPairing(TPilot& employee, std::string_view entry) {
        const std::string designator(ColumnText(entry, act::kDesignator));
        const std::optional<std::string_view> found =
            pairings_.Find(designator, ColumnText(entry, act::kPairingDate));
        if (!found) {
            errors_ += Format("Could not find Pairing %s to Assign to %s.", designator.c_str(),
                              employee.name.c_str());
            return;
        }
        const std::string_view line = *found;
        const std::optional<int> startDay =
            FindTimelineDay(schedule_, act::ColumnDate(line, prg::kStartDate), kHistoryDays - 1);
        if (!startDay) {
            const CalendarDate from = act::ColumnDate(entry, act::kPairingDate);
            const CalendarDate to = LastDutyDate(line, from);
            errors_ += Format(
                "Could not assign Pairing %s to %s from %02d %02d %04d to %02d %02d %04d Last "
                "Month.",
                designator.c_str(), employee.name.c_str(), from.day, from.month, from.year, to.day,
                to.month, to.year);
            return;
        }
        const int s = *startDay;
        const int32_t report = ColumnInt(line, prg::kReportTime);
        const int32_t tafb = ColumnInt(line, prg::kTafb);
        DayValues& first = employee.history[static_cast<size_t>(s)];
        first[kHistoryPairingStart] = report;
        first[kHistoryTafb] = tafb;
        employee.historyCode[static_cast<size_t>(s)] = designator;

        const int64_t away = int64_t{report} + tafb;
        SetPairingCheckIn(employee, line, int64_t{s} * kMinutesPerDay + away);
        const int64_t lastWorked = MarkWorkedDays(employee, s, away);
        const std::string route = AddDayBlocks(employee, line, s, lastWorked);
        ReadDuties(employee, line, route);
    }

    void SetPairingCheckIn(TPilot& employee, std::string_view line, int64_t end) const {
        int64_t rest = kCabinRest;
        if (!cabinCrew_) {
            const int32_t minimumRest = ColumnInt(line, prg::kMinimumRest);
            rest = minimumRest >= kLongRest ? minimumRest - 59 : kShortRest;
        }
        const int64_t checkIn = end + rest - kPeriodStart;
        if (checkIn > 0) {
            employee.legalCheckIn = static_cast<int32_t>(
                std::min<int64_t>(checkIn, std::numeric_limits<int32_t>::max()));
        }
    }

    // Marks the pairing's days worked; returns how many days after the start
    // it ran.
    static int64_t MarkWorkedDays(TPilot& employee, int s, int64_t away) {
        int64_t days = away / kMinutesPerDay;
        int64_t timeOfDay = away % kMinutesPerDay;
        if (timeOfDay <= 0) {
            timeOfDay += kMinutesPerDay;
        }
        if (timeOfDay < kEarlyEnd && days > 0) {
            --days;
        }
        for (int64_t day = s; day <= s + days && day < kHistoryDays; ++day) {
            employee.history[static_cast<size_t>(day)][kHistoryWorked] = 1;
        }
        return days;
    }

    // Adds the pairing's day blocks to the days from the one before its
    // start; returns the route of the blocks' stations.
    static std::string AddDayBlocks(TPilot& employee, std::string_view line, int s,
                                    int64_t lastWorked) {
        const int firstDay = s == 0 ? 0 : s - 1;
        const int64_t lastBlock = s == 0 ? lastWorked + 1 : lastWorked + 2;
        std::string route;
        int64_t blockCredits = 0;
        bool inPeriod = false;
        for (int k = 0; k <= lastBlock && firstDay + k < kHistoryDays; ++k) {
            const size_t block = prg::BlockStart(k);
            const int day = firstDay + k;
            DayValues& values = employee.history[static_cast<size_t>(day)];
            const int32_t credit = ColumnInt(line, prg::kBlockCredit.At(block));
            AddTo(values[kHistoryHard], ColumnInt(line, prg::kBlockHard.At(block)));
            AddTo(values[kHistoryCredit], credit);
            blockCredits += credit;
            const std::string_view station = ColumnText(line, prg::kBlockStation.At(block));
            if (!IsBlank(station)) {
                route += station;
            }
            if (day >= kPreviousDays) {
                inPeriod = true;
                AddTo(employee.carryInCredit, values[kHistoryCredit]);
            }
        }
        const int32_t totalCredit = ColumnInt(line, prg::kTotalCredit);
        if (inPeriod && totalCredit > blockCredits && employee.carryInCredit > 0) {
            AddTo(employee.carryInCredit, totalCredit - blockCredits);
        }
        return route;
    }

    void ReadDuties(TPilot& employee, std::string_view line, const std::string& route) {
        for (int j = 0; j < prg::kDuties; ++j) {
            const size_t duty = prg::DutyStart(j);
            const CalendarDate date = act::ColumnDate(line, prg::kDutyDate.At(duty));
            const std::optional<int> day = FindTimelineDay(schedule_, date, kHistoryDays - 1);
            if (!day) {
                break;
            }
            const int32_t start = ColumnInt(line, prg::kDutyStart.At(duty));
            const int32_t end = ColumnInt(line, prg::kDutyEnd.At(duty));
            DayValues& values = employee.history[static_cast<size_t>(*day)];
            values[kHistoryDutyStart] = start;
            values[kHistoryDuty] = Length(start, end);
            values[kHistoryHomeDutyStart] = HomeBaseStart(route, j, ToDate(date), start);
        }
    }

    // Duty j starts at the station where block j - 1 ended.
    int32_t HomeBaseStart(const std::string& route, int j, Date date, int32_t start) {
        const auto stationStart = 3 * static_cast<size_t>(j);
        if (j == 0 || route.size() < stationStart + 3) {
            return start;
        }
        const std::string station = route.substr(stationStart - 3, 3);
        const std::optional<int32_t> difference =
            TimeZoneDifference(schedule_, station, date, start);
        if (!difference) {
            if (missingAirports_.insert(station).second) {
                errors_ += Format(
                    "Could not find Airport %s to Convert to Home Base time. Using same Time Zone "
                    "as Home Base -> Update Airports in Toolbox.",
                    station.c_str());
            }
            return start;
        }
        return KeepInDay(start + *difference);
    }

    void ReadCode(TPilot& employee, std::string_view entry) {
        const std::string code(ColumnText(entry, act::kCode));
        const CalendarDate first = act::ColumnDate(entry, act::kFirstDate);
        const CalendarDate last = act::ColumnDate(entry, act::kLastDate);
        const std::optional<int> firstDay = FindTimelineDay(schedule_, first, kLastDayBefore);
        if (!firstDay) {
            errors_ += Format(
                "Could not assign %s code to %s from %02d %02d %04d to %02d %02d %04d Last Month.",
                code.c_str(), employee.name.c_str(), first.day, first.month, first.year, last.day,
                last.month, last.year);
            return;
        }
        const int32_t start = ColumnInt(entry, act::kStartTime);
        const int32_t length = Length(start, ColumnInt(entry, act::kEndTime));
        const std::optional<Date> lastDate = RealDate(last);
        int64_t extraDays = lastDate ? *lastDate - ToDate(first) : 0;
        // A code that only runs past midnight into the next morning is one day.
        if (extraDays == 1 && length < start) {
            extraDays = 0;
        }
        const ToolboxMatch match = LookupTrackingCode(schedule_, code);
        bool reserveBefore = false;
        for (int64_t t = *firstDay; t <= *firstDay + extraDays && t <= kLastCodeDay; ++t) {
            const auto day = static_cast<size_t>(t);
            DayValues& values = employee.history[day];
            int32_t worked = 0;
            if (match.found) {
                values[kHistoryCredit] = match.credit;
                worked = match.reserve ? 2 : (match.containsDuty ? 1 : 0);
                values[kHistoryCarsDuty] = match.carsDuty ? 1 : 0;
            } else {
                values[kHistoryCredit] = 0;
                values[kHistoryHard] = 0;
                values[kHistoryCarsDuty] = 0;
                errors_ +=
                    Format("No Matching Code for %s Last Month %s day %02d - No Duty Info loaded.",
                           code.c_str(), employee.name.c_str(), static_cast<int>(t) + 1);
            }
            values[kHistoryWorked] = worked;
            employee.historyCode[day] = match.found ? match.code : code;
            values[kHistoryDutyStart] = start;
            values[kHistoryDuty] = reserveBefore ? kReserveDuty : length;
            if (t == kLastDayBefore) {
                SetCodeCheckIn(employee, values, worked, start, length);
                reserveBefore = worked == 2;
            }
        }
    }

    void SetCodeCheckIn(TPilot& employee, DayValues& values, int32_t worked, int32_t start,
                        int32_t length) const {
        if (worked == 2) {
            values[kHistoryDuty] = kReserveDuty;
            employee.legalCheckIn = std::max(start - kReserveLead, 0);
        } else if (worked > 0) {
            const int32_t extraRest = cabinCrew_ ? 0 : kPilotExtraRest;
            employee.legalCheckIn = std::max(start + length - kRestAfterDuty - extraRest, 0);
        }
    }

    TSchedule& schedule_;
    const PriorPairingExtract& pairings_;
    std::string& errors_;
    bool cabinCrew_;
    std::set<std::string> missingAirports_;
};

}  // namespace

bool LooksLikeActivityExtract(std::string_view text) {
    return ExtractLineLength(text, 0) == act::kLineLength;
}

ActivityReadResult ReadActivityExtract(TSchedule& schedule, std::string_view activityText,
                                       const PriorPairingExtract& pairings,
                                       ProgressDialog* progress) {
    ActivityReadResult result;
    schedule.freshFile = 0;
    schedule.modified = 1;
    ClearCarriedData(schedule);
    ActivityReader reader(schedule, pairings, result.errors);
    ExtractLineReader lines(activityText, act::kMaxLineLength);
    std::string_view line;
    LineStatus status = LineStatus::End;
    while ((status = lines.Next(line)) == LineStatus::Line && line.size() >= act::kShortLine) {
        if (line.size() != act::kLineLength) {
            schedule.logFile.Write("Crew Activity Record Line Not Correct Length\n");
        }
        const int32_t number = ColumnInt(line, act::kEmployeeNumber);
        TPilot* employee = FindEmployee(schedule, number);
        if (employee == nullptr) {
            continue;
        }
        ++result.employeesLoaded;
        if (progress != nullptr) {
            progress->Update(result.employeesLoaded);
        }
        schedule.logFile.Write(
            Format("LoadingLastMonthsDataFor %s %d\n", employee->name.c_str(), number));
        reader.ReadLine(*employee, line);
    }
    if (status == LineStatus::TooLong) {
        result.errors += Format("Crew Activity Record Line %d Too Long - Rest of File Not Loaded.",
                                lines.LineNumber());
    }
    return result;
}

}  // namespace tallow
