#include "sample/names.h"

#include <array>

namespace tallow::sample {

namespace {

constexpr std::array<const char*, 40> kSyllables = {
    "BRA", "DEL", "FEN",  "GAR", "HOL", "JER", "KAV", "LAN", "MOR", "NEV",
    "OST", "PEL", "QUAR", "RIS", "SAV", "TOR", "ULV", "VAN", "WEL", "YSK",
    "ZOR", "AST", "BEK",  "CAL", "DRO", "ELM", "FIR", "GUL", "HAV", "ISK",
    "KOR", "LIV", "MAR",  "NOR", "OLM", "PRA", "RUD", "SEL", "TAV", "VEL"};

constexpr std::array<const char*, 10> kEndings = {"",   "EN", "ER", "IN", "OS",
                                                  "AR", "EL", "IK", "ON", "UM"};

constexpr std::array<const char*, 6> kHotelKinds = {"INN",   "SUITES", "HOTEL",
                                                    "LODGE", "PLAZA",  "HOUSE"};

template <size_t N>
const char* PickFrom(Rng& rng, const std::array<const char*, N>& items) {
    return items[static_cast<size_t>(rng.Below(static_cast<int>(N)))];
}

}  // namespace

std::string MakeSurname(Rng& rng) {
    std::string name = PickFrom(rng, kSyllables);
    name += PickFrom(rng, kSyllables);
    if (rng.Percent(30)) {
        name += PickFrom(rng, kSyllables);
    } else {
        name += PickFrom(rng, kEndings);
    }
    return name.substr(0, kSurnameWidth);
}

char MakeInitial(Rng& rng) {
    return static_cast<char>('A' + rng.Below(26));
}

std::string MakeHotelName(Rng& rng) {
    std::string name = PickFrom(rng, kSyllables);
    name += PickFrom(rng, kEndings);
    name += ' ';
    name += PickFrom(rng, kHotelKinds);
    return name;
}

}  // namespace tallow::sample
