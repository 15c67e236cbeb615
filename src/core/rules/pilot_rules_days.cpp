// Pilot day patterns: consecutive days on and the reserve kind mix.

#include <array>
#include <initializer_list>
#include <string_view>

#include "core/rules/legality_items.h"
#include "core/rules/pilot_rules.h"

namespace tallow {

namespace {

constexpr int kFirstMarked = 24;
constexpr int kLastMarked = 69;
constexpr int kLastReserveWalk = 61;
constexpr int kLastHistoryMarked = 37;
constexpr int32_t kOnDuty = 1;
constexpr int32_t kOnReserve = 2;
// A reserve duty ending after 02:00 next day keeps that day on reserve too.
constexpr int32_t kReserveIntoNextDay = 1560;

using DayMarks = std::array<int32_t, kLastMarked + 3>;

int32_t MarkAt(const DayMarks& marks, int t) {
    return t >= 0 && t < static_cast<int>(marks.size()) ? marks[static_cast<size_t>(t)] : 0;
}

void SetMark(DayMarks& marks, int t, int32_t value) {
    if (t >= 0 && t < static_cast<int>(marks.size())) {
        marks[static_cast<size_t>(t)] = value;
    }
}

DayMarks BuildOnDutyMarks(const RuleLine& line) {
    DayMarks marks{};
    for (int t = kFirstMarked; t <= kLastHistoryMarked; ++t) {
        SetMark(marks, t, line.History(t, kHistoryWorked));
    }
    for (int d = 0; d < line.len; ++d) {
        const int t = kPreviousDays + d;
        if (const TPair* pairing = line.PairingOn(d)) {
            const int days = DaysUntilRelease(*pairing);
            for (int k = 0; k < days; ++k) {
                SetMark(marks, t + k, kOnDuty);
            }
        } else if (const DayValues* toolbox = line.ToolboxOn(d)) {
            if ((*toolbox)[kDetailReserve] != 0) {
                SetMark(marks, t, kOnReserve);
                if (static_cast<int64_t>((*toolbox)[kDetailStart]) + (*toolbox)[kDetailTimeAtWork] >
                    kReserveIntoNextDay) {
                    SetMark(marks, t + 1, kOnReserve);
                }
            } else if ((*toolbox)[kDetailContainsDuty] != 0) {
                SetMark(marks, t, kOnDuty);
            }
        }
    }
    return marks;
}

bool AnyMarked(const DayMarks& marks, std::initializer_list<int> days) {
    for (int t : days) {
        if (MarkAt(marks, t) != 0) {
            return true;
        }
    }
    return false;
}

enum class ReserveKind { None, RA, RB, RE };

bool IsOneOf(std::string_view code, std::initializer_list<std::string_view> codes) {
    for (std::string_view candidate : codes) {
        if (code == candidate) {
            return true;
        }
    }
    return false;
}

struct ReserveStart {
    ReserveKind kind = ReserveKind::None;
    int daysSince = 0;
};

// The reserve kind last month ended with, from its last three day codes.
ReserveStart LastMonthReserve(const RuleLine& line) {
    const std::string_view lastDay = line.HistoryCode(kPreviousDays - 1);
    if (IsOneOf(lastDay, {"RB ", "RSB"})) {
        return {ReserveKind::RB, 0};
    }
    if (IsOneOf(lastDay, {"RA ", "RSA", "AR ", "LRA"})) {
        return {ReserveKind::RA, 0};
    }
    if (IsOneOf(lastDay, {"RE ", "RSE", "ER ", "LRE"})) {
        return {ReserveKind::RE, 0};
    }
    const std::string_view dayBefore = line.HistoryCode(kPreviousDays - 2);
    if (IsOneOf(dayBefore, {"RB ", "RSB", "BR ", "LRB"})) {
        return {ReserveKind::RB, 1};
    }
    if (IsOneOf(dayBefore, {"RA ", "RSA", "AR ", "LRA"})) {
        return {ReserveKind::RA, 1};
    }
    if (IsOneOf(dayBefore, {"RE ", "RSE", "ER ", "LRE"})) {
        return {ReserveKind::RE, 1};
    }
    if (IsOneOf(line.HistoryCode(kPreviousDays - 3), {"RB ", "RSB", "BR ", "LRB"})) {
        return {ReserveKind::RB, 2};
    }
    return {};
}

}  // namespace

void CheckConsecutiveDaysOn(RuleLine& line) {
    const DayMarks marks = BuildOnDutyMarks(line);
    DayList warnings;
    DayList exceptions;
    int run = 0;
    for (int t = kFirstMarked; t <= kLastMarked; ++t) {
        run = MarkAt(marks, t) != 0 ? run + 1 : 0;
        if (run > 6) {
            warnings.Flag(t);
            if (t >= kPreviousDays) {
                run = 0;
            }
        }
    }
    int reserveRun = 0;
    for (int t = kFirstMarked; t <= kLastReserveWalk; ++t) {
        if (MarkAt(marks, t) != kOnReserve) {
            reserveRun = 0;
            continue;
        }
        ++reserveRun;
        if ((reserveRun == 5 && AnyMarked(marks, {t + 1, t + 2, t - 5, t - 6})) ||
            (reserveRun == 6 && AnyMarked(marks, {t + 1, t + 2, t - 6, t - 7}))) {
            warnings.Flag(t + 1);
        } else if (reserveRun >= 8) {
            exceptions.Flag(t);
            if (t >= kPreviousDays) {
                reserveRun = 0;
            }
        }
    }
    // Every flagged day of this month or later is marked, also past the
    // point where the printed list stops.
    for (int d = 0; d < kCalendarDays; ++d) {
        if (warnings.IsFlagged(d + kPreviousDays)) {
            MarkDay(line.employee, ItemList::Warnings, d);
        }
        if (exceptions.IsFlagged(d + kPreviousDays)) {
            MarkDay(line.employee, ItemList::Exceptions, d);
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Warnings, " Con Days On",
                  warnings, kConsecutiveDayList);
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions, " Con Days On",
                  exceptions, kConsecutiveDayList);
}

void CheckReserveKindMix(RuleLine& line) {
    const ReserveStart start = LastMonthReserve(line);
    ReserveKind kind = start.kind;
    int daysSince = start.daysSince;
    DayList exceptions;
    for (int d = 0; d < line.len; ++d) {
        const std::string_view code = line.CrewCode(d);
        bool breach = false;
        if (code == "RA" || code == "AR") {
            breach = kind == ReserveKind::RB && daysSince < 2;
            kind = ReserveKind::RA;
        } else if (code == "RB" || code == "BR") {
            breach = (kind == ReserveKind::RA || kind == ReserveKind::RE) && daysSince < 2;
            kind = ReserveKind::RB;
        } else if (code == "RE" || code == "ER") {
            breach = (kind == ReserveKind::RA && daysSince == 0) ||
                     (kind == ReserveKind::RB && daysSince < 2);
            kind = ReserveKind::RE;
        } else {
            ++daysSince;
            continue;
        }
        daysSince = 0;
        if (breach) {
            exceptions.FlagBoardDay(d);
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions, " RA RB RE Mix On",
                  exceptions, kMonthDayList);
}

}  // namespace tallow
