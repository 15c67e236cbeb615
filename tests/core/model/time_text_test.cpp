#include "core/model/time_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "core/app/event_log.h"

namespace tallow {
namespace {

TEST(FormatTimeTest, FormsFollowTheFlags) {
    struct Case {
        int32_t minutes;
        bool padHours;
        bool withColon;
        const char* text;
    };
    const Case cases[] = {
        {605, true, true, "10:05"},   {65, true, true, " 1:05"},     {65, false, true, "01:05"},
        {65, true, false, "0105"},    {65, false, false, "0105"},    {0, true, true, " 0:00"},
        {0, false, true, "00:00"},    {1439, false, true, "23:59"},  {1440, false, true, "24:00"},
        {9000, true, true, "150:00"}, {9000, false, false, "15000"}, {-90, true, true, "-1:-30"},
        {-90, false, true, "-1:-30"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatTime(c.minutes, c.padHours, c.withColon), c.text)
            << c.minutes << " pad=" << c.padHours << " colon=" << c.withColon;
    }
}

TEST(ParseTimeTest, ReadsHoursAndMinutesAndRefusesBadTimes) {
    struct Case {
        const char* text;
        bool limit24;
        int32_t minutes;
    };
    const Case cases[] = {
        {"23:59", true, 1439},   {"24:00", true, -1},  {"24:00", false, 1440}, {"00:00", true, 0},
        {"7:60", true, -1},      {"7:60", false, -1},  {"7.30", true, 450},    {"7h30", true, 450},
        {"150:00", false, 9000}, {"150:00", true, -1}, {"-1:30", false, -1},   {"7:-5", true, 420},
        {"07:3x", true, 423},    {" 7:30", true, 450}, {"+7:30", true, 450},   {"7", true, 420},
        {"", true, 0},           {":45", true, 45},    {"12:", true, 720},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseTime(c.text, c.limit24), c.minutes)
            << '"' << c.text << "\" limit24=" << c.limit24;
    }
}

TEST(ParseTimeTest, HugeHourRunsAreRefusedNotOverflowed) {
    EXPECT_EQ(ParseTime("99999999999999999999:00", false), -1);
    EXPECT_EQ(ParseTime("35791394:00", false), -1);
    EXPECT_EQ(ParseTime("35791393:59", true), -1);
    EXPECT_EQ(ParseTime("35791393:59", false), 35791393 * 60 + 59);
    EXPECT_EQ(ParseTime("1:99999999999999999999", false), -1);
}

TEST(ParseTimeTest, StopsAtTheEndOfTheView) {
    const std::string text = "12:3456";
    EXPECT_EQ(ParseTime(std::string_view(text).substr(0, 4), true), 723);
    EXPECT_EQ(ParseTime(std::string_view(text).substr(0, 2), true), 720);
}

TEST(LeadingIntTest, ReadsLikeTheImportersAndSaturates) {
    struct Case {
        const char* text;
        int32_t value;
        size_t consumed;
    };
    const Case cases[] = {
        {"42", 42, 2},
        {"  -17abc", -17, 5},
        {"+8", 8, 2},
        {"\t 5", 5, 3},
        {"abc", 0, 0},
        {"", 0, 0},
        {"  ", 0, 0},
        {"-", 0, 0},
        {"- 5", 0, 0},
        {"2147483647", std::numeric_limits<int32_t>::max(), 10},
        {"2147483648", std::numeric_limits<int32_t>::max(), 10},
        {"-2147483648", std::numeric_limits<int32_t>::min(), 11},
        {"-99999999999999999999", std::numeric_limits<int32_t>::min(), 21},
        {"99999999999999999999", std::numeric_limits<int32_t>::max(), 20},
    };
    for (const Case& c : cases) {
        size_t consumed = 99;
        EXPECT_EQ(LeadingInt(c.text, &consumed), c.value) << '"' << c.text << '"';
        EXPECT_EQ(consumed, c.consumed) << '"' << c.text << '"';
    }
}

TEST(GetIntTest, ReadsOnlyTheColumnRange) {
    const std::string line = "V8101 0730  -12X99";
    EXPECT_EQ(GetInt(line, 1, 4), 8101);
    EXPECT_EQ(GetInt(line, 6, 2), 7);
    EXPECT_EQ(GetInt(line, 6, 4), 730);
    EXPECT_EQ(GetInt(line, 10, 5), -12);
    EXPECT_EQ(GetInt(line, 15, 3), 0);
    EXPECT_EQ(GetInt(line, 16, 2), 99);
    EXPECT_EQ(GetInt(line, 0, 0), 0);
    EXPECT_EQ(GetInt(line, line.size(), 0), 0);
}

TEST(GetIntTest, ShortLineGivesZeroWithoutALog) {
    EXPECT_EQ(GetInt("12345", 3, 3), 0);
    EXPECT_EQ(GetInt("12345", 6, 0), 0);
    EXPECT_EQ(GetInt("12345", std::numeric_limits<size_t>::max(), 2), 0);
    EXPECT_EQ(GetInt("12345", 2, std::numeric_limits<size_t>::max()), 0);
    EventLog closed;
    EXPECT_EQ(GetInt("12345", 3, 3, &closed), 0);
}

TEST(GetIntTest, ShortLineIsLoggedWhenTheLogIsOpen) {
    const std::string path = ::testing::TempDir() + "get_int_log.txt";
    {
        EventLog log;
        ASSERT_TRUE(log.Open(path));
        EXPECT_EQ(GetInt("12345", 3, 3, &log), 0);
        EXPECT_EQ(GetInt("12345", 0, 5, &log), 12345);
        EXPECT_EQ(GetInt("12", 2, 1, &log), 0);
    }
    std::ifstream in(path, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(written, "Cannot GetInt. String too Short\nCannot GetInt. String too Short\n");
}

TEST(MonthCodeTest, CodesForRealMonthsOnly) {
    EXPECT_EQ(MonthCode(1), "JAN");
    EXPECT_EQ(MonthCode(6), "JUN");
    EXPECT_EQ(MonthCode(9), "SEP");
    EXPECT_EQ(MonthCode(12), "DEC");
    EXPECT_EQ(MonthCode(0), "");
    EXPECT_EQ(MonthCode(13), "");
    EXPECT_EQ(MonthCode(-1), "");
}

TEST(CaseTest, ChangesOnlyAsciiLettersAndReturnsTheLength) {
    std::string text = "Yvr-dh8 ca\xe9z9";
    EXPECT_EQ(UpperCase(text), 13u);
    EXPECT_EQ(text, "YVR-DH8 CA\xe9Z9");
    EXPECT_EQ(LowerCase(text), 13u);
    EXPECT_EQ(text, "yvr-dh8 ca\xe9z9");
    std::string empty;
    EXPECT_EQ(UpperCase(empty), 0u);
}

}  // namespace
}  // namespace tallow
