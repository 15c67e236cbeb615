#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <memory>
#include <string>

#include "core/files/schedule_file.h"
#include "core/model/schedule.h"
#include "core/platform/file_system.h"
#include "sample_records.h"
#include "support/memory_files.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace tallow {
namespace {

using testing::MemoryFiles;
using testing::ScriptedDesktop;
using testing::TempFolder;

constexpr const char* kCannotCreate =
    "Unable to create file. File may be Read Only or In use by Another Application. Use Save As "
    "to Save as a new name";
constexpr const char* kWriteFailed =
    "Error Saving File. Disk may be Full. Try Saving to Another Location";

std::unique_ptr<TSchedule> ResetSchedule() {
    auto schedule = std::make_unique<TSchedule>();
    schedule->DeleteAll();
    return schedule;
}

void SetShortText(std::array<char, 6>& target, std::string_view text) {
    target.fill('\0');
    text.copy(target.data(), std::min<size_t>(text.size(), 5));
}

// Every stored field holds a value of its own.
void FillDistinct(TSchedule& s) {
    s.scheduleTitle = "YYZCRJFOT";
    for (size_t w = 0; w < s.setup.size(); ++w) {
        s.setup[w] = 1000 + static_cast<int32_t>(w);
    }
    s.firstWeekday = 4;
    s.dayCount = 30;
    s.setup[kSetupFirstWeekday] = 4;
    s.setup[kSetupDayCount] = 30;
    for (int32_t k = 0; k < s.dayCount; ++k) {
        auto i = static_cast<size_t>(k);
        s.days[i] = {k + 1, 6, 2025};
        s.dayNames[i] = {'D', static_cast<char>('A' + k % 26), static_cast<char>('0' + k % 10)};
        s.weekend[i] = k % 7 >= 5 ? 1 : 0;
    }
    s.employeeCount = 3;
    for (size_t i = 0; i < 3; ++i) {
        s.employees[i] = testing::DistinctPilot(static_cast<int>(i));
    }
    s.lastPairing = 4;
    s.lastImportedPairing = 3;
    for (size_t i = 0; i < 5; ++i) {
        s.pairings[i] = testing::DistinctPair(static_cast<int>(i));
    }
    std::array<char, 10> month{};
    std::string_view("JUNE").copy(month.data(), 4);
    s.monthName = month;
    std::array<char, 10> year{};
    std::string_view("2025").copy(year.data(), 4);
    s.yearText = year;
    SetShortText(s.reservedShortTexts[0], "ab");
    SetShortText(s.reservedShortTexts[1], "wxyz");
    for (size_t k = 0; k < s.previousDays.size(); ++k) {
        s.previousDays[k] = {static_cast<int32_t>(k) + 1, 5, 2025};
    }
    s.scheduleMonth = 6;
    s.boardBuilt = 1;
    s.showAssignedPairings = 0;
    s.reservedWord = 4242;
    s.crewGroup = CrewGroup::FirstOfficers;
    s.undoHistory.Record(2, 4, 7, ActionKind::Assigned);
    s.undoHistory.Record(1, 3, 9, ActionKind::Removed);
    for (size_t i = 0; i < s.reservedFlags.size(); ++i) {
        s.reservedFlags[i] = i % 2 == 0 ? 1 : 0;
    }
    s.reservedTexts = {"first", "second", "third"};
    s.searchActive = 0;
    for (size_t i = 0; i < s.pairingFilters.size(); ++i) {
        s.pairingFilters[i] = "filter " + std::to_string(i);
    }
    s.toolboxCodeCount = 3;
    for (size_t i = 0; i < 3; ++i) {
        s.toolboxCodes[i] = testing::DistinctCode(static_cast<int>(i));
    }
    s.toolboxTitle = "JXToolBox YYZ";
    s.segmentSummary = "segment summary";
    s.fileNotes = "Shared notes";
    s.airportDetails = "YUL       0030";
    for (size_t i = 0; i < s.reservedTextBlock.size(); ++i) {
        s.reservedTextBlock[i] = "block " + std::to_string(i);
    }
    s.modified = 1;
}

TEST(ScheduleSaveTest, SaveLoadSaveKeepsEveryStoredFieldByteForByte) {
    auto original = ResetSchedule();
    FillDistinct(*original);
    const OpenWindows windows{true, false, true};
    MemoryFiles files;
    ScriptedDesktop desktop;
    ASSERT_TRUE(SaveSchedule(*original, "/m/JUN.jx2", FileKind::Working, files, desktop, windows));
    EXPECT_EQ(original->modified, 0);

    auto loaded = ResetSchedule();
    LoadResult result = LoadSchedule(*loaded, "/m/JUN.jx2", files, desktop);
    EXPECT_TRUE(desktop.messages.empty()) << ::testing::PrintToString(desktop.MessageTexts());
    ASSERT_TRUE(result.loaded);
    EXPECT_TRUE(result.buildBoard);
    EXPECT_TRUE(result.windows.pairings);
    EXPECT_FALSE(result.windows.toolbox);
    EXPECT_TRUE(result.windows.bids);

    const TSchedule& s = *loaded;
    EXPECT_EQ(s.scheduleTitle, "YYZCRJFOT");
    EXPECT_EQ(s.setup, original->setup);
    EXPECT_EQ(s.firstWeekday, 4);
    EXPECT_EQ(s.dayCount, 30);
    EXPECT_EQ(s.days, original->days);
    EXPECT_EQ(s.dayNames, original->dayNames);
    EXPECT_EQ(s.weekend, original->weekend);
    EXPECT_EQ(s.lastPairing, 4);
    EXPECT_EQ(s.lastImportedPairing, 3);
    for (size_t i = 0; i < 5; ++i) {
        testing::ExpectSamePair(s.pairings[i], original->pairings[i]);
    }
    EXPECT_EQ(s.employeeCount, 3);
    for (size_t i = 0; i < 3; ++i) {
        testing::ExpectSamePilot(s.employees[i], original->employees[i]);
    }
    EXPECT_EQ(s.monthName, original->monthName);
    EXPECT_EQ(s.yearText, original->yearText);
    EXPECT_EQ(s.reservedShortTexts, original->reservedShortTexts);
    EXPECT_EQ(s.previousDays, original->previousDays);
    EXPECT_EQ(s.scheduleMonth, 6);
    EXPECT_EQ(s.showAssignedPairings, 0);
    EXPECT_EQ(s.reservedWord, 4242);
    EXPECT_EQ(s.crewGroup, CrewGroup::FirstOfficers);
    EXPECT_EQ(s.undoHistory.Entries(), original->undoHistory.Entries());
    EXPECT_EQ(s.reservedFlags, original->reservedFlags);
    EXPECT_EQ(s.reservedTexts, original->reservedTexts);
    EXPECT_EQ(s.pairingFilters, original->pairingFilters);
    EXPECT_EQ(s.toolboxCodeCount, 3);
    for (size_t i = 0; i < 3; ++i) {
        testing::ExpectSameCode(s.toolboxCodes[i], original->toolboxCodes[i]);
    }
    EXPECT_EQ(s.toolboxTitle, original->toolboxTitle);
    EXPECT_EQ(s.segmentSummary, original->segmentSummary);
    EXPECT_EQ(s.fileNotes, original->fileNotes);
    EXPECT_EQ(s.airportDetails, original->airportDetails);
    EXPECT_EQ(s.reservedTextBlock, original->reservedTextBlock);

    // The board is rebuilt and the windows reopened, as after a real open.
    loaded->boardBuilt = result.buildBoard ? 1 : 0;
    ASSERT_TRUE(
        SaveSchedule(*loaded, "/m/JUN2.jx2", FileKind::Working, files, desktop, result.windows));
    EXPECT_TRUE(files.files["/m/JUN.jx2"] == files.files["/m/JUN2.jx2"]);
}

TEST(ScheduleSaveTest, SearchIsOffAfterLoadingEvenWhenSavedOn) {
    auto schedule = ResetSchedule();
    FillDistinct(*schedule);
    schedule->boardBuilt = 0;  // only the search flag differs after the load
    std::optional<std::string> searchOff = ScheduleBytes(*schedule, FileKind::Working, {});
    schedule->searchActive = 1;
    std::optional<std::string> searchOn = ScheduleBytes(*schedule, FileKind::Working, {});
    ASSERT_TRUE(searchOff && searchOn);
    EXPECT_NE(*searchOff, *searchOn);

    auto loaded = ResetSchedule();
    ScriptedDesktop desktop;
    ASSERT_TRUE(LoadScheduleBytes(*loaded, *searchOn, "JUN.jx2", desktop).loaded);
    EXPECT_EQ(loaded->searchActive, 0);
    EXPECT_TRUE(*ScheduleBytes(*loaded, FileKind::Working, {}) == *searchOff);
}

TEST(ScheduleSaveTest, EachKindWritesItsTagAndTheEndMarker) {
    auto schedule = ResetSchedule();
    const std::pair<FileKind, std::string_view> cases[] = {
        {FileKind::Working, "Tallowbright29"},        {FileKind::PreBuild, "JXViewPrRost29"},
        {FileKind::PreSked, "JXViewPrSked29"},        {FileKind::Final, "JXView_Final29"},
        {static_cast<FileKind>(9), "JXView_Final29"},
    };
    for (const auto& [kind, tag] : cases) {
        std::string bytes = *ScheduleBytes(*schedule, kind, {});
        EXPECT_EQ(bytes.substr(0, 9), std::string("\x3A\x01\x01\x00\x00\x0E\x00\x00\x00", 9));
        EXPECT_EQ(bytes.substr(9, 14), tag);
        EXPECT_EQ(bytes.substr(bytes.size() - 13), std::string("\x09\0\0\0EndOfFile", 13));
    }
}

TEST(ScheduleSaveTest, EmptyScheduleHasNoSeatObjectsAndLoadsBackEmpty) {
    auto schedule = ResetSchedule();
    std::string bytes = *ScheduleBytes(*schedule, FileKind::Working, {});
    EXPECT_EQ(bytes.find("TPair"), std::string::npos);
    EXPECT_EQ(bytes.find("TPilot"), std::string::npos);

    auto loaded = ResetSchedule();
    ScriptedDesktop desktop;
    ASSERT_TRUE(LoadScheduleBytes(*loaded, bytes, "EMPTY.jx2", desktop).loaded);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(loaded->lastPairing, -1);
    EXPECT_EQ(loaded->lastImportedPairing, -1);
    EXPECT_EQ(loaded->employeeCount, 0);
    EXPECT_EQ(loaded->setup[kCheckPilotMaxCredit], 5400);
}

struct FailureCase {
    WriteStatus status;
    const char* message;
};

class ScheduleSaveFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ScheduleSaveFailureTest, KeepsThePreviousFileAndTheModifiedMark) {
    auto schedule = ResetSchedule();
    FillDistinct(*schedule);
    MemoryFiles files;
    files.files["/m/JUN.jx2"] = "previous contents";
    files.failWith = GetParam().status;
    ScriptedDesktop desktop;
    EXPECT_FALSE(SaveSchedule(*schedule, "/m/JUN.jx2", FileKind::Working, files, desktop));
    EXPECT_EQ(files.files["/m/JUN.jx2"], "previous contents");
    EXPECT_EQ(schedule->modified, 1);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, GetParam().message);
    EXPECT_EQ(desktop.messages[0].caption, "File Error");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Stop);
}

