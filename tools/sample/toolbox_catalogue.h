#pragma once
// The toolbox codes of the sample airline: what its toolbox definition file
// lists for pilots and cabin crew, and which of them the absences extract uses.

#include <span>
#include <string_view>

namespace tallow::sample {

// How the absences of the month use a code.
enum class AbsenceUse { None, Vacation, LongLeave, Sick, Training, Office, Reserve, DayOff };

struct ToolboxCode {
    const char* code;
    bool pilot;  // "Pilot" entry, else "Cabin"
    const char* trackingCode;
    const char* caption;
    int startTime;  // minutes; the times below are minutes too
    int endTime;
    int credit;
    int hardTime;
    bool containsDuty;
    bool isCarsDuty;
    bool countsCredit;
    bool inToolbox;
    AbsenceUse use;
};

std::span<const ToolboxCode> ToolboxCodes();

// The entry of the crew group with that crew-tracking code; null when none.
const ToolboxCode* FindToolboxCode(bool pilot, std::string_view trackingCode);

}  // namespace tallow::sample
