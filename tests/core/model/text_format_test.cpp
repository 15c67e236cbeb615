#include "core/model/text_format.h"

#include <gtest/gtest.h>

#include <string>

namespace tallow {
namespace {

TEST(FormatTest, FormatsShortAndLongTextsWhole) {
    EXPECT_EQ(Format("Pair %04d  %s", 8101, "ok"), "Pair 8101  ok");
    EXPECT_EQ(Format("%s", ""), "");
    // Texts around and far beyond any internal buffer come out whole.
    for (size_t length : {254u, 255u, 256u, 257u, 1000u, 70000u}) {
        const std::string text(length, 'x');
        EXPECT_EQ(Format("<%s>", text.c_str()), "<" + text + ">") << length;
    }
}

}  // namespace
}  // namespace tallow