INSTANTIATE_TEST_SUITE_P(Failures, ScheduleSaveFailureTest,
                         ::testing::Values(FailureCase{WriteStatus::CannotCreate, kCannotCreate},
                                           FailureCase{WriteStatus::WriteFailed, kWriteFailed}));

TEST(ScheduleSaveTest, WritesARealFileThatLoadsBack) {
    TempFolder folder;
    auto schedule = ResetSchedule();
    FillDistinct(*schedule);
    ScriptedDesktop desktop;
    const std::string path = folder / "JUN.jx2";
    ASSERT_TRUE(SaveSchedule(*schedule, path, FileKind::Working, LocalFiles(), desktop));
    std::string written;
    ASSERT_TRUE(LocalFiles().ReadFile(path, written));
    EXPECT_TRUE(written == *ScheduleBytes(*schedule, FileKind::Working, {}));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"JUN.jx2"});

    auto loaded = ResetSchedule();
    EXPECT_TRUE(LoadSchedule(*loaded, path, LocalFiles(), desktop).loaded);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST(ScheduleSaveTest, MissingFolderCannotBeCreated) {
    TempFolder folder;
    auto schedule = ResetSchedule();
    schedule->modified = 1;
    ScriptedDesktop desktop;
    EXPECT_FALSE(
        SaveSchedule(*schedule, folder / "gone/JUN.jx2", FileKind::Working, LocalFiles(), desktop));
    EXPECT_EQ(desktop.MessageTexts(), std::vector<std::string>{kCannotCreate});
    EXPECT_EQ(schedule->modified, 1);
    EXPECT_TRUE(folder.Entries().empty());
}

