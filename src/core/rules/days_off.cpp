#include "core/rules/days_off.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/rules/rule_line.h"

namespace tallow {

namespace {

// Whole days that the pilot leave codes take off the count.
int LeaveDays(std::string_view code, int32_t credit) {
    if (code == "STT" || code == "VAC" || code == "VAU") {
        return 1;
    }
    if (code == "VCI" || code == "SCI") {
        return credit / 240;
    }
    if (code == "VTP" || code == "STP") {
        return credit / 318;
    }
    return 0;
}

}  // namespace

int DaysOff(const TSchedule& schedule, int row) {
    if (row < 0 || row >= static_cast<int>(schedule.employees.size())) {
        return 0;
    }
    const TPilot& employee = schedule.employees[static_cast<size_t>(row)];
    const int len = MonthLength(schedule);
    std::array<bool, kCalendarDays> busy{};
    const auto markBusy = [&busy, len](int first, int64_t days) {
        for (int64_t d = first; d < first + days && d < len; ++d) {
            busy[static_cast<size_t>(d)] = true;
        }
    };
    int leave = 0;
    for (int d = 0; d < len; ++d) {
        if (HistoryValue(employee, d + kPreviousDays, kHistoryWorked) != 0) {
            busy[static_cast<size_t>(d)] = true;
        }
        if (const TPair* pairing = PairingOn(schedule, employee, d)) {
            const int64_t release = static_cast<int64_t>(pairing->reportTime) + pairing->tafb;
            markBusy(d, (release - 120) / kMinutesPerDay + 1);
        } else if (const DayValues* toolbox = ToolboxOn(employee, d)) {
            if ((*toolbox)[kDetailContainsDuty] != 0) {
                const int64_t end =
                    static_cast<int64_t>((*toolbox)[kDetailStart]) + (*toolbox)[kDetailTimeAtWork];
                markBusy(d, (end - 121) / kMinutesPerDay + 1);
            } else {
                leave +=
                    LeaveDays(employee.dayCode[static_cast<size_t>(d)], (*toolbox)[kDetailCredit]);
            }
        }
    }
    const auto busyDays = static_cast<int>(std::count(busy.begin(), busy.end(), true));
    const int daysOff = len - busyDays;
    return schedule.crewGroup == CrewGroup::FlightAttendants ? daysOff : daysOff - leave;
}

}  // namespace tallow
