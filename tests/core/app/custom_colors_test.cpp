#include "core/app/custom_colors.h"

#include <gtest/gtest.h>

#include <string>

#include "core/app/setting_keys.h"

namespace tallow {
namespace {

// Colours unlike any default, so a colour taken from the wrong place shows.
CustomColors Distinct() {
    CustomColors colors{};
    for (size_t i = 0; i < colors.size(); ++i) {
        colors[i] = {static_cast<uint8_t>(10 + i), static_cast<uint8_t>(100 + i),
                     static_cast<uint8_t>(200 + i)};
    }
    return colors;
}

TEST(CustomColorsTest, DefaultTextAndDefaultTableAgree) {
    std::string_view text = keys::CustomColors.defaultValue;
    EXPECT_EQ(text.size(), 155u);
    EXPECT_EQ(ReadCustomColors(text), kDefaultCustomColors);
    EXPECT_EQ(WriteCustomColors(kDefaultCustomColors), std::string(text) + ",");
}

TEST(CustomColorsTest, WrittenAsThirteenZeroPaddedGroups) {
    CustomColors colors = kDefaultCustomColors;
    colors[0] = {1, 22, 255};
    std::string text = WriteCustomColors(colors);
    EXPECT_EQ(text.size(), 156u);
    EXPECT_EQ(text.substr(0, 24), "001,022,255,000,000,255,");
}

TEST(CustomColorsTest, ElevenStoredColoursGetGreyBackgrounds) {
    CustomColors stored = Distinct();
    std::string text = WriteCustomColors(stored).substr(0, 11 * 12);
    ASSERT_EQ(text.size(), 132u);
    CustomColors read = ReadCustomColors(text);
    for (size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(read[i], stored[i]) << "colour " << i;
    }
    EXPECT_EQ(read[11], (Rgb{192, 192, 192}));
    EXPECT_EQ(read[12], (Rgb{192, 192, 192}));
}

TEST(CustomColorsTest, GreyIsAppendedOnlyBelow155Characters) {
    std::string full = WriteCustomColors(Distinct()).substr(0, 152) + "001";
    ASSERT_EQ(full.size(), 155u);
    // Appended digits would run on into the last number: "001192" is 168.
    EXPECT_EQ(ReadCustomColors(full)[12].blue, 1);
    // One character shorter, the grey is appended right after "00".
    EXPECT_EQ(ReadCustomColors(full.substr(0, 154))[12].blue, static_cast<uint8_t>(192));
}

TEST(CustomColorsTest, ComponentKeepsTheLowEightBits) {
    std::string text = WriteCustomColors(kDefaultCustomColors);
    text.replace(0, 3, "300");
    text.replace(12 * 3 + 4, 3, "999");
    CustomColors read = ReadCustomColors(text);
    EXPECT_EQ(read[0].red, 44);
    EXPECT_EQ(read[3].green, 999 % 256);
}

TEST(CustomColorsTest, NumbersEndAtTheFirstNonDigitAndAtCharacter498) {
    std::string text = WriteCustomColors(kDefaultCustomColors).substr(0, 152);
    text += std::string(498 - 152, '0') + "300";
    EXPECT_EQ(ReadCustomColors(text)[12].blue, 0) << "digits past character 498 were read";

    CustomColors garbage = ReadCustomColors(std::string(200, 'x'));
    for (const Rgb& color : garbage) {
        EXPECT_EQ(color, (Rgb{0, 0, 0}));
    }
}

TEST(CustomColorsTest, ColoursBeyondAShortTextKeepTheirDefaults) {
    CustomColors read = ReadCustomColors("255,255,255,");
    EXPECT_EQ(read[0], (Rgb{255, 255, 255}));
    EXPECT_EQ(read[1], (Rgb{192, 192, 192}));
    EXPECT_EQ(read[2], (Rgb{192, 192, 192}));
    for (size_t i = 3; i < kCustomColorCount; ++i) {
        EXPECT_EQ(read[i], kDefaultCustomColors[i]) << "colour " << i;
    }
    CustomColors empty = ReadCustomColors("");
    EXPECT_EQ(empty[0], (Rgb{192, 192, 192}));
    EXPECT_EQ(empty[2], kDefaultCustomColors[2]);
}

TEST(CustomColorsTest, WrittenColoursReadBackUnchanged) {
    CustomColors colors = Distinct();
    colors[4] = {0, 0, 0};
    colors[7] = {255, 255, 255};
    EXPECT_EQ(ReadCustomColors(WriteCustomColors(colors)), colors);
}

}  // namespace
}  // namespace tallow
