// The whole set of files: a seed gives the same bytes every time, the
// month's first four files are those of the smaller set, and a bigger LIS
// listing changes no other file.

#include <gtest/gtest.h>

#include "sample/sample_files.h"
#include "sample/sample_month.h"

namespace tallow::sample {
namespace {

SampleOptions Group(const char* status, uint64_t seed) {
    SampleOptions options;
    options.status = status;
    options.seed = seed;
    options.month = 3;
    options.dst = true;
    return options;
}

TEST(SampleAllFilesTest, SameSeedSameBytesAndTheFirstFilesUnchanged) {
    struct Case {
        const char* status;
        std::vector<const char*> names;
    };
    for (const Case& c :
         {Case{"CA", {"2703actp.ext", "2703prgp.ext", "LISMAR27.LIS", "bids2703.csv"}},
          Case{"FA", {"2703actc.ext", "2703prgc.ext", "LISMAR27.LIS"}}}) {
        SampleMonth month = BuildSampleMonth(Group(c.status, 42));
        std::vector<SampleFile> all = AllSampleFiles(month);
        std::vector<SampleFile> again = AllSampleFiles(BuildSampleMonth(Group(c.status, 42)));
        std::vector<SampleFile> first = SampleFiles(month);
        ASSERT_EQ(all.size(), first.size() + c.names.size());
        ASSERT_EQ(all.size(), again.size());
        for (size_t i = 0; i < all.size(); ++i) {
            EXPECT_EQ(all[i].name, again[i].name);
            EXPECT_FALSE(all[i].text.empty()) << all[i].name;
            EXPECT_TRUE(all[i].text == again[i].text) << all[i].name;
            if (i < first.size()) {
                EXPECT_EQ(all[i].name, first[i].name);
                EXPECT_TRUE(all[i].text == first[i].text) << all[i].name;
            } else {
                EXPECT_EQ(all[i].name, c.names[i - first.size()]);
            }
        }
    }
}

TEST(SampleAllFilesTest, OtherSeedOtherFiles) {
    std::vector<SampleFile> first = AllSampleFiles(BuildSampleMonth(Group("FO", 42)));
    std::vector<SampleFile> second = AllSampleFiles(BuildSampleMonth(Group("FO", 43)));
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 4; i < first.size(); ++i) {
        EXPECT_FALSE(first[i].text == second[i].text) << first[i].name;
    }
}

TEST(SampleAllFilesTest, ListingSizeChangesOnlyTheListing) {
    SampleOptions options = Group("CA", 5);
    std::vector<SampleFile> natural = AllSampleFiles(BuildSampleMonth(options));
    options.lisBytes = 250000;
    std::vector<SampleFile> big = AllSampleFiles(BuildSampleMonth(options));
    ASSERT_EQ(natural.size(), big.size());
    for (size_t i = 0; i < natural.size(); ++i) {
        if (natural[i].name.ends_with(".LIS")) {
            EXPECT_EQ(big[i].text.size(), 250000u);
        } else {
            EXPECT_TRUE(natural[i].text == big[i].text) << natural[i].name;
        }
    }
}

}  // namespace
}  // namespace tallow::sample
