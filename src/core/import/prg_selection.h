#pragma once
// Which records of a PRG file a load takes: those of one base letter and, for
// pilots, of one or two equipment digits.

#include <string>
#include <string_view>

namespace tallow {

struct PrgSelection {
    // No base letter: nothing is accepted.
    bool hasBase = false;
    char baseLetter = 0;
    // Accepted equipment digits; none accepted when empty, unless skipped.
    std::string equipmentDigits;
    bool skipEquipment = false;

    // Column 1 is the base letter and, unless the equipment is skipped,
    // column 2 one of the accepted digits.
    bool Accepts(std::string_view line) const;
};

// A code of a base letter and an optional equipment digit selects those; an
// empty code takes them from the schedule title (its ninth character,
// replaced by the letter of the first base station found in it, and the
// first aircraft type found in it).
PrgSelection ResolvePrgSelection(std::string_view code, bool skipEquipment,
                                 std::string_view scheduleTitle);

}  // namespace tallow
