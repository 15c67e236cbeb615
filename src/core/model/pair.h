#pragma once
// TPair: one seat of a pairing. A pairing that needs two captains is two
// seats with the same number; employees, the history and the order tables
// refer to seats by index.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/date.h"

namespace tallow {

inline constexpr int kPairDays = 31;
inline constexpr int32_t kDefaultMinRestAfter = 660;

// operates[d] values; a negative value has the same meaning and marks a day
// that carries an extra crew member.
inline constexpr int32_t kOperatesNot = 0;
inline constexpr int32_t kOperatesOpen = 1;
inline constexpr int32_t kOperatesAssigned = 2;

using PairDays = std::array<int32_t, kPairDays>;

class TPair {
  public:
    TPair();  // cleared, createdDate = today
    explicit TPair(Date created);

    int32_t reportTime = 0;
    int32_t releaseTime = 0;
    int32_t totalCredit = 0;
    uint8_t lengthDays = 0;
    uint8_t countedDays = 0;
    int32_t tafb = 0;
    int32_t number = 0;
    std::string position;
    PairDays operates{};
    PairDays excludedCredit{};
    PairDays dayType{};
    PairDays dailyStart{};
    PairDays dutyStartAt{};
    PairDays layoverRest{};
    PairDays dailyDuty{};
    PairDays dailyHard{};
    PairDays dailyCredit{};
    PairDays carsDuty{};
    int32_t fatigueUnits = 0;
    int32_t minRestAfter = kDefaultMinRestAfter;
    uint8_t continuousDuty = 0;
    uint8_t usaSegments = 0;
    uint8_t filterMatch = 0;
    uint8_t valid = 0;
    uint8_t creditClass = 0;
    std::string validationText;
    std::string displayText;
    std::string sourceText;
    std::string route;
    std::string seriesCode;
    Date createdDate;

    // Every number, flag and day array 0, every text empty, minRestAfter 660.
    // createdDate is kept.
    void Clear();
    // Copies every field, texts and derived fields included.
    void CopyFrom(const TPair& other) { *this = other; }

    // Derives countedDays, continuousDuty, valid, validationText, dutyStartAt
    // and layoverRest. `airportDetails` is the toolbox definitions' airport text.
    void Validate(int32_t dayCount, std::string_view airportDetails);

    // Days of the period (d < dayCount) on which the seat starts.
    int OperatingDays(int32_t dayCount) const;
    // The credit of a start on period day `day` that falls inside a period of
    // `dayCount` days: the whole credit, or the daily credits of the days
    // before the period ends.
    int64_t CreditInPeriod(int day, int32_t dayCount) const;
    // Sum of dailyHard over the pairing's length.
    int32_t TotalHard() const;

  private:
    // Appends a validation message and marks the seat not valid.
    void Report(std::string_view message);
    // Fills dutyStartAt and layoverRest from the duty records of sourceText.
    void ReadDutyRecords(std::string_view airportDetails);
};

}  // namespace tallow
