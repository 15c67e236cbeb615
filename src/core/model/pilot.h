#pragma once
// TPilot: one row of the board, one crew member with everything known about
// that person for the period. Per-day tables are indexed by period day
// (0..61); the history tables by timeline day (0..30 before the period,
// 31 + d for period day d).

#include <array>
#include <cstdint>
#include <string>

#include "core/model/absence.h"
#include "core/model/calendar.h"

namespace tallow {

inline constexpr int kHistorySlots = 10;
inline constexpr int kHardTimeDays = 89;
inline constexpr size_t kHardTimeHistoryLength = 4 * kHardTimeDays;  // 356
inline constexpr int32_t kPlaceholderEmployee = -1;
inline constexpr int32_t kDayFree = -1;
inline constexpr int32_t kDayToolbox = -2;

// Slots of TPilot::history[t].
enum HistorySlot : int {
    kHistoryPairingStart = 0,
    kHistoryTafb = 1,
    kHistoryDutyStart = 2,
    kHistoryDuty = 3,
    kHistoryCredit = 4,
    kHistoryHard = 5,
    kHistoryWorked = 6,
    kHistoryCarsDuty = 8,
    kHistoryHomeDutyStart = 9,
};

// The marks of the board search.
struct SearchMarks {
    uint8_t name = 0;
    uint8_t employeeNumber = 0;
    uint8_t bid = 0;
    uint8_t pairingOrCode = 0;
    uint8_t emptySearch = 0;
    uint8_t matches = 0;
};

template <typename T>
using PerDay = std::array<T, kCalendarDays>;
using DayValues = std::array<int32_t, kHistorySlots>;

class TPilot {
  public:
    TPilot() { dayPairing.fill(kDayFree); }

    std::string name;
    std::string phone1;
    std::string phone2;
    std::string quickNotes;
    std::string illegalitiesText;
    std::string carsText;
    std::string warningsText;
    std::string pairingFilterText;
    std::string bidText;
    std::string qualificationCodes;
    std::string hardTimeHistory;
    int32_t employeeNumber = 0;
    int32_t reservedA = 0;

    PerDay<int32_t> dayPairing{};
    PerDay<uint8_t> dayOffRequest{};
    PerDay<uint8_t> dayLocked{};
    PerDay<uint8_t> dayIllegal{};
    PerDay<uint8_t> dayWarning{};
    PerDay<std::string> dayCode;
    PerDay<std::string> dayCrewCode;
    PerDay<DayValues> dayDetail{};

    PerDay<DayValues> history{};
    PerDay<std::string> historyCode;
    std::array<std::array<int32_t, 3>, kTimelineDays> dutyTotals{};
    std::array<int32_t, kHardTimeDays> hardTimeDays{};

    int32_t draftCredits = 0;
    int32_t reservedB = 0;
    int32_t extraCredits = 0;
    int32_t timeBank = 0;
    int32_t timeBankUsed = 0;
    int32_t albCredit = 0;
    int32_t trainingAtHome = 0;
    bool trainingOutsideWindow = false;
    int32_t carryInCredit = 0;
    int32_t legalCheckIn = 0;
    int32_t carryInFatigue = 0;
    int32_t reservedC = 0;
    int32_t blockComplete = 0;
    int32_t minBlockOverride = 0;
    int32_t maxBlockOverride = 0;
    int32_t minDaysOffOverride = 0;
    int32_t specialQualification = 0;
    int32_t ageMedFlags = 0;
    int32_t trainee = 0;
    int32_t noTZ = 0;
    int32_t noYCG = 0;
    std::array<int32_t, 7> reservedD{};
    uint8_t reserveBidder = 0;
    uint8_t belowLine = 0;
    int32_t absentWholePeriod = 0;
    int8_t blockHours = 0;
    int8_t blockMinutes = 0;
    uint8_t clipSelected = 0;
    SearchMarks searchMarks;
    uint8_t rulesCurrent = 1;
    uint8_t exportSelected = 1;

    // Every text empty, every number 0, dayPairing -1 on every day,
    // rulesCurrent and exportSelected 1.
    void Clear() { *this = TPilot(); }
    void CopyFrom(const TPilot& other) { *this = other; }

    bool IsPlaceholder() const { return employeeNumber == kPlaceholderEmployee; }

    // Reads hardTimeDays from hardTimeHistory when it holds all 89 fields.
    void ParseHardTimeHistory();
    // Whether every period day carries a long-absence code; stores and returns it.
    int32_t UpdateAbsentWholePeriod(int32_t dayCount);
    void ClearSearchMarks() { searchMarks = SearchMarks{}; }
    bool HasReserveDay(int32_t dayCount) const;
};

// The shown name of a day-off request value ("X6", "XA", "RGD"); empty for 0
// and for values that name no request.
std::string DayOffRequestName(uint8_t request);

}  // namespace tallow
