#pragma once
// TAbsence: one entry of the toolbox code catalogue (vacation, training,
// reserve, office day...). Placing a code copies its values into a day.

#include <array>
#include <cstdint>
#include <string>

namespace tallow {

class TPilot;

enum class CrewGroup : uint8_t { Captains = 0, FirstOfficers = 1, FlightAttendants = 2 };

// Slots of TPilot::dayDetail[d].
enum DayDetailSlot : int {
    kDetailStart = 0,
    kDetailTimeAtWork = 1,
    kDetailCredit = 2,
    kDetailHard = 3,
    kDetailReserve = 4,
    kDetailContainsDuty = 5,
    kDetailExcludeCredit = 6,
    kDetailCarsDuty = 7,
};
inline constexpr int kDayDetailSlots = 10;

class TAbsence {
  public:
    TAbsence() = default;

    std::string code;
    std::string trackingCode;
    std::string caption;
    int32_t startTime = 0;
    int32_t endTime = 0;
    int32_t credit = 0;
    int32_t hardTime = 0;
    uint8_t containsDuty = 0;
    uint8_t isCarsDuty = 0;
    uint8_t countsCredit = 1;
    uint8_t inToolbox = 1;

    void Clear() { *this = TAbsence(); }
    bool IsReserve(CrewGroup group) const;
    // endTime - startTime, wrapped into 0..1439.
    int32_t TimeAtWork() const;
    // The ten day-detail values a placement of this code produces.
    std::array<int32_t, kDayDetailSlots> DayDetail(CrewGroup group) const;
};

// Places the code on period day `day` of the employee: only where the day is
// free (dayPairing -1) and the row is not a placeholder row. Returns whether
// it was placed.
bool PlaceCode(TPilot& employee, int day, const TAbsence& code, CrewGroup group);

}  // namespace tallow
