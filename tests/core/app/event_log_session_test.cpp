#include "core/app/event_log_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace tallow {
namespace {

using testing::ScriptedDesktop;
using testing::TempFolder;

std::string AbnormalMessage(const std::string& name) {
    return "Tallowbright did not shut down normally. A file named " + name +
           " contains a log of the last program run. Tallowbright will now continue";
}

// The machine's files, except that renaming fails.
class NoRenameFiles final : public FileSystem {
  public:
    bool ReadFile(const std::string& path, std::string& contents) override {
        return LocalFiles().ReadFile(path, contents);
    }
    WriteStatus WriteFileAtomically(const std::string& path, std::string_view bytes) override {
        return LocalFiles().WriteFileAtomically(path, bytes);
    }
    bool Exists(const std::string& path) override { return LocalFiles().Exists(path); }
    bool MakeDirectories(const std::string& path) override {
        return LocalFiles().MakeDirectories(path);
    }
    bool Rename(const std::string&, const std::string&) override { return false; }
};

DateTime FifthOfMarchAt0907() {
    DateTime now;
    now.date = Date::FromDmy(5, 3, 2025);
    now.hour = 9;
    now.minute = 7;
    now.second = 41;
    return now;
}

class EventLogSessionTest : public ::testing::Test {
  protected:
    std::string LogFolder() const { return root_ / "JXDebug"; }
    std::string LogPath() const { return LogFolder() + "/JXDebug.txt"; }
    void WritePreviousLog(const std::string& text) {
        std::filesystem::create_directories(LogFolder());
        TempFolder::Write(LogPath(), text);
    }
    bool Open() { return OpenEventLog(log_, LogFolder(), LocalFiles(), clock_, desktop_); }

    TempFolder root_;
    FixedClock clock_{FifthOfMarchAt0907()};
    ScriptedDesktop desktop_;
    EventLog log_;
};

TEST_F(EventLogSessionTest, FirstRunCreatesFolderAndEmptyLog) {
    ASSERT_TRUE(Open());
    EXPECT_TRUE(log_.IsOpen());
    EXPECT_TRUE(desktop_.messages.empty());
    EXPECT_TRUE(std::filesystem::exists(LogPath()));
}

TEST_F(EventLogSessionTest, PreviousLogWithoutAbnormalEndIsStartedAfresh) {
    const std::string cases[] = {
        "BuildBlocksBegin\nTallowbright Termination Normal\n",
        "Termination somewhere in the middle\nAssignPair 8101 to SMITH on 5\n",
        "X",
        "",
    };
    for (const std::string& previous : cases) {
        SCOPED_TRACE(previous);
        WritePreviousLog(previous);
        ASSERT_TRUE(Open());
        log_.Close();
        EXPECT_TRUE(desktop_.messages.empty());
        EXPECT_EQ(TempFolder::Read(LogPath()), "");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(LogFolder()),
                                std::filesystem::directory_iterator()),
                  1)
            << "nothing but the new log";
    }
}

TEST_F(EventLogSessionTest, AbnormalPreviousLogIsKeptUnderItsDatedName) {
    WritePreviousLog("BuildBlocksBegin\nAssignPair 8101 to SMITH on 5\n");
    ASSERT_TRUE(Open());
    std::string dated = LogFolder() + "/JXDebug 5 MAR 2025 at 0907.txt";
    EXPECT_EQ(TempFolder::Read(dated), "BuildBlocksBegin\nAssignPair 8101 to SMITH on 5\n");
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_EQ(desktop_.messages[0].text, AbnormalMessage(dated));
    EXPECT_EQ(desktop_.messages[0].caption, "Tallowbright");
    EXPECT_EQ(desktop_.messages[0].icon, MessageIcon::Stop);
    log_.Write("SaveBlksBegin\n");
    EXPECT_EQ(TempFolder::Read(LogPath()), "SaveBlksBegin\n");
}

TEST_F(EventLogSessionTest, SecondAbnormalEndInTheSameMinuteKeepsBothCopies) {
    WritePreviousLog("first crash\n");
    ASSERT_TRUE(Open());
    log_.Write("second crash\n");
    log_.Close();
    ASSERT_TRUE(Open());
    std::string first = LogFolder() + "/JXDebug 5 MAR 2025 at 0907.txt";
    std::string second = LogFolder() + "/JXDebug 5 MAR 2025 at 0907 (2).txt";
    EXPECT_EQ(TempFolder::Read(first), "first crash\n");
    EXPECT_EQ(TempFolder::Read(second), "second crash\n");
    ASSERT_EQ(desktop_.messages.size(), 2u);
    EXPECT_EQ(desktop_.messages[1].text, AbnormalMessage(second));
}

TEST_F(EventLogSessionTest, DatedNameHasTwoDigitTimeAndUndecoratedDay) {
    DateTime late;
    late.date = Date::FromDmy(31, 12, 1999);
    late.hour = 23;
    late.minute = 59;
    clock_.Set(late);
    WritePreviousLog("no end line");
    ASSERT_TRUE(Open());
    EXPECT_TRUE(std::filesystem::exists(LogFolder() + "/JXDebug 31 DEC 1999 at 2359.txt"));
}

TEST_F(EventLogSessionTest, FolderThatCannotBeCreatedLeavesTheLogClosed) {
    TempFolder::Write(root_ / "JXDebug", "a file where the folder should be");
    EXPECT_FALSE(Open());
    EXPECT_FALSE(log_.IsOpen());
    log_.Write("AssignPair 8101 to SMITH on 5\n");
    CloseEventLog(log_);
    EXPECT_TRUE(desktop_.messages.empty());
    EXPECT_EQ(TempFolder::Read(root_ / "JXDebug"), "a file where the folder should be");
}

TEST_F(EventLogSessionTest, LogFileThatCannotBeCreatedLeavesTheLogClosed) {
    std::filesystem::create_directories(LogPath());
    EXPECT_FALSE(Open());
    EXPECT_FALSE(log_.IsOpen());
    EXPECT_TRUE(desktop_.messages.empty());
}

TEST_F(EventLogSessionTest, AbnormalLogThatCannotBeMovedIsNotOverwritten) {
    WritePreviousLog("AssignPair 8101 to SMITH on 5\n");
    NoRenameFiles files;
    EXPECT_FALSE(OpenEventLog(log_, LogFolder(), files, clock_, desktop_));
    EXPECT_FALSE(log_.IsOpen());
    EXPECT_TRUE(desktop_.messages.empty());
    EXPECT_EQ(TempFolder::Read(LogPath()), "AssignPair 8101 to SMITH on 5\n");
}

TEST_F(EventLogSessionTest, CloseWritesTheTerminationLineThatTheNextStartLooksFor) {
    ASSERT_TRUE(Open());
    log_.Write("BuildBlocksBegin\n");
    CloseEventLog(log_);
    EXPECT_FALSE(log_.IsOpen());
    EXPECT_EQ(TempFolder::Read(LogPath()), "BuildBlocksBegin\nTallowbright Termination Normal\n");
    ASSERT_TRUE(Open());
    EXPECT_TRUE(desktop_.messages.empty());
}

}  // namespace
}  // namespace tallow
