// Last month's activity extract and prior-period pairing extract, read back
// against their column tables and against each other: every pairing an
// activity line names is a line of the pairing extract, and the hard-time
// history of the last 31 days is the flying of those pairings.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "core/model/text_format.h"
#include "sample/activity_writer.h"
#include "sample/last_month.h"
#include "sample/prior_pairing_writer.h"
#include "sample/roster_writer.h"
#include "sample/sample_files.h"
#include "sample/toolbox_catalogue.h"
#include "sample_text.h"

namespace tallow::sample {
namespace {

using testing::Columns;
using testing::Lines;
using testing::Number;

bool IsDesignator(const std::string& text) {
    if (text.size() != 5 || text[0] < 'A' || text[0] > 'Z') {
        return false;
    }
    return text.substr(1).find_first_not_of("0123456789") == std::string::npos;
}

SampleOptions Group(const char* status, int month, uint64_t seed) {
    SampleOptions options;
    options.status = status;
    options.month = month;
    options.seed = seed;
    options.employees = 60;
    options.pairings = 50;
    return options;
}

class SampleActivityTest : public ::testing::TestWithParam<SampleOptions> {
  protected:
    void SetUp() override {
        month_ = BuildSampleMonth(GetParam());
        last_ = BuildLastMonth(month_);
        activity_ = Lines(ActivityText(month_, last_));
        prior_ = Lines(PriorPairingText(month_, last_));
        for (int day = 0; day < 2 * kPriorDays; ++day) {
            timeline_[TimelineDateText(month_, day)] = day;
        }
    }

    // Timeline day of a YYYYMMDD text; -1 outside the timeline.
    int TimelineDay(const std::string& date) const {
        auto found = timeline_.find(date);
        return found == timeline_.end() ? -1 : found->second;
    }

    // The same for a date before the period.
    int PriorDay(const std::string& date) const {
        int day = TimelineDay(date);
        return day < kPriorDays ? day : -1;
    }

