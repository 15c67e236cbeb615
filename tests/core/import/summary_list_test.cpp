#include "core/import/summary_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scripted_desktop.h"

namespace tallow {
namespace {

using Lines = std::vector<std::string>;

TEST(SummaryListTest, EveryDotEndsALineAndTheTextAfterTheLastIsDropped) {
    const struct {
        const char* text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"no dot at all", {}},
        {"One. Two. ", {"One", " Two"}},
        {"One. Two. tail", {"One", " Two"}},
        {"One..Two.", {"One", "", "Two"}},
        {".", {""}},
        {"No Matching Code for ZZ. No Credit or Duty Info Recorded. ",
         {"No Matching Code for ZZ", " No Credit or Duty Info Recorded"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitSummaryText(c.text), c.lines) << '"' << c.text << '"';
    }
}

TEST(SummaryListTest, ListIsShownAndCopiedOneLinePerLine) {
    testing::ScriptedDesktop desktop;

    ShowSummaryList(desktop, "Warnings from Absences Extract Load", "First. Second. Third. tail");

    ASSERT_EQ(desktop.lists.size(), 1u);
    EXPECT_EQ(desktop.lists[0].title, "Warnings from Absences Extract Load");
    EXPECT_EQ(desktop.lists[0].lines, (Lines{"First", " Second", " Third"}));
    EXPECT_EQ(desktop.clipboard, "First\n Second\n Third");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST(SummaryListTest, ClipboardFailureIsToldAndTheListStillShown) {
    testing::ScriptedDesktop desktop;
    desktop.FailClipboard();

    ShowSummaryList(desktop, "Title", "Only line.");

    EXPECT_EQ(desktop.MessageTexts(), (Lines{"Error Copying to Windows Clipboard."}));
    ASSERT_EQ(desktop.lists.size(), 1u);
    EXPECT_EQ(desktop.lists[0].lines, (Lines{"Only line"}));
}

}  // namespace
}  // namespace tallow
