#include "core/import/prg_selection.h"

#include <array>

namespace tallow {

namespace {

struct Station {
    std::string_view code;
    char letter;
};

// In the order they are tried.
constexpr std::array<Station, 9> kBaseStations = {{{"YYJ", 'J'},
                                                   {"YVR", 'V'},
                                                   {"YYC", 'C'},
                                                   {"YXE", 'S'},
                                                   {"YYZ", 'Z'},
                                                   {"YXU", 'U'},
                                                   {"YUL", 'M'},
                                                   {"YQB", 'Q'},
                                                   {"YHZ", 'H'}}};

struct AircraftType {
    std::string_view code;
    std::string_view digits;
};

constexpr std::array<AircraftType, 4> kAircraftTypes = {
    {{"DH8", "8"}, {"E75", "5"}, {"DH4", "4"}, {"CRJ", "72"}}};

constexpr size_t kTitleBaseLetter = 8;

}  // namespace

bool PrgSelection::Accepts(std::string_view line) const {
    if (!hasBase || line.size() < 2 || line[1] != baseLetter) {
        return false;
    }
    if (skipEquipment) {
        return true;
    }
    return line.size() > 2 && equipmentDigits.find(line[2]) != std::string::npos;
}

PrgSelection ResolvePrgSelection(std::string_view code, bool skipEquipment,
                                 std::string_view scheduleTitle) {
    PrgSelection selection;
    selection.skipEquipment = skipEquipment;
    if (!code.empty()) {
        selection.hasBase = true;
        selection.baseLetter = code[0];
        if (code.size() > 1) {
            selection.equipmentDigits = std::string(1, code[1]);
        }
        return selection;
    }
    if (scheduleTitle.size() > kTitleBaseLetter) {
        selection.hasBase = true;
        selection.baseLetter = scheduleTitle[kTitleBaseLetter];
    }
    for (const Station& station : kBaseStations) {
        if (scheduleTitle.find(station.code) != std::string_view::npos) {
            selection.hasBase = true;
            selection.baseLetter = station.letter;
            break;
        }
    }
    if (!skipEquipment) {
        for (const AircraftType& type : kAircraftTypes) {
            if (scheduleTitle.find(type.code) != std::string_view::npos) {
                selection.equipmentDigits = std::string(type.digits);
                break;
            }
        }
    }
    return selection;
}

}  // namespace tallow
