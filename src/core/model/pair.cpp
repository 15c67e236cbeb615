#include "core/model/pair.h"

#include <algorithm>

#include "core/model/airport_details.h"
#include "core/model/text_format.h"
#include "core/model/time_text.h"
#include "core/platform/clock.h"

namespace tallow {

namespace {

constexpr int32_t kDayMinutes = 1440;
constexpr int32_t kLateReleaseLimit = 120;  // releases before 02:00 count no day
constexpr int32_t kContinuousDutyTafbLimit = 900;
constexpr size_t kContinuousFlagColumn = 112;

// Columns of a duty record ("3" line), counted from its first character.
constexpr size_t kDutyTimeColumn = 47;
constexpr size_t kDutyTimeWidth = 4;
constexpr size_t kLayoverTimeColumn = 51;
constexpr size_t kLayoverTimeWidth = 5;
constexpr size_t kLayoverStationColumn = 56;
constexpr size_t kStationWidth = 3;

// Duty days the arrays can hold for a pairing of this length.
int DaysHeld(uint8_t lengthDays) {
    return std::min<int>(lengthDays, kPairDays);
}

int PeriodDaysHeld(int32_t dayCount) {
    return std::clamp<int32_t>(dayCount, 0, kPairDays);
}

}  // namespace

TPair::TPair() : TPair(SystemClock().Today()) {}

TPair::TPair(Date created) : createdDate(created) {}

void TPair::Clear() {
    *this = TPair(createdDate);
}

void TPair::Report(std::string_view message) {
    validationText += message;
    valid = 0;
}

void TPair::Validate(int32_t dayCount, std::string_view airportDetails) {
    validationText.clear();
    valid = 1;
    carsDuty.fill(0);
    dutyStartAt.fill(-1);
    // Layovers are found again below; a value from an earlier text must not survive an edit.
    layoverRest.fill(0);

    countedDays = lengthDays;
    if (releaseTime < kLateReleaseLimit && lengthDays > 1) {
        countedDays = static_cast<uint8_t>(lengthDays - 1);
    }

    if (sourceText.size() > kContinuousFlagColumn + 1) {
        if (sourceText[kContinuousFlagColumn] == 'Y') {
            continuousDuty = 1;
        }
    } else if (tafb < kContinuousDutyTafbLimit && releaseTime < reportTime &&
               releaseTime >= kLateReleaseLimit) {
        continuousDuty = 1;
    }

    int64_t creditSum = 0;
    for (int k = 0; k < DaysHeld(lengthDays); ++k) {
        creditSum += dailyCredit[static_cast<size_t>(k)];
    }
    if (creditSum != totalCredit) {
        Report("Credit for each Day does not add up to Total Credit\n");
    }

    if (releaseTime == 0) {
        releaseTime = kDayMinutes;
    }
    if (reportTime < 0 || reportTime > kDayMinutes) {
        Report("Duty Start Time < 00:01 or > 24:00. ");
    }
    if (lengthDays < 1 || lengthDays > kPairDays) {
        Report("Pairing Length < 1 day or > 31 days. ");
    }
    if (OperatingDays(dayCount) == 0) {
        Report("Never Operates ");
    }

    for (int k = 0; k < DaysHeld(lengthDays); ++k) {
        const size_t day = static_cast<size_t>(k);
        if (dailyCredit[day] < 0) {
            Report(Format("Daily Credit < 00:00 on Day %d. ", k + 1));
        }
        if (dailyHard[day] < 0) {
            Report(Format("Daily HardTime < 00:00 on Day %d. ", k + 1));
        }
        if (dailyStart[day] < 0 || dailyStart[day] > kDayMinutes - 1) {
            Report(Format("Daily Start Time < 00:00 or > 23:59 on Day %d. ", k + 1));
        }
        if (dailyDuty[day] < 0) {
            Report(Format("Daily Duty Time < 00:00 on Day %d. ", k + 1));
        }
    }

    dutyStartAt[0] = reportTime;
    ReadDutyRecords(airportDetails);
}

void TPair::ReadDutyRecords(std::string_view airportDetails) {
    const std::string_view text = sourceText;
    int64_t elapsed = 0;
    for (size_t p = text.find("\n3"); p != std::string_view::npos; p = text.find("\n3", p + 2)) {
        const size_t start = p + 1;
        const size_t end = text.find('\n', start);
        const std::string_view line =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        const int32_t duty = GetInt(line, kDutyTimeColumn, kDutyTimeWidth);
        const int32_t layover = GetInt(line, kLayoverTimeColumn, kLayoverTimeWidth);
        if (duty != 0) {
            elapsed += int64_t{duty} + layover;
            if (elapsed >= tafb) {
                return;
            }
            const int64_t at = reportTime + elapsed;
            const int64_t n = at / kDayMinutes;
            if (n > kPairDays - 1) {
                return;
            }
            if (n >= 0) {
                dutyStartAt[static_cast<size_t>(n)] =
                    static_cast<int32_t>(at > kDayMinutes - 1 ? at % kDayMinutes : at);
            }
        } else {
            const std::string_view station = line.size() > kLayoverStationColumn
                                                 ? line.substr(kLayoverStationColumn, kStationWidth)
                                                 : std::string_view{};
            const int64_t n = (reportTime + elapsed) / kDayMinutes;
            if (n >= 0 && n < kPairDays) {
                const int32_t stationTime = StationTimeValue(airportDetails, station);
                layoverRest[static_cast<size_t>(n)] = layover - 60 - 2 * stationTime;
            }
        }
    }
}

int TPair::OperatingDays(int32_t dayCount) const {
    return static_cast<int>(std::count_if(operates.begin(),
                                          operates.begin() + PeriodDaysHeld(dayCount),
                                          [](int32_t value) { return value != kOperatesNot; }));
}

int32_t TPair::TotalHard() const {
    int64_t sum = 0;
    for (int k = 0; k < DaysHeld(lengthDays); ++k) {
        sum += dailyHard[static_cast<size_t>(k)];
    }
    return static_cast<int32_t>(sum);
}

int64_t TPair::CreditInPeriod(int day, int32_t dayCount) const {
    if (day + lengthDays <= dayCount) {
        return totalCredit;
    }
    const int inside = std::clamp(dayCount - day, 0, kPairDays);
    int64_t credit = 0;
    for (int k = 0; k < inside; ++k) {
        credit += dailyCredit[static_cast<size_t>(k)];
    }
    return credit;
}

}  // namespace tallow
