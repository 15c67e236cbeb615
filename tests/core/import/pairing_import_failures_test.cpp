// Every way a pairing load can fail or stop, what it says and what it leaves;
// the event log and the progress of a load.

#include <gtest/gtest.h>

#include "core/app/settings.h"
#include "core/import/pairing_import.h"
#include "core/import/segment_summary.h"
#include "prg_fixture.h"
#include "support/temp_folder.h"

namespace tallow::testing {
namespace {

constexpr const char* kReadFailure =
    "File Error - Unable to Load Pairings from this file. See Next Message Box for Progress";

// A schedule whose table holds one seat from an earlier load.
std::unique_ptr<TSchedule> LoadedSchedule() {
    auto schedule = MonthSchedule();
    schedule->lastPairing = 0;
    schedule->lastImportedPairing = 0;
    schedule->pairings[0].number = 4242;
    return schedule;
}

TEST(PairingImportFailures, AFileThatDoesNotStartWithAHeaderChangesNothing) {
    const std::string contents[] = {
        "",
        Join(TwoDayPairing()).substr(1),
        " " + Join(TwoDayPairing()),
        std::string("\0\x01\x02\xff", 4),
        "\n" + Join(TwoDayPairing()),
    };
    for (const std::string& content : contents) {
        auto schedule = LoadedSchedule();
        ScriptedDesktop desktop;
        const PairingImportResult result =
            ImportPairingText(*schedule, content, "V8", false, desktop);
        EXPECT_FALSE(result.loaded);
        ASSERT_EQ(desktop.messages.size(), 1U);
        EXPECT_EQ(desktop.messages[0].text,
                  "This does not appear to be a valid PRG file. The first char should be 1");
        EXPECT_EQ(desktop.messages[0].caption, "Tallowbright");
        EXPECT_EQ(desktop.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(schedule->lastPairing, 0);
        EXPECT_EQ(schedule->pairings[0].number, 4242);
        EXPECT_TRUE(desktop.progress.empty());
        EXPECT_TRUE(result.caption.empty());
    }
}

TEST(PairingImportFailures, AFileThatCannotBeOpenedIsNamedAndItsFolderRemembered) {
    auto schedule = LoadedSchedule();
    ScriptedDesktop desktop;
    MemoryFiles files;
    Settings settings("/config/tallow.ini", files, "/home/user");
    const PairingImportResult result =
        LoadPairingFile(*schedule, "/data/prg/JAN24.PRG", "V8", false, desktop, files, settings);
    EXPECT_FALSE(result.loaded);
    ASSERT_EQ(desktop.messages.size(), 1U);
    EXPECT_EQ(desktop.messages[0].text, "/data/prg/JAN24.PRG");
    EXPECT_EQ(desktop.messages[0].caption, "Unable to Open File");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(settings.Text(keys::LastPRGPath), "/data/prg");
    EXPECT_EQ(schedule->pairings[0].number, 4242);
}

TEST(PairingImportFailures, AFileThatOpensIsLoadedAndItsFolderRemembered) {
    auto schedule = LoadedSchedule();
    ScriptedDesktop desktop;
    MemoryFiles files;
    files.files["/data/prg/JAN24.PRG"] = Join(TwoDayPairing());
    Settings settings("/config/tallow.ini", files, "/home/user");
    const PairingImportResult result =
        LoadPairingFile(*schedule, "/data/prg/JAN24.PRG", "V8", false, desktop, files, settings);
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(schedule->SeatCount(), 1);
    EXPECT_EQ(settings.Text(keys::LastPRGPath), "/data/prg");
    EXPECT_NE(files.files["/config/tallow.ini"].find("LastPrgPath=/data/prg"), std::string::npos);
}

struct ShortLineCase {
    std::string name;
    std::string line;
    size_t shortest;  // the length from which the line is read
    int32_t seats;    // stored from a line of that length
};

// A complete pairing V8100, then V8101 with one record cut short.
std::vector<std::string> WithCutRecord(const std::string& line, size_t length) {
    std::vector<std::string> lines = TwoDayPairing("20240105", "V8100");
    PrgHeader header;
    if (line[0] != '1') {
        lines.push_back(header.Line());
    }
    lines.push_back(line.substr(0, length));
    return lines;
}

TEST(PairingImportFailures, ATextFieldBeyondTheEndOfItsLineFailsTheLoad) {
    PrgDuty duty;
    const ShortLineCase cases[] = {
        {"header", PrgHeader{}.Line(), 113, 1},  // no complement, no seat
        {"leg", PrgLeg{}.Line(), 43, 2},         {"deadhead", PrgDeadhead{}.Line(), 83, 2},
        {"surface", PrgSurface{}.Line(), 44, 2}, {"duty", duty.Line(), 59, 2},
    };
    for (const ShortLineCase& c : cases) {
        SCOPED_TRACE(c.name);
        {
            auto schedule = LoadedSchedule();
            schedule->employeeCount = 1;
            schedule->employees[0].dayPairing[4] = 0;
            ScriptedDesktop desktop;
            const PairingImportResult result = ImportPairingText(
                *schedule, Join(WithCutRecord(c.line, c.shortest - 1)), "V8", false, desktop);
            EXPECT_FALSE(result.loaded);
            ASSERT_EQ(desktop.messages.size(), 2U);
            EXPECT_EQ(desktop.messages[0].text, kReadFailure);
            EXPECT_EQ(desktop.messages[0].caption, "Tallowbright");
            EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Stop);
            EXPECT_EQ(desktop.messages[1].text, "8100 8101 ");
            EXPECT_EQ(desktop.messages[1].caption, "Pair Loading Progress");
            EXPECT_EQ(desktop.messages[1].icon, MessageIcon::Stop);
            // The table is left empty, and nobody holds a seat of it.
            EXPECT_EQ(schedule->lastPairing, -1);
            EXPECT_EQ(schedule->lastImportedPairing, -1);
            EXPECT_EQ(schedule->pairings[0].number, 0);
            EXPECT_TRUE(schedule->pairings[0].displayText.empty());
            EXPECT_EQ(schedule->employees[0].dayPairing[4], kDayFree);
            EXPECT_TRUE(result.caption.empty());
            EXPECT_TRUE(result.pairingReport.empty());
            ASSERT_EQ(desktop.progress.size(), 1U);
            EXPECT_TRUE(desktop.progress[0].closed);
        }
        auto schedule = LoadedSchedule();
        ScriptedDesktop desktop;
        const PairingImportResult result = ImportPairingText(
            *schedule, Join(WithCutRecord(c.line, c.shortest)), "V8", false, desktop);
        EXPECT_TRUE(result.loaded);
        EXPECT_EQ(desktop.MessageTexts(), std::vector<std::string>{});
        EXPECT_EQ(schedule->SeatCount(), c.seats);
    }
}

TEST(PairingImportFailures, ShortRecordsThatNeedNoTextAreRead) {
    auto schedule = MonthSchedule();
    ScriptedDesktop desktop;
    PrgHeader later;
    later.date = "20240112";
    const std::vector<std::string> lines = {
        TwoDayPairing()[0],
        PrgDuty{}.Line().substr(0, 30),  // no start time
        PrgDuty{}.Line().substr(0, 32).replace(30, 2, "  "),
        later.Line().substr(0, 72),
        "2V",  // too short for an equipment digit
        "7V8101 a record of an unknown type",
    };
    const PairingImportResult result =
        ImportPairingText(*schedule, Join(lines), "V8", false, desktop);
    EXPECT_TRUE(result.loaded);
    EXPECT_TRUE(desktop.messages.empty());
    ASSERT_EQ(schedule->SeatCount(), 1);
    // The cut header's date reads as 0 and marks no day.
    int operating = 0;
    for (int32_t value : schedule->pairings[0].operates) {
        operating += value != 0 ? 1 : 0;
    }
    EXPECT_EQ(operating, 1);
}

TEST(PairingImportFailures, ALineLongerThan998CharactersFailsTheLoad) {
    for (const size_t length : {998U, 999U, 5000U}) {
        SCOPED_TRACE(length);
        auto schedule = MonthSchedule();
        ScriptedDesktop desktop;
        std::vector<std::string> lines = TwoDayPairing();
        lines.insert(lines.begin() + 1, "9" + std::string(length - 1, 'x'));
        const PairingImportResult result =
            ImportPairingText(*schedule, Join(lines), "V8", false, desktop);
        EXPECT_EQ(result.loaded, length <= 998);
        EXPECT_EQ(desktop.messages.size(), length <= 998 ? 0U : 2U);
        EXPECT_EQ(schedule->SeatCount(), length <= 998 ? 1 : 0);
    }
}

TEST(PairingImportFailures, WindowsLineEndsAreReadAsLineEnds) {
    auto schedule = MonthSchedule();
    ScriptedDesktop desktop;
    std::string content;
    for (const std::string& line : TwoDayPairing()) {
        content += line + "\r\n";
    }
    ImportPairingText(*schedule, content, "V8", false, desktop);
    ASSERT_EQ(schedule->SeatCount(), 1);
    EXPECT_EQ(schedule->pairings[0].sourceText, Join(TwoDayPairing()));
}

TEST(PairingImportFailures, NoPairingOfTheSelectionLeavesAnEmptyTable) {
    auto schedule = LoadedSchedule();
    ScriptedDesktop desktop;
    const PairingImportResult result = ImportPairingText(
        *schedule, Join(TwoDayPairing("20240105", "C8101")), "V8", false, desktop);
    EXPECT_TRUE(result.loaded);
    ASSERT_EQ(desktop.messages.size(), 1U);
    EXPECT_EQ(desktop.messages[0].text, "Unable to load pairings from this file");
    EXPECT_EQ(desktop.messages[0].caption, "Tallowbright");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(schedule->lastPairing, -1);
    EXPECT_EQ(schedule->lastImportedPairing, -1);
    EXPECT_EQ(schedule->pairings[0].number, 0);
    EXPECT_EQ(result.caption, "Tallowbright - JAN24.jx2");
    EXPECT_TRUE(result.pairingReport.empty());
    // The segment summary is built from the whole file all the same.
    EXPECT_NE(schedule->segmentSummary.find("YVR-YYC"), std::string::npos);
}

// `count` one-header pairings of two captains each.
std::string TwoCaptainPairings(int count) {
    std::string content;
    PrgHeader header;
    header.complement = "CA02";
    for (int k = 0; k < count; ++k) {
        header.designator = "V8" + Digits(k % 1000, 3);
        content += header.Line() + "\n";
    }
    return content;
}

TEST(PairingImportTableFull, StopsAtTheNextHeaderOnce3000SeatsAreStored) {
    struct FullCase {
        std::string content;
        bool loaded;
        int32_t seats;
    };
    PrgHeader single;
    single.designator = "V8999";
    single.complement = "CA01";
    const FullCase cases[] = {
        {TwoCaptainPairings(1500), true, 3000},
        {TwoCaptainPairings(1501), false, 3000},
        {TwoCaptainPairings(1499) + single.Line() + "\n", true, 2999},
        // The last pairing's second seat has no room left.
        {TwoCaptainPairings(1499) + single.Line() + "\n" + TwoCaptainPairings(1), false, 3000},
    };
    for (const FullCase& c : cases) {
        SCOPED_TRACE(c.seats);
        auto schedule = MonthSchedule();
        ScriptedDesktop desktop;
        const PairingImportResult result =
            ImportPairingText(*schedule, c.content, "V8", false, desktop);
        EXPECT_EQ(result.loaded, c.loaded);
        EXPECT_EQ(schedule->SeatCount(), c.seats);
        EXPECT_EQ(schedule->lastImportedPairing, c.seats - 1);
        EXPECT_EQ(schedule->pairings[kMaxPairings].number, 0) << "the spare entry stays unused";
        if (c.loaded) {
            EXPECT_TRUE(desktop.messages.empty());
        } else {
            ASSERT_EQ(desktop.messages.size(), 1U);
            EXPECT_EQ(desktop.messages[0].text,
                      "Maximum Number of Pairings Reached. Not all Pairings Loaded");
            EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Stop);
        }
        // The seats that were stored are finished like a whole file.
        EXPECT_FALSE(result.pairingReport.empty());
        EXPECT_EQ(schedule->pairings[2999 - (c.seats == 2999 ? 1 : 0)].lengthDays, 2);
    }
}

TEST(PairingImportTableFull, SegmentSummaryCoversTheLinesAfterTheTableFilled) {
    auto schedule = MonthSchedule();
    ScriptedDesktop desktop;
    const std::string content = TwoCaptainPairings(1500) + Join(TwoDayPairing("20240106", "V8102"));
    ImportPairingText(*schedule, content, "V8", false, desktop);
    ASSERT_EQ(schedule->SeatCount(), kMaxPairings);
    EXPECT_EQ(schedule->segmentSummary, BuildSegmentSummary(content));
    EXPECT_NE(schedule->segmentSummary.find("YVR-YYC"), std::string::npos);
}

TEST(PairingImportLog, WritesTheLoadAndEveryHeader) {
    TempFolder folder;
    auto schedule = MonthSchedule();
    ASSERT_TRUE(schedule->logFile.Open(folder / "log.txt"));
    ScriptedDesktop desktop;
    PrgHeader cut;
    cut.date = "20240112";
    ImportPairingText(*schedule,
                      Join(TwoDayPairing()) + cut.Line().substr(0, 74) + "\n" +
                          Join(TwoDayPairing("20240106", "V8102")),
                      "V8", false, desktop);
    schedule->logFile.Close();
    EXPECT_EQ(TempFolder::Read(folder / "log.txt"),
              "BeginLoadPRGPairs\n"
              "ZeroDataBegin\n"
              "ZeroDataEnd\n"
              "Loading Pair 8101  Index is -1\n"
              "Loading Pair 8101  Index is 0\n"
              "Cannot GetInt. String too Short\n"
              "Cannot GetInt. String too Short\n"
              "Loading Pair 8102  Index is 0\n");
}

TEST(PairingImportProgress, ShowsTheReadPositionAndTheUsaScan) {
    auto schedule = MonthSchedule();
    ScriptedDesktop desktop;
    std::string content;
    for (int k = 0; k < 20; ++k) {
        content += Join(TwoDayPairing("20240105", "V8" + Digits(k, 3)));
    }
    ImportPairingText(*schedule, content, "V8", false, desktop);
    ASSERT_EQ(desktop.progress.size(), 2U);
    const ProgressRecord& loading = desktop.progress[0];
    EXPECT_EQ(loading.title, "Loading PRG Pairings");
    EXPECT_TRUE(loading.closed);
    ASSERT_FALSE(loading.updates.empty());
    EXPECT_EQ(loading.updates.back(), (std::pair<std::string, int>{"Completed 100 of 100", 100}));
    for (size_t k = 1; k < loading.updates.size(); ++k) {
        EXPECT_LT(loading.updates[k - 1].second, loading.updates[k].second);
    }
    EXPECT_EQ(desktop.progress[1].title, "Scanning for USA Segments");
    EXPECT_TRUE(desktop.progress[1].closed);
    ASSERT_FALSE(desktop.progress[1].updates.empty());
    EXPECT_EQ(desktop.progress[1].updates.front().first, "Completed 0 of 1440");
}

}  // namespace
}  // namespace tallow::testing
