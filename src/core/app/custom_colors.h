#pragma once
// The 13 user colours, their names in the colour dialog, their defaults and
// their stored form in the setting CustomColors.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallow {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend constexpr bool operator==(Rgb a, Rgb b) = default;
};

inline constexpr size_t kCustomColorCount = 13;
using CustomColors = std::array<Rgb, kCustomColorCount>;

// Roles by index, as listed in the colour dialog.
inline constexpr std::array<std::string_view, kCustomColorCount> kCustomColorNames = {
    "Low Credit Pairings",
    "Medium Credit Pairings",
    "High Credit Pairings",
    "Very High Credit Pairings",
    "Duty Time",
    "Rest Time",
    "Pair Over Requested Day Off",
    "Block Holder",
    "Reserve",
    "Blk Total in Specified Range",
    "Blk Total outside Specified Range",
    "Block Window Background",
    "Pairing Window Background",
};

inline constexpr CustomColors kDefaultCustomColors = {{
    {0, 0, 0},
    {0, 0, 255},
    {255, 0, 0},
    {128, 0, 128},
    {0, 255, 0},
    {255, 255, 0},
    {128, 255, 255},
    {0, 0, 0},
    {0, 0, 255},
    {0, 0, 0},
    {255, 0, 0},
    {192, 192, 192},
    {192, 192, 192},
}};

// Colour i from the three numbers at characters 12i, 12i + 4 and 12i + 8, each
// number's low 8 bits. A text shorter than 155 characters is first completed
// with two grey backgrounds (a text of 11 colours predates them); colours
// still beyond its end keep their defaults.
CustomColors ReadCustomColors(std::string_view text);

// 13 groups of "%03d,%03d,%03d,".
std::string WriteCustomColors(const CustomColors& colors);

}  // namespace tallow
