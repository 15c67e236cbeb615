#pragma once
// The form of the "Setup Month" dialog: one scroll bar per month setup word
// it edits. A movement is stored into the schedule at once, so the dialog has
// nothing to apply on closing.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/schedule.h"

namespace tallow {

enum class SetupBar {
    BlockHolderDaysOff,
    ReserveDaysOff,
    AvgBlockCredit,
    MaxBlockCredit,
    MinBlockCredit,
    CheckPilotMaxCredit,
    ReducedMaxBlockCredit,
    ReducedMinBlockCredit,
    ReducedMinDaysOff,
};

struct SetupBarDefinition {
    SetupBar bar;
    std::string_view group;
    std::string_view label;
    SetupWord word;
    int32_t minimum;
    int32_t maximum;
    int32_t lineStep;
    int32_t pageStep;
    bool isTime;  // minutes shown as hh:mm; otherwise a count of days
};

inline constexpr size_t kSetupBarCount = 9;

class SetupMonthForm {
  public:
    static constexpr std::string_view kTitle = "Setup Month";
    static constexpr std::string_view kNote =
        "Set these values before selecting Reduced Block in the employee info dialog as no "
        "change is made until reduced block is reselected.";

    // The bars in dialog order.
    static const std::array<SetupBarDefinition, kSetupBarCount>& Bars();
    static const SetupBarDefinition& Definition(SetupBar bar);

    explicit SetupMonthForm(TSchedule& schedule) : schedule_(schedule) {}

    // The thumb position: the stored word held within the bar's range.
    int32_t Position(SetupBar bar) const;
    // The text beside the bar.
    std::string Text(SetupBar bar) const;
    // The user moved the bar: the position, held within range, is stored.
    void Move(SetupBar bar, int32_t position);

  private:
    TSchedule& schedule_;
};

}  // namespace tallow
