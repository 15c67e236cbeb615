// Feeds arbitrary bytes to the crew roster reader, for a pilot and a
// cabin-crew schedule, and checks the roster it leaves.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/import/roster_import.h"
#include "core/model/schedule.h"
#include "fuzz_check.h"

namespace {

using namespace tallow;

void Exercise(TSchedule& schedule, CrewGroup group, const char* title, std::string_view text) {
    schedule.crewGroup = group;
    schedule.scheduleTitle = title;
    const RosterReadResult result = ReadRosterExtract(schedule, text);
    Check(schedule.employeeCount >= 0 && schedule.employeeCount <= kMaxEmployees);
    Check(result.loaded == schedule.employeeCount);
    Check(result.complete != (result.failedLine != 0));
    for (int row = 0; row < schedule.employeeCount; ++row) {
        const TPilot& employee = schedule.employees[static_cast<size_t>(row)];
        Check(employee.qualificationCodes.size() <= 12);
        Check(employee.name.size() >= 2 && employee.name.size() <= 22 && employee.name[1] == ' ');
        Check(employee.employeeNumber >= -99999999 && employee.employeeNumber <= 999999999);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::unique_ptr<TSchedule> schedule = [] {
        auto created = std::make_unique<TSchedule>();
        created->setup[kReducedMinDaysOff] = 21;
        created->setup[kReducedMinBlockCredit] = 2400;
        created->setup[kReducedMaxBlockCredit] = 2700;
        return created;
    }();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    LooksLikeRosterExtract(text);
    Exercise(*schedule, CrewGroup::Captains, "YVRDH8CAV", text);
    Exercise(*schedule, CrewGroup::FlightAttendants, "YVRDH8FAV", text);
    return 0;
}
