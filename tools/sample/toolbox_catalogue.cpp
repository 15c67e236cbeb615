#include "sample/toolbox_catalogue.h"

namespace tallow::sample {

namespace {

constexpr bool Pilot = true;
constexpr bool Cabin = false;
using enum AbsenceUse;

// clang-format off
constexpr ToolboxCode kCodes[] = {
    {"VAC", Pilot, "VC", "Vacation",             720,  960, 170,   0, false, false, true,  true,  Vacation},
    {"LOA", Pilot, "LA", "Leave of Absence",     720,  960, 170,   0, false, false, true,  true,  LongLeave},
    {"MED", Pilot, "MD", "Medical Leave",        720,  960, 170,   0, false, false, true,  true,  Sick},
    {"LTD", Pilot, "LD", "Long Term Disability", 720,  721,   0,   0, false, false, false, false, LongLeave},
    {"GS",  Pilot, "GS", "Ground School",        480, 1020, 240,   0, true,  true,  true,  true,  Training},
    {"SIM", Pilot, "SM", "Simulator Day",        540,  900, 240,   0, true,  true,  true,  true,  Training},
    {"CBT", Pilot, "CT", "Computer Based Train", 480, 1020, 240,   0, true,  true,  true,  true,  Training},
    {"SIW", Pilot, "74", "Simulator Day OutWin", 540,  900, 240,   0, true,  true,  false, true,  Training},
    {"CRM", Pilot, "CM", "Crew Resource Mgmt",   600, 1080, 240,   0, true,  true,  true,  true,  Training},
    {"OF",  Pilot, "OC", "Office Day",           480, 1020, 270,   0, true,  true,  true,  true,  Office},
    {"COB", Pilot, "CB", "Company Business",     480,  960, 270,   0, true,  false, true,  true,  Office},
    {"TVL", Pilot, "TL", "Travel Day",           540, 1020, 270,   0, true,  true,  true,  true,  None},
    {"RA",  Pilot, "RA", "Reserve A",            180, 1020,   0,   0, true,  true,  true,  true,  Reserve},
    {"RB",  Pilot, "RB", "Reserve B",            720,  120,   0,   0, true,  true,  true,  true,  Reserve},
    {"GO",  Pilot, "GO", "Guaranteed Day Off",   720,  960,   0,   0, false, false, true,  true,  DayOff},
    {"STA", Pilot, "SA", "STAT",                 720,  960, 240,   0, false, false, true,  true,  DayOff},
    {"VAC", Cabin, "VC", "Vacation",             720,  960, 170,   0, false, false, true,  true,  Vacation},
    {"LOA", Cabin, "LA", "Leave of Absence",     720,  960, 170,   0, false, false, true,  true,  LongLeave},
    {"MED", Cabin, "MD", "Medical Leave",        720,  960, 170,   0, false, false, true,  true,  Sick},
    {"LTD", Cabin, "LD", "Long Term Disability", 720,  721,   0,   0, false, false, false, false, LongLeave},
    {"REC", Cabin, "RT", "F/A RECURENT TRNG",    540, 1020, 240,   0, true,  false, false, true,  Training},
    {"FAT", Cabin, "FT", "FIRST AID",            540,  960, 285,   0, true,  false, true,  true,  Training},
    {"SEC", Cabin, "SC", "Security Training",    480, 1020, 240,   0, true,  true,  true,  true,  Training},
    {"FRN", Cabin, "FN", "FRENCH TRAINING",      510,  930, 240,   0, true,  false, true,  true,  Training},
    {"OF",  Cabin, "OC", "OFFICE DAY",           480,  960, 240,   0, true,  true,  true,  true,  Office},
    {"MOD", Cabin, "MW", "Modified Work",        720,  780, 150,   0, false, false, true,  true,  None},
    {"RA",  Cabin, "RA", "Reserve A",            240, 1080, 240,   0, true,  false, true,  true,  Reserve},
    {"RB",  Cabin, "RB", "Reserve B",            720,  120, 240,   0, true,  false, true,  true,  Reserve},
    {"RE",  Cabin, "RE", "Reserve Early",        180, 1020, 240,   0, true,  false, true,  true,  Reserve},
    {"GO",  Cabin, "GO", "Guaranteed Day Off",   720,  960,   0,   0, false, false, true,  true,  DayOff},
    {"STA", Cabin, "SA", "STAT",                 720,  960, 240,   0, false, false, true,  true,  DayOff},
};
// clang-format on

}  // namespace

std::span<const ToolboxCode> ToolboxCodes() {
    return kCodes;
}

const ToolboxCode* FindToolboxCode(bool pilot, std::string_view trackingCode) {
    for (const ToolboxCode& code : kCodes) {
        if (code.pilot == pilot && trackingCode == code.trackingCode) {
            return &code;
        }
    }
    return nullptr;
}

}  // namespace tallow::sample
