#include "core/rules/french_crew_check.h"

#include <algorithm>
#include <vector>

#include "core/rules/rule_line.h"

namespace tallow {

namespace {

constexpr size_t kMaxOtherSeats = 10;

bool IsFrenchQualified(const TPilot& employee) {
    return employee.ageMedFlags != 0;
}

}  // namespace

FrenchCheck FrenchCrewCheck(TSchedule& schedule, int row, int pairing, int day) {
    const int seats = std::min(schedule.SeatCount(), static_cast<int>(schedule.pairings.size()));
    if (row < 0 || row >= static_cast<int>(schedule.employees.size()) || pairing < 0 ||
        pairing >= seats || day < 0 || day >= kCalendarDays) {
        return {};
    }
    const TPilot& employee = schedule.employees[static_cast<size_t>(row)];
    const TPair& seat = schedule.pairings[static_cast<size_t>(pairing)];
    FrenchCheck result;
    result.passes = !Contains(seat.displayText, "FRENCH PAIRING") || IsFrenchQualified(employee);
    result.namedRow = row;

    std::vector<int> others;
    for (int s = 0; s < seats && others.size() < kMaxOtherSeats; ++s) {
        const TPair& other = schedule.pairings[static_cast<size_t>(s)];
        if (s != pairing && other.number == seat.number && other.seriesCode == seat.seriesCode) {
            others.push_back(s);
        }
    }

    size_t heldByOthers = 0;
    for (int s : others) {
        int holder = -1;
        for (int r = 0; r < schedule.RowsInUse(); ++r) {
            TPilot& crew = schedule.employees[static_cast<size_t>(r)];
            if (r == row || crew.dayPairing[static_cast<size_t>(day)] != s) {
                continue;
            }
            crew.rulesCurrent = 0;
            holder = r;
            if (IsFrenchQualified(crew)) {
                result.passes = true;
            } else {
                ++heldByOthers;
            }
        }
        result.namedRow = holder < 0 ? row : std::max(row, holder);
    }
    if (heldByOthers < others.size()) {
        result.passes = true;
    }
    return result;
}

}  // namespace tallow
