// The pilot bid file split the way the import splits it: a bid from its
// quoted six-digit number to the next "end_x_bid", fields between the
// separators "\",\"", day lists checked against the month and the
// employee's absences; and the flawed bids are flawed the way they claim.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/model/text_format.h"
#include "sample/bids_writer.h"
#include "sample/roster_writer.h"
#include "sample/sample_files.h"
#include "sample_text.h"

namespace tallow::sample {
namespace {

using testing::Lines;
using testing::Number;

constexpr std::string_view kSeparator = "\",\"";

SampleOptions Group(const char* status, int month, uint64_t seed) {
    SampleOptions options;
    options.status = status;
    options.month = month;
    options.seed = seed;
    options.employees = 70;
    return options;
}

// The fields of a bid as the import cuts them: field 0 from the number,
// each next one three characters after a separator; the text after the
// last separator is left out, as the import takes eight characters of it.
std::vector<std::string> Fields(const std::string& bid) {
    std::vector<std::string> fields;
    size_t start = 1;
    for (size_t at = bid.find(kSeparator); at != std::string::npos;
         at = bid.find(kSeparator, start)) {
        fields.push_back(bid.substr(start, at - start));
        start = at + kSeparator.size();
    }
    return fields;
}

std::vector<std::string> Items(const std::string& list) {
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t comma = list.find(',');; comma = list.find(',', start)) {
        items.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos) {
            return items;
        }
        start = comma + 1;
    }
}

// The period day indexes a well-formed list names, the way the import finds
// them; -1 for a day it cannot place.
std::vector<int> ListDays(const SampleMonth& month, const std::string& list) {
    std::vector<int> days;
    for (const std::string& item : Items(list)) {
        bool next = item.starts_with("+");
        int day = std::stoi(next ? item.substr(1) : item);
        int found = -1;
        for (int index = next ? month.dayCount : 0; index < (next ? 62 : month.dayCount); ++index) {
            if (month.DayDate(index).Day() == day) {
                found = index;
                break;
            }
        }
        days.push_back(found);
    }
    return days;
}

class SampleBidsTest : public ::testing::TestWithParam<SampleOptions> {
  protected:
    void SetUp() override {
        month_ = BuildSampleMonth(GetParam());
        bids_ = BuildBids(month_);
        text_ = BidsText(bids_);
    }

    // The text of the bid of `number`, as the import finds it.
    std::string BidOf(int number) const {
        std::string key = Format("\"%06d\",", number);
        size_t at = text_.find(key);
        if (at == std::string::npos) {
            return {};
        }
        size_t end = text_.find("end_x_bid", at);
        return end == std::string::npos ? std::string() : text_.substr(at, end - at);
    }

    SampleMonth month_;
    std::vector<SampleBid> bids_;
    std::string text_;
};

TEST_P(SampleBidsTest, BidsAreOfTheGroupAndFoundByTheirNumber) {
    ASSERT_GE(bids_.size(), 6u);
    std::set<int> roster;
    for (const std::string& line : Lines(RosterText(month_))) {
        roster.insert(Number(line, 0, 9));
    }
    std::vector<std::string> lines = Lines(text_);
    ASSERT_EQ(lines.size(), bids_.size() + 1) << "a heading row, then a row per bid";
    EXPECT_EQ(Fields(lines[0] + "\",\"").size(), kBidFields);
    std::set<size_t> bidders;
    for (size_t i = 0; i < bids_.size(); ++i) {
        const SampleBid& bid = bids_[i];
        const SampleEmployee& employee = month_.employees[bid.employee];
        EXPECT_TRUE(employee.selected);
        EXPECT_TRUE(roster.contains(employee.number));
        EXPECT_TRUE(bidders.insert(bid.employee).second) << "one bid per employee";
        std::string key = Format("\"%06d\",", employee.number);
        EXPECT_TRUE(lines[i + 1].starts_with(key));
        EXPECT_EQ(text_.find(key), text_.rfind(key)) << "the number occurs once";
        EXPECT_TRUE(lines[i + 1].ends_with(",\"end_x_bid\""));
    }
}

