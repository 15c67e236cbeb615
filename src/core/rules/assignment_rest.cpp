#include "core/rules/assignment_rest.h"

#include <algorithm>
#include <cstdint>

#include "core/model/text_format.h"
#include "core/rules/assignment_context.h"

namespace tallow {
namespace {

constexpr int64_t kDayMinutes = 1440;
constexpr int64_t kNoNextDuty = kCalendarDays * kDayMinutes;
constexpr int64_t kComfortableRest = 720;

// Moments are widened: every operand may come from a file.
struct Duty {
    int64_t start = 0;
    int64_t end = 0;
};

struct GroupRest {
    int64_t minimum;
    // Counted back from the legal check-in, and added after a day without duty.
    int64_t carried;
};

GroupRest RestOf(const TSchedule& schedule) {
    if (schedule.crewGroup == CrewGroup::FlightAttendants) {
        return {600, 720};
    }
    return {660, 660};
}

int Hours(int64_t minutes) {
    return static_cast<int>(minutes / 60);
}

int Minutes(int64_t minutes) {
    return static_cast<int>(minutes % 60);
}

}  // namespace

RestWindow CheckRestWindow(const TSchedule& schedule, int row, int pairing, int day) {
    const GroupRest rest = RestOf(schedule);
    const TPilot& employee = schedule.employees[static_cast<size_t>(row)];

    Duty previous{0, int64_t{employee.legalCheckIn} - rest.carried};
    bool beforeReportable = true;
    for (int x = day - 1; x >= 0; --x) {
        const auto entry = static_cast<size_t>(x);
        const int32_t held = employee.dayPairing[entry];
        const int64_t dayStart = x * kDayMinutes;
        if (IsSeat(schedule, held)) {
            const TPair& seat = schedule.pairings[static_cast<size_t>(held)];
            previous.start = dayStart + seat.reportTime;
            previous.end = previous.start + seat.tafb;
            break;
        }
        if (held == kDayToolbox) {
            const DayValues& detail = employee.dayDetail[entry];
            previous.start = dayStart + detail[kDetailStart];
            previous.end = previous.start;
            if (detail[kDetailContainsDuty] != 0) {
                previous.end += detail[kDetailTimeAtWork];
            } else {
                beforeReportable = false;
            }
            break;
        }
    }

    int64_t nextStart = kNoNextDuty;
    const int lastDay = std::min(schedule.dayCount + 30, kCalendarDays - 1);
    for (int x = day + 1; x <= lastDay; ++x) {
        const auto entry = static_cast<size_t>(x);
        const int32_t held = employee.dayPairing[entry];
        const int64_t dayStart = x * kDayMinutes;
        if (IsSeat(schedule, held)) {
            nextStart = dayStart + schedule.pairings[static_cast<size_t>(held)].reportTime;
            break;
        }
        if (held == kDayToolbox) {
            const DayValues& detail = employee.dayDetail[entry];
            nextStart = dayStart + detail[kDetailStart];
            if (detail[kDetailContainsDuty] == 0) {
                nextStart += rest.carried;
            }
            break;
        }
    }

    const TPair& seat = schedule.pairings[static_cast<size_t>(pairing)];
    Duty duty;
    duty.start = day * kDayMinutes + seat.reportTime;
    duty.end = duty.start + seat.tafb;
    if (schedule.dstShift != 0) {
        const int64_t change = schedule.dstChangeAt;
        if (previous.start < change && change <= duty.start) {
            duty.start -= schedule.dstShift;
        } else if (duty.start < change && change <= nextStart) {
            duty.end += schedule.dstShift;
        }
    }

    RestWindow window;
    if (duty.start < previous.end + rest.minimum || nextStart < duty.end + rest.minimum) {
        window.legal = false;
        return window;
    }
    if (beforeReportable && duty.start < previous.end + kComfortableRest) {
        const int64_t gap = duty.start - previous.end;
        window.restBefore = Format(" %d:%02d Crew Rest Before ", Hours(gap), Minutes(gap));
    }
    if (nextStart < duty.end + kComfortableRest) {
        const int64_t gap = nextStart - duty.end;
        window.restAfter = Format(" %d:%02d Crew Rest After ", Hours(gap), Minutes(gap));
    }
    return window;
}

}  // namespace tallow
