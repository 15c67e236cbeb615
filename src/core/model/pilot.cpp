#include "core/model/pilot.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/model/text_format.h"
#include "core/model/time_text.h"

namespace tallow {
namespace {

constexpr std::array<std::string_view, 9> kLongAbsenceCodes = {"LOA", "PSD", "UTF", "MAT", "MED",
                                                               "WCB", "LTD", "PWC", "MOD"};

bool IsLongAbsence(std::string_view code) {
    return std::find(kLongAbsenceCodes.begin(), kLongAbsenceCodes.end(), code) !=
           kLongAbsenceCodes.end();
}

// Period days that exist in the per-day tables, whatever dayCount holds.
int PeriodDays(int32_t dayCount) {
    return std::clamp(dayCount, 0, kCalendarDays);
}

}  // namespace

void TPilot::ParseHardTimeHistory() {
    if (hardTimeHistory.size() < kHardTimeHistoryLength) {
        return;
    }
    for (size_t i = 0; i < static_cast<size_t>(kHardTimeDays); ++i) {
        hardTimeDays[i] = GetInt(hardTimeHistory, 4 * i, 4);
    }
}

int32_t TPilot::UpdateAbsentWholePeriod(int32_t dayCount) {
    const int days = PeriodDays(dayCount);
    // A schedule without a period yet has no days to be absent on.
    absentWholePeriod = days > 0 ? 1 : 0;
    for (int d = 0; d < days; ++d) {
        if (!IsLongAbsence(dayCode[static_cast<size_t>(d)])) {
            absentWholePeriod = 0;
            break;
        }
    }
    return absentWholePeriod;
}

bool TPilot::HasReserveDay(int32_t dayCount) const {
    const int days = PeriodDays(dayCount);
    for (int d = 0; d < days; ++d) {
        if (dayDetail[static_cast<size_t>(d)][kDetailReserve] != 0) {
            return true;
        }
    }
    return false;
}

std::string DayOffRequestName(uint8_t request) {
    switch (request) {
        case 10:
            return "XA";
        case 11:
            return "XP";
        case 12:
            return "XM";
        case 13:
            return "RGD";
        case 14:
            return "RPD";
        default:
            break;
    }
    if (request >= 1 && request <= 9) {
        return Format("X%d", request);
    }
    if (request >= 20 && request <= 51) {
        return Format("X%d", request - 19);
    }
    return {};
}

}  // namespace tallow