    SampleMonth month_;
    SampleLastMonth last_;
    std::vector<std::string> activity_;
    std::vector<std::string> prior_;
    std::map<std::string, int> timeline_;
};

TEST_P(SampleActivityTest, ActivityLinesFollowTheColumns) {
    ASSERT_FALSE(activity_.empty());
    int pairings = 0;
    int codes = 0;
    for (const std::string& line : activity_) {
        ASSERT_EQ(line.size(), 1605u);
        EXPECT_EQ(Columns(line, 0, 9).find_first_not_of("0123456789"), std::string::npos) << line;
        bool ended = false;
        for (size_t k = 0; k < 31; ++k) {
            std::string entry = Columns(line, 9 + 40 * k, 40);
            std::string code = entry.substr(0, 2);
            std::string designator = entry.substr(2, 5);
            EXPECT_EQ(entry[7], ' ');
            if (code == "  " && designator == "     ") {
                EXPECT_EQ(entry, std::string(40, ' ')) << "an empty entry is blank";
                ended = true;
                continue;
            }
            EXPECT_FALSE(ended) << "entries follow each other without gaps: " << line;
            if (code == "  ") {
                ++pairings;
                EXPECT_TRUE(IsDesignator(designator)) << designator;
                EXPECT_GE(PriorDay(entry.substr(8, 8)), 0) << entry;
                EXPECT_EQ(entry.substr(16), std::string(24, ' '));
                continue;
            }
            ++codes;
            const ToolboxCode* catalogued = FindToolboxCode(month_.PilotGroup(), code);
            ASSERT_NE(catalogued, nullptr) << code;
            EXPECT_EQ(entry.substr(2, 14), std::string(14, ' '));
            int first = PriorDay(entry.substr(16, 8));
            int last = PriorDay(entry.substr(28, 8));
            EXPECT_GE(first, 0) << entry;
            EXPECT_GE(last, first) << entry;
            EXPECT_EQ(Number(entry, 24, 4), catalogued->startTime);
            EXPECT_EQ(Number(entry, 36, 4), catalogued->endTime);
        }
        for (size_t k = 0; k < 89; ++k) {
            std::string value = Columns(line, 1249 + 4 * k, 4);
            EXPECT_EQ(value.find_first_not_of("0123456789"), std::string::npos) << value;
            EXPECT_LE(Number(value, 0, 4), 1440);
        }
    }
    EXPECT_GT(pairings, 0);
    EXPECT_GT(codes, 0);
}

TEST_P(SampleActivityTest, ActivityNamesRosterEmployeesAndTheWholeGroup) {
    std::set<int> roster;
    std::set<int> group;
    for (const std::string& line : Lines(RosterText(month_))) {
        roster.insert(Number(line, 0, 9));
    }
    for (const SampleEmployee& employee : month_.employees) {
        if (employee.selected) {
            group.insert(employee.number);
        }
    }
    std::set<int> named;
    int previous = 0;
    for (const std::string& line : activity_) {
        int number = Number(line, 0, 9);
        EXPECT_TRUE(roster.contains(number)) << number;
        EXPECT_GT(number, previous) << "one line per employee, in roster order";
        previous = number;
        named.insert(number);
    }
    for (int number : group) {
        EXPECT_TRUE(named.contains(number)) << number;
    }
    EXPECT_GT(named.size(), group.size()) << "a few lines of other crew, which the import skips";
}

TEST_P(SampleActivityTest, PriorLinesFollowTheColumns) {
    ASSERT_FALSE(prior_.empty());
    std::set<std::string> designators;
    for (const SamplePairing& pairing : month_.pairings) {
        designators.insert(Format("%c%04d", pairing.baseLetter, pairing.number));
    }
    for (const std::string& line : prior_) {
        ASSERT_EQ(line.size(), 1177u);
        EXPECT_TRUE(designators.contains(Columns(line, 0, 5))) << "a pairing of the base";
        EXPECT_EQ(line[5], ' ');
        int start = PriorDay(Columns(line, 14, 8));
        ASSERT_GE(start, 0) << line.substr(0, 30);
        EXPECT_EQ(Columns(line, 6, 8), Columns(line, 14, 8));
        int report = Number(line, 22, 4);
        int tafb = Number(line, 50, 8);
        int credit = Number(line, 44, 6);
        EXPECT_TRUE(report >= 0 && report < 1440) << report;
        EXPECT_GT(tafb, 0);
        EXPECT_GE(Number(line, 66, 4), 600);
        int end = start * 1440 + report + tafb;
        int duties = 0;
        int previousStart = -1;
        for (size_t j = 0; j < 31; ++j) {
            size_t at = 70 + 24 * j;
            if (Number(line, at, 4) == 0) {
                EXPECT_EQ(Columns(line, at, 8), "00000000");
                break;
            }
            ++duties;
            int day = TimelineDay(Columns(line, at, 8));
            ASSERT_GE(day, start) << "duty " << j << " of " << line.substr(0, 30);
            int dutyStart = day * 1440 + Number(line, at + 8, 4);
            EXPECT_GT(dutyStart, previousStart);
            EXPECT_LE(dutyStart, end);
            previousStart = dutyStart;
        }
        EXPECT_GT(duties, 0);
        int blockCredit = 0;
        for (size_t k = 0; k < 33; ++k) {
            size_t at = 814 + 11 * k;
            blockCredit += Number(line, at + 7, 4);
            if (k > static_cast<size_t>((report + tafb) / 1440)) {
                EXPECT_EQ(Columns(line, at, 11), "   00000000") << "no flying after the end";
            }
        }
        EXPECT_LE(blockCredit, credit);
    }
}

TEST_P(SampleActivityTest, EveryActivityPairingIsAPriorLine) {
    std::map<std::pair<std::string, std::string>, size_t> lines;
    for (size_t i = 0; i < prior_.size(); ++i) {
        EXPECT_TRUE(
            lines.emplace(std::pair(Columns(prior_[i], 0, 5), Columns(prior_[i], 6, 8)), i).second)
            << "one line per pairing and date";
    }
    std::set<size_t> used;
    for (const std::string& line : activity_) {
        for (size_t k = 0; k < 31; ++k) {
            std::string entry = Columns(line, 9 + 40 * k, 40);
            if (entry.substr(0, 2) != "  " || entry.substr(2, 5) == "     ") {
                continue;
            }
            auto found = lines.find({entry.substr(2, 5), entry.substr(8, 8)});
            ASSERT_NE(found, lines.end()) << entry;
            used.insert(found->second);
        }
    }
    EXPECT_EQ(used.size(), prior_.size()) << "the extract holds the pairings flown";
}

// The last 31 history values are the hard time of the pairings on each day,
// and no two activities of a crew member overlap.
TEST_P(SampleActivityTest, HistoryIsTheFlyingOfThePairings) {
    std::map<std::pair<std::string, std::string>, const std::string*> byKey;
    for (const std::string& line : prior_) {
        byKey[{Columns(line, 0, 5), Columns(line, 6, 8)}] = &line;
    }
    int carried = 0;
    for (const std::string& line : activity_) {
        std::vector<int> hard(kPriorDays, 0);
        int busyUntil = 0;
        for (size_t k = 0; k < 31; ++k) {
            std::string entry = Columns(line, 9 + 40 * k, 40);
            if (entry.substr(0, 2) == "  " && entry.substr(2, 5) == "     ") {
                break;
            }
            if (entry.substr(0, 2) != "  ") {
                int first = TimelineDay(entry.substr(16, 8));
                EXPECT_GE(first * 1440 + Number(entry, 24, 4), busyUntil) << entry;
                busyUntil = (TimelineDay(entry.substr(28, 8)) + 1) * 1440;
                continue;
            }
            const std::string& prior = *byKey.at({entry.substr(2, 5), entry.substr(8, 8)});
            int start = TimelineDay(Columns(prior, 14, 8));
            int report = start * 1440 + Number(prior, 22, 4);
            EXPECT_GE(report, busyUntil) << entry;
            busyUntil = report + Number(prior, 50, 8);
            carried += busyUntil > kPriorDays * 1440 ? 1 : 0;
            for (int day = start; day < kPriorDays; ++day) {
                hard[static_cast<size_t>(day)] +=
                    Number(prior, 814 + 11 * static_cast<size_t>(day - start) + 3, 4);
            }
        }
        for (size_t t = 0; t < kPriorDays; ++t) {
            EXPECT_EQ(Number(line, 1481 + 4 * t, 4), hard[t])
                << "day " << t << " of " << line.substr(0, 9);
        }
    }
    EXPECT_GT(carried, 0) << "some pairings run into the period";
}

INSTANTIATE_TEST_SUITE_P(Months, SampleActivityTest,
                         ::testing::Values(Group("CA", 4, 3), Group("FO", 1, 8),
                                           Group("FA", 11, 21)));

TEST(SampleActivityNamesTest, FilesCarryTheChoosersEndings) {
    struct Case {
        const char* status;
        const char* activity;
        const char* prior;
    };
    for (Case c :
         {Case{"CA", "2704actp.ext", "2704prgp.ext"}, Case{"FA", "2704actc.ext", "2704prgc.ext"}}) {
        SampleMonth month = BuildSampleMonth(Group(c.status, 4, 1));
        EXPECT_EQ(ActivityFileName(month), c.activity);
        EXPECT_EQ(PriorPairingFileName(month), c.prior);
    }
}

}  // namespace
}  // namespace tallow::sample
