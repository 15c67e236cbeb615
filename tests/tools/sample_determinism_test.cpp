// A seed always gives the same files, byte for byte; another seed gives
// another month.

#include <gtest/gtest.h>

#include "sample/rng.h"
#include "sample/sample_files.h"
#include "sample/sample_month.h"

namespace tallow::sample {
namespace {

std::vector<SampleFile> Files(uint64_t seed, const char* status) {
    SampleOptions options;
    options.seed = seed;
    options.status = status;
    options.month = 11;
    options.dst = true;
    return SampleFiles(BuildSampleMonth(options));
}

TEST(SampleDeterminismTest, SameSeedSameBytes) {
    for (const char* status : {"CA", "FA"}) {
        std::vector<SampleFile> first = Files(42, status);
        std::vector<SampleFile> second = Files(42, status);
        ASSERT_EQ(first.size(), 4u);
        ASSERT_EQ(first.size(), second.size());
        for (size_t i = 0; i < first.size(); ++i) {
            EXPECT_EQ(first[i].name, second[i].name);
            EXPECT_FALSE(first[i].text.empty()) << first[i].name;
            EXPECT_TRUE(first[i].text == second[i].text) << first[i].name;
        }
    }
}

TEST(SampleDeterminismTest, OtherSeedOtherMonth) {
    std::vector<SampleFile> first = Files(42, "FO");
    std::vector<SampleFile> second = Files(43, "FO");
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        if (first[i].name.ends_with(".box")) {
            EXPECT_TRUE(first[i].text == second[i].text) << "the catalogue is the airline's own";
        } else {
            EXPECT_FALSE(first[i].text == second[i].text) << first[i].name;
        }
    }
}

// The generator's stream is splitmix64 as published, so months do not
// depend on the platform's standard library.
TEST(SampleDeterminismTest, RandomStreamIsSplitMix64) {
    Rng rng(0);
    EXPECT_EQ(rng.Next(), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(rng.Next(), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(rng.Next(), 0x06C45D188009454FULL);
    EXPECT_EQ(rng.Next(), 0xF88BB8A8724C81ECULL);
}

TEST(SampleDeterminismTest, RandomDrawsStayInRange) {
    Rng rng(7);
    for (int i = 0; i < 1000; ++i) {
        int value = rng.Between(-3, 4);
        EXPECT_TRUE(value >= -3 && value <= 4) << value;
        EXPECT_EQ(rng.Step(300, 540, 5) % 5, 0);
    }
    EXPECT_EQ(rng.Below(0), 0);
}

}  // namespace
}  // namespace tallow::sample