// A file-size limit makes the disk "full" part-way through the write, even
// for a user who may write anywhere.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(ScheduleSaveTest, DiskFullLeavesThePreviousFileIntact) {
    TempFolder folder;
    const std::string path = folder / "JUN.jx2";
    ASSERT_EQ(LocalFiles().WriteFileAtomically(path, "previous contents"), WriteStatus::Ok);
    auto schedule = ResetSchedule();
    FillDistinct(*schedule);
    ScriptedDesktop desktop;
    bool saved = true;
    {
        FileSizeLimit limit(4096);
        saved = SaveSchedule(*schedule, path, FileKind::Working, LocalFiles(), desktop);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(desktop.MessageTexts(), std::vector<std::string>{kWriteFailed});
    EXPECT_EQ(schedule->modified, 1);
    std::string kept;
    ASSERT_TRUE(LocalFiles().ReadFile(path, kept));
    EXPECT_EQ(kept, "previous contents");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"JUN.jx2"});
}

TEST(ScheduleSaveTest, EventLogMarksBeginAndEnd) {
    TempFolder folder;
    auto schedule = ResetSchedule();
    ASSERT_TRUE(schedule->logFile.Open(folder / "JXDebug.txt"));
    MemoryFiles files;
    ScriptedDesktop desktop;
    SaveSchedule(*schedule, "/m/A.jx2", FileKind::Working, files, desktop);
    files.failWith = WriteStatus::WriteFailed;
    SaveSchedule(*schedule, "/m/A.jx2", FileKind::Working, files, desktop);
    schedule->logFile.Close();
    std::string log;
    LocalFiles().ReadFile(folder / "JXDebug.txt", log);
    EXPECT_EQ(log, "SaveBlksBegin\nSaveBlksEnd\nSaveBlksBegin\n");
}

}  // namespace
}  // namespace tallow
