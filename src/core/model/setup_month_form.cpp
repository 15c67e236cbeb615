#include "core/model/setup_month_form.h"

#include <algorithm>

#include "core/model/time_text.h"

namespace tallow {

namespace {

constexpr std::string_view kDaysOff = "Days Off Required";
constexpr std::string_view kRules = "Blocking Rules";
constexpr std::string_view kReduced = "Reduced Blocks Defaults.";

// Times move a minute per arrow and an hour per page; day counts a day at a time.
constexpr std::array<SetupBarDefinition, kSetupBarCount> kBars = {{
    {SetupBar::BlockHolderDaysOff, kDaysOff, "Block Holder", kDaysOffBlockHolder, 0, 14, 1, 1,
     false},
    {SetupBar::ReserveDaysOff, kDaysOff, "Reserve", kDaysOffReserve, 0, 14, 1, 1, false},
    {SetupBar::AvgBlockCredit, kRules, "Avg", kAvgBlockCredit, 3000, 6000, 1, 60, true},
    {SetupBar::MaxBlockCredit, kRules, "Max", kMaxBlockCredit, 3000, 7200, 1, 60, true},
    {SetupBar::MinBlockCredit, kRules, "Min", kMinBlockCredit, 0, 6000, 1, 60, true},
    {SetupBar::CheckPilotMaxCredit, kRules, "Check Pilot Max Hours", kCheckPilotMaxCredit, 1800,
     7200, 1, 60, true},
    {SetupBar::ReducedMaxBlockCredit, kReduced, "Max", kReducedMaxBlockCredit, 1800, 7200, 1, 60,
     true},
    {SetupBar::ReducedMinBlockCredit, kReduced, "Min", kReducedMinBlockCredit, 0, 6000, 1, 60,
     true},
    {SetupBar::ReducedMinDaysOff, kReduced, "Min Days Off", kReducedMinDaysOff, 0, 30, 1, 1, false},
}};

constexpr bool BarsInEnumOrder() {
    for (size_t i = 0; i < kBars.size(); ++i) {
        if (static_cast<size_t>(kBars[i].bar) != i) {
            return false;
        }
    }
    return true;
}
static_assert(BarsInEnumOrder(), "Definition() indexes the table by SetupBar");

}  // namespace

const std::array<SetupBarDefinition, kSetupBarCount>& SetupMonthForm::Bars() {
    return kBars;
}

const SetupBarDefinition& SetupMonthForm::Definition(SetupBar bar) {
    return kBars[static_cast<size_t>(bar)];
}

int32_t SetupMonthForm::Position(SetupBar bar) const {
    const SetupBarDefinition& definition = Definition(bar);
    return std::clamp(schedule_.setup[static_cast<size_t>(definition.word)], definition.minimum,
                      definition.maximum);
}

std::string SetupMonthForm::Text(SetupBar bar) const {
    const int32_t value = Position(bar);
    return Definition(bar).isTime ? FormatTime(value, false, true) : std::to_string(value);
}

void SetupMonthForm::Move(SetupBar bar, int32_t position) {
    const SetupBarDefinition& definition = Definition(bar);
    int32_t& word = schedule_.setup[static_cast<size_t>(definition.word)];
    const int32_t value = std::clamp(position, definition.minimum, definition.maximum);
    if (word != value) {
        word = value;
        schedule_.modified = 1;
    }
}

}  // namespace tallow
