#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "core/platform/desktop.h"
#include "core/platform/progress_dialog.h"
#include "support/scripted_desktop.h"

namespace tallow {
namespace {

using testing::ScriptedDesktop;

TEST(ScriptedDesktopTest, AnswersQuestionsInQueueOrderAndRecordsThem) {
    ScriptedDesktop desktop;
    desktop.Answer(Answer::Yes);
    desktop.Answer(Answer::Cancel);
    EXPECT_TRUE(AskYesNo(desktop, "Load anyway?", "Tallowbright"));
    EXPECT_EQ(AskYesNoCancel(desktop, "Save changes?", "Tallowbright"), Answer::Cancel);
    ShowInfo(desktop, "Done", "Tallowbright", MessageIcon::Information);
    ASSERT_EQ(desktop.messages.size(), 3u);
    EXPECT_EQ(desktop.messages[1].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(desktop.messages[2].icon, MessageIcon::Information);
}

TEST(ScriptedDesktopTest, UnexpectedQuestionFailsTheTestAndAnswersNo) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDesktop desktop;
            EXPECT_FALSE(AskYesNo(desktop, "Erase everything?", "Tallowbright"));
        },
        "unexpected question \"Erase everything?\"");
}

TEST(ScriptedDesktopTest, UnusedAnswersFailTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDesktop desktop;
            desktop.Answer(Answer::Yes);
        },
        "never asked for");
}

TEST(ScriptedDesktopTest, WaitCursorIsBalanced) {
    ScriptedDesktop desktop;
    {
        WaitCursor wait(desktop);
        EXPECT_EQ(desktop.waitCursorDepth, 1);
    }
    EXPECT_EQ(desktop.waitCursorDepth, 0);
}

TEST(ProgressDialogTest, GaugeAndTextFollowTheValue) {
    ScriptedDesktop desktop;
    {
        ProgressDialog progress(desktop, "Loading PRG Pairings", "Completed %d of %d", 0, 200);
        progress.Update(0);
        progress.Update(99);
        progress.Update(199);
        progress.Update(250);
    }
    ASSERT_EQ(desktop.progress.size(), 1u);
    const testing::ProgressRecord& record = desktop.progress.front();
    EXPECT_EQ(record.title, "Loading PRG Pairings");
    ASSERT_EQ(record.updates.size(), 4u);
    EXPECT_EQ(record.updates[0], std::make_pair(std::string("Completed 0 of 200"), 0));
    // 99 * 100.5 / 200 = 49.7; 199 * 100.5 / 200 = 99.99: whole parts, capped at 100.
    EXPECT_EQ(record.updates[1].second, 49);
    EXPECT_EQ(record.updates[2].second, 99);
    EXPECT_EQ(record.updates[3].second, 100);
    EXPECT_TRUE(record.closed);
}

}  // namespace
}  // namespace tallow
