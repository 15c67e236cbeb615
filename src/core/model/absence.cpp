#include "core/model/absence.h"

#include <algorithm>
#include <string_view>

#include "core/model/pilot.h"

namespace tallow {
namespace {

constexpr std::string_view kCabinReserveCodes[] = {"RA", "RB", "RC", "RE"};
constexpr std::string_view kPilotReserveCodes[] = {"RA", "RB", "RC", "RE", "RK", "AT", "16", "ET",
                                                   "CF", "34", "FB", "FE", "OR", "09", "14", "03",
                                                   "18", "19", "17", "AR", "ER", "BR"};

template <size_t N>
bool Contains(const std::string_view (&codes)[N], std::string_view code) {
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

constexpr int32_t kMinutesPerDay = 1440;

}  // namespace

bool TAbsence::IsReserve(CrewGroup group) const {
    // RTB is never reserve, whatever tracking code it carries.
    if (code == "RTB") {
        return false;
    }
    switch (group) {
        case CrewGroup::Captains:
        case CrewGroup::FirstOfficers:
            return Contains(kPilotReserveCodes, trackingCode);
        case CrewGroup::FlightAttendants:
            return Contains(kCabinReserveCodes, trackingCode);
    }
    return false;
}

int32_t TAbsence::TimeAtWork() const {
    // In 64 bits: the times come from files and may be anything.
    const int64_t span = (static_cast<int64_t>(endTime) - startTime) % kMinutesPerDay;
    return static_cast<int32_t>(span < 0 ? span + kMinutesPerDay : span);
}

std::array<int32_t, kDayDetailSlots> TAbsence::DayDetail(CrewGroup group) const {
    std::array<int32_t, kDayDetailSlots> detail{};
    detail[kDetailStart] = startTime;
    detail[kDetailTimeAtWork] = TimeAtWork();
    detail[kDetailCredit] = credit;
    detail[kDetailHard] = hardTime;
    detail[kDetailReserve] = IsReserve(group) ? 1 : 0;
    detail[kDetailContainsDuty] = containsDuty;
    detail[kDetailExcludeCredit] = countsCredit == 0 ? 1 : 0;
    detail[kDetailCarsDuty] = isCarsDuty;
    return detail;
}

bool PlaceCode(TPilot& employee, int day, const TAbsence& code, CrewGroup group) {
    if (day < 0 || day >= kCalendarDays || employee.IsPlaceholder()) {
        return false;
    }
    const auto d = static_cast<size_t>(day);
    if (employee.dayPairing[d] != kDayFree) {
        return false;
    }
    employee.dayPairing[d] = kDayToolbox;
    employee.dayCode[d] = code.code;
    employee.dayCrewCode[d] = code.trackingCode;
    employee.dayDetail[d] = code.DayDetail(group);
    return true;
}

}  // namespace tallow