TEST_P(SampleBidsTest, FieldsAreWholeUnlessCutShort) {
    for (const SampleBid& bid : bids_) {
        std::string text = BidOf(month_.employees[bid.employee].number);
        ASSERT_FALSE(text.empty());
        std::vector<std::string> fields = Fields(text);
        if (bid.flaw == BidFlaw::Incomplete) {
            EXPECT_LT(fields.size(), kBidFields - 1) << text;
            continue;
        }
        ASSERT_EQ(fields.size(), kBidFields) << "35 fields and the end field after them";
        for (size_t k = 0; k + 1 < kBidFields; ++k) {
            EXPECT_EQ(fields[k], bid.fields[k]) << "field " << k;
        }
        EXPECT_EQ(fields[34].size(), 8u) << "the submission time the import takes";
        EXPECT_EQ(fields[0], Format("%06d", month_.employees[bid.employee].number));
        EXPECT_EQ(fields[19].starts_with("R"), bid.reserve);
        for (const std::string& field : fields) {
            EXPECT_EQ(field.find('"'), std::string::npos);
        }
    }
}

// Well-formed lists name free days of the employee, at most nine, with "+"
// for the next month; a flawed list fails the way its flaw says.
TEST_P(SampleBidsTest, DayListsNameFreeDays) {
    for (const SampleBid& bid : bids_) {
        if (bid.flaw == BidFlaw::Incomplete) {
            continue;
        }
        std::vector<int> gdo;
        std::vector<int> pdo;
        for (BidField field : {BidField::Gdo, BidField::Pdo1, BidField::Pdo2}) {
            const std::string& list = bid.Field(field);
            std::vector<std::string> items = Items(list);
            bool tooMany = items.size() > static_cast<size_t>(kMaxBidListDays);
            bool badDay = false;
            for (const std::string& item : items) {
                ASSERT_FALSE(item.empty()) << list;
                int day = std::stoi(item.starts_with("+") ? item.substr(1) : item);
                badDay = badDay || day < 1 || day > 31;
            }
            bool gdoField = field == BidField::Gdo;
            EXPECT_EQ(badDay, bid.flaw == BidFlaw::BadDay && gdoField) << list;
            EXPECT_EQ(tooMany, bid.flaw == BidFlaw::TooManyDays && field == BidField::Pdo1) << list;
            if (badDay || tooMany) {
                continue;
            }
            std::vector<int> days = ListDays(month_, list);
            (gdoField ? gdo : pdo).insert((gdoField ? gdo : pdo).end(), days.begin(), days.end());
        }
        std::vector<int> wantedGdo = bid.gdoDays;
        std::vector<int> wantedPdo = bid.pdoDays;
        std::sort(gdo.begin(), gdo.end());
        std::sort(pdo.begin(), pdo.end());
        std::sort(wantedGdo.begin(), wantedGdo.end());
        std::sort(wantedPdo.begin(), wantedPdo.end());
        EXPECT_EQ(gdo, wantedGdo);
        EXPECT_EQ(pdo, wantedPdo);
        for (int day : gdo) {
            ASSERT_GE(day, 0);
            for (const SampleAbsence& absence : month_.absences[bid.employee]) {
                EXPECT_FALSE(day >= absence.firstDay && day <= absence.lastDay) << day;
            }
        }
        for (int day : pdo) {
            ASSERT_GE(day, 0);
            for (const SampleAbsence& absence : month_.absences[bid.employee]) {
                EXPECT_FALSE(day >= absence.firstDay && day <= absence.lastDay) << day;
            }
        }
    }
}

TEST_P(SampleBidsTest, FileHoldsEveryKindOfBid) {
    std::set<BidFlaw> flaws;
    int reserve = 0;
    int nextMonth = 0;
    for (const SampleBid& bid : bids_) {
        flaws.insert(bid.flaw);
        reserve += bid.reserve ? 1 : 0;
        nextMonth += bid.flaw != BidFlaw::Incomplete &&
                             bid.Field(BidField::Gdo).find('+') != std::string::npos
                         ? 1
                         : 0;
    }
    EXPECT_EQ(flaws.size(), 4u);
    EXPECT_GT(reserve, 0);
    EXPECT_GT(nextMonth, 0);
    EXPECT_LT(bids_.size(), static_cast<size_t>(month_.SelectedEmployees())) << "some do not bid";
}

INSTANTIATE_TEST_SUITE_P(Months, SampleBidsTest,
                         ::testing::Values(Group("CA", 1, 2), Group("FO", 4, 7),
                                           Group("CA", 12, 13)));

TEST(SampleBidsCabinTest, CabinCrewHasNoBidFile) {
    SampleMonth month = BuildSampleMonth(Group("FA", 4, 2));
    EXPECT_TRUE(BuildBids(month).empty());
    for (const SampleFile& file : AllSampleFiles(month)) {
        EXPECT_FALSE(file.name.ends_with(".csv")) << file.name;
    }
    EXPECT_EQ(BidsFileName(BuildSampleMonth(Group("CA", 4, 2))), "bids2704.csv");
}

}  // namespace
}  // namespace tallow::sample
