#include "core/app/custom_colors.h"

#include "core/model/text_format.h"

namespace tallow {

namespace {

constexpr size_t kLongestRead = 498;
constexpr size_t kFullLength = 155;
constexpr std::string_view kGreyBackgrounds = "192,192,192,192,192,192";
constexpr size_t kGroupWidth = 12;
constexpr size_t kNumberWidth = 4;

// The digits from `position` on, up to the first non-digit. Unsigned
// arithmetic wraps modulo 2^32, which keeps the low 8 bits of any length of
// digits exact.
uint8_t LowByteAt(std::string_view text, size_t position) {
    uint32_t value = 0;
    for (size_t i = position; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
    }
    return static_cast<uint8_t>(value & 0xFFu);
}

}  // namespace

CustomColors ReadCustomColors(std::string_view text) {
    std::string stored(text.substr(0, kLongestRead));
    if (stored.size() < kFullLength) {
        stored += kGreyBackgrounds;
    }
    CustomColors colors = kDefaultCustomColors;
    for (size_t i = 0; i < kCustomColorCount; ++i) {
        size_t start = kGroupWidth * i;
        if (start + 2 * kNumberWidth >= stored.size()) {
            break;
        }
        colors[i].red = LowByteAt(stored, start);
        colors[i].green = LowByteAt(stored, start + kNumberWidth);
        colors[i].blue = LowByteAt(stored, start + 2 * kNumberWidth);
    }
    return colors;
}

std::string WriteCustomColors(const CustomColors& colors) {
    std::string text;
    for (const Rgb& color : colors) {
        text += Format("%03d,%03d,%03d,", color.red, color.green, color.blue);
    }
    return text;
}

}  // namespace tallow
