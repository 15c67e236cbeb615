// The LIS listing read the way the scan reads it: the text after the printer
// header, each pairing's block from the last occurrence of its designator to
// past its "MEALS CAD:" line, and the flight number a fixed distance before
// each aircraft-type marker.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <string_view>

#include "core/model/text_format.h"
#include "sample/airports.h"
#include "sample/lis_writer.h"
#include "sample/sample_files.h"
#include "sample_text.h"

namespace tallow::sample {
namespace {

constexpr std::array<std::string_view, 4> kMarkers = {"CRA [", "CRJ [", "DH1 [", "E75 ["};
constexpr size_t kMealsCadReach = 17;

SampleOptions Group(const char* status, const char* equipment, uint64_t seed) {
    SampleOptions options;
    options.status = status;
    options.equipment = equipment;
    options.seed = seed;
    options.employees = 80;
    options.pairings = 60;
    return options;
}

std::string Designator(const SamplePairing& pairing) {
    return Format("%c%04d", pairing.baseLetter, pairing.number);
}

// The text the scan takes from a file: from the smallest offset of 2500,
// 2400, ..., 0 down to which every offset reaches 5000 characters before a
// zero byte.
std::string ReadableText(const std::string& file) {
    auto reaches = [&](size_t offset) {
        if (offset > file.size()) {
            return false;
        }
        size_t zero = file.find('\0', offset);
        return (zero == std::string::npos ? file.size() : zero) - offset > 4999;
    };
    if (!reaches(2500)) {
        return {};
    }
    size_t start = 2500;
    while (start >= 100 && reaches(start - 100)) {
        start -= 100;
    }
    return file.substr(start);
}

// From the last occurrence of the designator to 17 past the "MEALS CAD:"
// that follows; empty when there is none.
std::string Block(const std::string& text, const std::string& designator) {
    size_t at = text.rfind(designator);
    if (at == std::string::npos) {
        return {};
    }
    size_t meals = text.find("MEALS CAD:", at);
    if (meals == std::string::npos) {
        return {};
    }
    return text.substr(at, meals + kMealsCadReach - at);
}

bool TouchesUs(const SamplePairing& pairing) {
    for (const SampleDuty& duty : pairing.duties) {
        for (const SampleLeg& leg : duty.legs) {
            for (const std::string& code : {leg.from, leg.to}) {
                const Airport* airport = FindAirport(code);
                if (airport != nullptr && std::string_view(airport->country) == "USA") {
                    return true;
                }
            }
        }
    }
    return false;
}

class SampleLisTest : public ::testing::TestWithParam<SampleOptions> {
  protected:
    void SetUp() override {
        month_ = BuildSampleMonth(GetParam());
        file_ = LisText(month_);
        text_ = ReadableText(file_);
    }
    SampleMonth month_;
    std::string file_;
    std::string text_;
};

TEST_P(SampleLisTest, HeaderIsNoTextAndTheTextFollowsIt) {
    ASSERT_GE(file_.size(), kLisMinBytes);
    EXPECT_EQ(file_[kLisHeaderBytes - 1], '\0');
    EXPECT_EQ(file_.find('\0', kLisHeaderBytes), std::string::npos);
    EXPECT_EQ(text_.size(), file_.size() - kLisHeaderBytes) << "the scan starts right after it";
    EXPECT_TRUE(text_.starts_with("VELLUMIX"));
}

TEST_P(SampleLisTest, EveryPairingHasItsBlock) {
    int french = 0;
    int us = 0;
    std::array<int, kMarkers.size()> markers{};
    for (const SamplePairing& pairing : month_.pairings) {
        std::string designator = Designator(pairing);
        std::string block = Block(text_, designator);
        ASSERT_GT(block.size(), 5u) << designator << " has no block";
        EXPECT_TRUE(block.starts_with(designator + "   " + pairing.base + " " + pairing.equipment));
        EXPECT_EQ(block.find("PAIRING", 1), std::string::npos) << "one pairing per block";
        french += block.find("FRENCH") != std::string::npos ? 1 : 0;
        size_t meals = block.find("MEALS US:");
        EXPECT_EQ(meals != std::string::npos, TouchesUs(pairing)) << designator;
        if (meals != std::string::npos) {
            ++us;
            // The scan copies the US line up to the block's second-to-last character.
            EXPECT_EQ(block.size() - 1 - meals, 34u) << block.substr(meals);
        }
        for (size_t m = 0; m < kMarkers.size(); ++m) {
            for (size_t at = block.find(kMarkers[m]); at != std::string::npos;
                 at = block.find(kMarkers[m], at + 1)) {
                ++markers[m];
            }
        }
    }
    EXPECT_GT(french, 0);
    EXPECT_GT(us, 0);
    EXPECT_GT(markers[0], 0) << "CRA legs";
    EXPECT_GT(markers[1] + markers[2] + markers[3], 0) << "legs of the month's own types";
}

// The flight number sits 71 columns before the marker in pilot listings and
// 63 in cabin-crew ones, and is the number of one of the pairing's legs.
TEST_P(SampleLisTest, FlightNumberSitsBeforeEachMarker) {
    size_t distance = month_.PilotGroup() ? 71 : 63;
    int checked = 0;
    for (const SamplePairing& pairing : month_.pairings) {
        std::set<std::string> flights;
        for (const SampleDuty& duty : pairing.duties) {
            for (const SampleLeg& leg : duty.legs) {
                flights.insert(Format("%4d", leg.flightNumber));
            }
        }
        std::string block = Block(text_, Designator(pairing));
        for (std::string_view marker : kMarkers) {
            for (size_t at = block.find(marker); at != std::string::npos;
                 at = block.find(marker, at + 1)) {
                ASSERT_GT(at, distance);
                EXPECT_TRUE(flights.contains(block.substr(at - distance, 4)))
                    << Designator(pairing) << ": '" << block.substr(at - distance, 4) << "'";
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(Months, SampleLisTest,
                         ::testing::Values(Group("CA", "CRJ", 2), Group("FO", "E75", 5),
                                           Group("FA", "DH8", 9)));

// A size asked for is the file's size; the month's own part stays as it was
// and no listing after it carries one of its designators, so a scan of the
// big file finds what it finds in the small one.
TEST(SampleLisSizeTest, FillsToTheSizeWithOtherBases) {
    SampleOptions options = Group("CA", "DH8", 4);
    SampleMonth natural = BuildSampleMonth(options);
    std::string small = LisText(natural);
    size_t ownEnd = 0;
    for (const SamplePairing& pairing : natural.pairings) {
        size_t at = small.rfind(Designator(pairing));
        ASSERT_NE(at, std::string::npos);
        ownEnd = std::max(ownEnd, small.find("MEALS CAD:", at) + kMealsCadReach);
    }
    for (size_t size : {size_t{400000}, size_t{6000000}}) {
        options.lisBytes = size;
        SampleMonth month = BuildSampleMonth(options);
        std::string big = LisText(month);
        ASSERT_EQ(big.size(), size);
        EXPECT_EQ(big.find('\0', kLisHeaderBytes), std::string::npos);
        EXPECT_EQ(big.compare(0, ownEnd, small, 0, ownEnd), 0);
        for (const SamplePairing& pairing : month.pairings) {
            EXPECT_EQ(big.find(Designator(pairing), ownEnd), std::string::npos)
                << Designator(pairing);
        }
        EXPECT_NE(big.find("PAIRING ", ownEnd), std::string::npos)
            << "other bases' listings fill it";
    }
}

TEST(SampleLisSizeTest, SmallMonthStillGivesTheScanEnoughText) {
    SampleOptions options = Group("FA", "DH8", 6);
    options.employees = 1;
    options.pairings = 1;
    SampleMonth month = BuildSampleMonth(options);
    std::string file = LisText(month);
    EXPECT_GE(ReadableText(file).size(), 5000u);
    for (const SamplePairing& pairing : month.pairings) {
        EXPECT_FALSE(Block(ReadableText(file), Designator(pairing)).empty());
    }
}

TEST(SampleLisSizeTest, NameHoldsTheMonthAndOptionsRefuseAHugeSize) {
    SampleOptions options = Group("CA", "DH8", 1);
    options.month = 12;
    EXPECT_EQ(LisFileName(BuildSampleMonth(options)), "LISDEC27.LIS");
    options.lisBytes = kMaxLisBytes;
    EXPECT_EQ(CheckOptions(options), "");
    options.lisBytes = kMaxLisBytes + 1;
    EXPECT_NE(CheckOptions(options), "");
}

}  // namespace
}  // namespace tallow::sample
