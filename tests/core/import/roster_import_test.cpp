#include "core/import/roster_import.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/app/settings.h"
#include "core/model/schedule.h"
#include "extract_fixture.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace tallow {
namespace {

using testing::FixedLine;
using testing::MemoryFiles;
using testing::ScriptedDesktop;

constexpr const char* kFilter =
    "Vellumix Extract Files (*perp.ext *perc.ext)|*perp.ext;*perc.ext|All Files (*.*)|*.*";
constexpr const char* kCheckQuestion =
    "This May Not Be a Valid Employee Record Extract! Do You Want to Try Load it Anyway";
constexpr const char* kFileError = "File Error - Unable to Load Roster from this file.";

struct RosterRecord {
    std::string number;
    std::string surname;
    std::string initial;
    std::string key;  // base station, equipment, status
    std::string codes;
};

std::string RosterLine(const RosterRecord& record, size_t length = 102) {
    return FixedLine(length)
        .Put(0, record.number)
        .Put(9, record.surname)
        .Put(29, record.initial)
        .Put(31, record.key)
        .Put(77, record.codes)
        .Text()
        .substr(0, length);
}

std::string Extract(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

class RosterImportTest : public ::testing::Test {
  protected:
    RosterImportTest() {
        schedule_.scheduleTitle = "YVRDH8CAV";
        schedule_.crewGroup = CrewGroup::Captains;
        schedule_.setup[kReducedMinDaysOff] = 21;
        schedule_.setup[kReducedMinBlockCredit] = 2400;
        schedule_.setup[kReducedMaxBlockCredit] = 2700;
    }

    void MakePilotSchedule() {
        schedule_.scheduleTitle = "YVRDH8CAV";
        schedule_.crewGroup = CrewGroup::Captains;
    }
    void MakeCabinSchedule() {
        schedule_.scheduleTitle = "YVRDH8FAV";
        schedule_.crewGroup = CrewGroup::FlightAttendants;
    }

    std::vector<int32_t> Numbers() const {
        std::vector<int32_t> numbers;
        for (int row = 0; row < schedule_.RowsInUse(); ++row) {
            numbers.push_back(schedule_.employees[static_cast<size_t>(row)].employeeNumber);
        }
        return numbers;
    }
    const TPilot& Row(size_t row) const { return schedule_.employees[row]; }

    std::unique_ptr<TSchedule> holder_ = std::make_unique<TSchedule>();
    TSchedule& schedule_ = *holder_;
};

// An extract for all bases, fleets and statuses.
const std::string kAllBases = Extract({
    RosterLine({"000001001", "SMITH", "J", "YVRDH8CA", "LC"}),
    RosterLine({"000001002", "JONES", "A", "YVRDH8FO", ""}),
    RosterLine({"000001003", "BROWN", "B", "YYCDH8CA", ""}),
    RosterLine({"000001004", "GREEN", "C", "YVRCRJCA", ""}),
    RosterLine({"000001005", "WHITE", "D", "YVRDH8CA", ""}),
    RosterLine({"000001006", "BLACK", "E", "YVRE75FA", ""}),
});

TEST_F(RosterImportTest, PilotScheduleTakesLinesOfItsBaseFleetAndStatusInFileOrder) {
    const RosterReadResult result = ReadRosterExtract(schedule_, kAllBases);

    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.loaded, 2);
    EXPECT_EQ(Numbers(), (std::vector<int32_t>{1001, 1005}));
    EXPECT_EQ(Row(0).name, "J SMITH");
    EXPECT_EQ(Row(0).qualificationCodes, "LC          ");
    EXPECT_EQ(Row(1).name, "D WHITE");
    EXPECT_EQ(schedule_.modified, 1);
}

TEST_F(RosterImportTest, CabinScheduleTakesEveryLineOfItsBase) {
    MakeCabinSchedule();

    ReadRosterExtract(schedule_, kAllBases);

    EXPECT_EQ(Numbers(), (std::vector<int32_t>{1001, 1002, 1004, 1005, 1006}));
}

TEST_F(RosterImportTest, LowerCaseLinesAreStoredInUpperCase) {
    const std::string text =
        Extract({RosterLine({"000000042", "macdonald", "r", "yvrdh8ca", "la  rb"})});

    ReadRosterExtract(schedule_, text);

    ASSERT_EQ(schedule_.employeeCount, 1);
    EXPECT_EQ(Row(0).name, "R MACDONALD");
    EXPECT_EQ(Row(0).qualificationCodes, "LA  RB      ");
    EXPECT_EQ(Row(0).specialQualification, 3);
}

struct QualificationCase {
    bool cabin;
    const char* codes;
    int32_t specialQualification;
    int32_t minBlock;
    int32_t maxBlock;
    int32_t minDaysOff;
    int32_t ageMedFlags;
    int32_t trainee;
    int32_t noTZ;
    int32_t noYCG;
};

TEST_F(RosterImportTest, QualificationCodesGiveTheEmployeeFlagsAndLimits) {
    const QualificationCase cases[] = {
        {false, "LALC", 4, 4800, 5100, 0, 0, 0, 0, 0},
        {false, "LCLA", 4, 4800, 5100, 0, 0, 0, 0, 0},
        {false, "LA", 3, 4800, 5100, 0, 0, 0, 0, 0},
        {false, "LCLB", 1, 0, 0, 0, 0, 0, 0, 0},
        {false, "LB", 2, 0, 0, 0, 0, 0, 0, 0},
        {false, "", 0, 0, 0, 0, 0, 0, 0, 0},
        // The reduced block is applied last and wins over the check-pilot limits.
        {false, "LA  RB", 3, 2400, 2700, 21, 0, 0, 0, 0},
        {false, "RB", 0, 2400, 2700, 21, 0, 0, 0, 0},
        {false, "ARMR", 0, 0, 0, 0, 3, 0, 0, 0},
        {false, "AR", 0, 0, 0, 0, 1, 0, 0, 0},
        {false, "MR", 0, 0, 0, 0, 2, 0, 0, 0},
        {false, "ZTPTPC", 0, 0, 0, 0, 0, 1, 1, 1},
        {false, "PC", 0, 0, 0, 0, 0, 0, 0, 1},
        // A code counts wherever it occurs, even across two codes.
        {false, "XLAX", 3, 4800, 5100, 0, 0, 0, 0, 0},
        {false, "  IT  FR", 0, 0, 0, 0, 0, 0, 0, 0},
        {true, "IT", 2, 0, 0, 0, 0, 0, 0, 0},
        {true, "FR", 0, 0, 0, 0, 1, 0, 0, 0},
        {true, "ITFRRB", 2, 2400, 2700, 21, 1, 0, 0, 0},
        {true, "LALCARZTPTPC", 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const QualificationCase& c : cases) {
        SCOPED_TRACE(std::string(c.cabin ? "cabin " : "pilot ") + c.codes);
        if (c.cabin) {
            MakeCabinSchedule();
        } else {
            MakePilotSchedule();
        }
        ReadRosterExtract(schedule_, Extract({RosterLine({"1", "X", "Y", "YVRDH8CA", c.codes})}));
        ASSERT_EQ(schedule_.employeeCount, 1);
        const TPilot& e = Row(0);
        EXPECT_EQ(e.specialQualification, c.specialQualification);
        EXPECT_EQ(e.minBlockOverride, c.minBlock);
        EXPECT_EQ(e.maxBlockOverride, c.maxBlock);
        EXPECT_EQ(e.minDaysOffOverride, c.minDaysOff);
        EXPECT_EQ(e.ageMedFlags, c.ageMedFlags);
        EXPECT_EQ(e.trainee, c.trainee);
        EXPECT_EQ(e.noTZ, c.noTZ);
        EXPECT_EQ(e.noYCG, c.noYCG);
    }
}

TEST_F(RosterImportTest, RowsAreClearedBeforeTheyAreFilled) {
    TPilot& stale = schedule_.employees[0];
    stale.bidText = "OLD BID";
    stale.dayPairing[3] = 17;
    stale.specialQualification = 4;
    schedule_.employeeCount = 5;

    ReadRosterExtract(schedule_, Extract({RosterLine({"7", "NEW", "N", "YVRDH8CA", ""})}));

    EXPECT_EQ(schedule_.employeeCount, 1);
    EXPECT_EQ(Row(0).bidText, "");
    EXPECT_EQ(Row(0).dayPairing[3], kDayFree);
    EXPECT_EQ(Row(0).specialQualification, 0);
    EXPECT_EQ(Row(0).exportSelected, 1);
}

TEST_F(RosterImportTest, ShortLinesEndTheReadingAndShortFieldsAreCut) {
    const std::string fiftyCharacters = RosterLine({"2", "FIFTY", "F", "YVRDH8CA", ""}, 50);
    const std::string eightyCharacters = RosterLine({"3", "EIGHTY", "E", "YVRDH8CA", "LALC"}, 80);
    const std::string blank;
    const std::string fortyNine = RosterLine({"4", "SHORT", "S", "YVRDH8CA", ""}, 49);
    const std::string after = RosterLine({"5", "AFTER", "A", "YVRDH8CA", ""});

    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::vector<int32_t> numbers;
    };
    const Case cases[] = {
        {"fifty characters still count", {fiftyCharacters, after}, {2, 5}},
        {"codes cut at the line's end", {eightyCharacters}, {3}},
        {"a blank line ends the import", {fiftyCharacters, blank, after}, {2}},
        {"49 characters end the import", {fortyNine, after}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const RosterReadResult result = ReadRosterExtract(schedule_, Extract(c.lines));
        EXPECT_TRUE(result.complete);
        EXPECT_EQ(Numbers(), c.numbers);
    }
    ReadRosterExtract(schedule_, Extract({eightyCharacters}));
    EXPECT_EQ(Row(0).qualificationCodes, "LAL");
    EXPECT_EQ(Row(0).specialQualification, 3);
}

TEST_F(RosterImportTest, CarriageReturnsBeforeLineFeedsAreNotPartOfTheLine) {
    const std::string line = RosterLine({"8", "WINDOWS", "W", "YVRDH8CA", "LB"});
    EXPECT_TRUE(LooksLikeRosterExtract(line + "\r\n" + line + "\r\n"));

    // The line ends inside the codes, so a kept "\r" would become one of them.
    const std::string cut = RosterLine({"8", "WINDOWS", "W", "YVRDH8CA", "LB"}, 88);
    ReadRosterExtract(schedule_, cut + "\r\n" + cut + "\r\n");

    ASSERT_EQ(schedule_.employeeCount, 2);
    EXPECT_EQ(Row(1).qualificationCodes, "LB         ");
}

TEST_F(RosterImportTest, ShapeIsJudgedByTheSecondLine) {
    const std::string line102 = RosterLine({"1", "A", "A", "YVRDH8CA", ""});
    const struct {
        std::string text;
        bool looksRight;
    } cases[] = {
        {Extract({"X", line102}), true},
        {Extract({"X", RosterLine({"1", "A", "A", "YVRDH8CA", ""}, 147)}), true},
        {Extract({line102, RosterLine({"1", "A", "A", "YVRDH8CA", ""}, 101)}), false},
        {Extract({line102, RosterLine({"1", "A", "A", "YVRDH8CA", ""}, 103)}), false},
        {Extract({line102}), false},
        {"", false},
        {line102 + "\n" + line102, true},  // no line feed after the last line
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LooksLikeRosterExtract(c.text), c.looksRight) << c.text.size();
    }
}

TEST_F(RosterImportTest, LineLongerThanTheFormatAllowsIsAReadFailure) {
    const std::string text = Extract({
        RosterLine({"1", "FIRST", "F", "YVRDH8CA", ""}),
        RosterLine({"2", "TOOLONG", "T", "YVRDH8CA", ""}, 499),
        RosterLine({"3", "LAST", "L", "YVRDH8CA", ""}),
    });

    const RosterReadResult result = ReadRosterExtract(schedule_, text);

    EXPECT_FALSE(result.complete);
    EXPECT_EQ(result.failedLine, 2);
    EXPECT_EQ(Numbers(), (std::vector<int32_t>{1}));

    const std::string longest = RosterLine({"4", "LONGEST", "L", "YVRDH8CA", ""}, 498);
    EXPECT_TRUE(ReadRosterExtract(schedule_, Extract({longest})).complete);
    EXPECT_EQ(Numbers(), (std::vector<int32_t>{4}));
}

TEST_F(RosterImportTest, LinesBeyondTheRosterCapacityAreCountedNotStored) {
    std::vector<std::string> lines;
    for (int i = 1; i <= kMaxEmployees + 2; ++i) {
        lines.push_back(RosterLine({std::to_string(i), "CREW", "C", "YVRDH8CA", ""}));
    }

    const RosterReadResult result = ReadRosterExtract(schedule_, Extract(lines));

    EXPECT_TRUE(result.complete);
    EXPECT_EQ(result.loaded, kMaxEmployees);
    EXPECT_EQ(result.notLoaded, 2);
    EXPECT_EQ(schedule_.employeeCount, kMaxEmployees);
    EXPECT_EQ(Row(kMaxEmployees - 1).employeeNumber, kMaxEmployees);
}

TEST_F(RosterImportTest, TitleOfTheWrongLengthSelectsNothing) {
    schedule_.employeeCount = 3;
    for (const char* title : {"YVRDH8CA", "YVRDH8CAVX", ""}) {
        schedule_.scheduleTitle = title;
        EXPECT_EQ(RosterSelectionKey(schedule_), "");
        EXPECT_FALSE(ReadRosterExtract(schedule_, kAllBases).complete);
        EXPECT_EQ(schedule_.employeeCount, 0);
    }
}

// The command: chooser, questions, messages and the folder setting.
class LoadRosterTest : public RosterImportTest {
  protected:
    LoadRosterTest() { files_.files["/data/extracts/0325perp.ext"] = kAllBases; }

    bool Load() { return LoadRosterExtract(schedule_, desktop_, files_, settings_); }

    ScriptedDesktop desktop_;
    MemoryFiles files_;
    Settings settings_{"/config/tallow.ini", files_, "/home/scheduler"};
};

TEST_F(LoadRosterTest, LoadsTheChosenFileAndRemembersItsFolder) {
    settings_.SetText(keys::LastRosterPath, "/data/last");
    desktop_.ChooseFile("/data/extracts/0325perp.ext");

    EXPECT_TRUE(Load());

    ASSERT_EQ(desktop_.choosers.size(), 1u);
    EXPECT_EQ(desktop_.choosers[0].title, "Load Crew Roster from Extract");
    EXPECT_EQ(desktop_.choosers[0].filter, kFilter);
    EXPECT_EQ(desktop_.choosers[0].initialFolder, "/data/last");
    EXPECT_EQ(settings_.Text(keys::LastRosterPath), "/data/extracts");
    EXPECT_EQ(Numbers(), (std::vector<int32_t>{1001, 1005}));
    EXPECT_TRUE(desktop_.messages.empty());
}

TEST_F(LoadRosterTest, RosterIsEmptiedEvenWhenTheLoadStopsEarly) {
    schedule_.employeeCount = 4;
    desktop_.ChooseFile(std::nullopt);

    EXPECT_FALSE(Load());

    EXPECT_EQ(schedule_.employeeCount, 0);
    EXPECT_EQ(settings_.Text(keys::LastRosterPath), "");

    schedule_.employeeCount = 4;
    schedule_.scheduleTitle = "YVRDH8";
    EXPECT_FALSE(Load());  // no chooser is shown: none is queued
    EXPECT_EQ(schedule_.employeeCount, 0);
}

TEST_F(LoadRosterTest, FileThatCannotBeOpenedIsNamed) {
    desktop_.ChooseFile("/data/missing.ext");

    EXPECT_FALSE(Load());

    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_EQ(desktop_.messages[0].text, "/data/missing.ext");
    EXPECT_EQ(desktop_.messages[0].caption, "Unable to Open File");
    EXPECT_EQ(schedule_.employeeCount, 0);
}

TEST_F(LoadRosterTest, SecondLineOfAnotherLengthAsksBeforeLoading) {
    const std::string text = Extract({
        RosterLine({"1", "FIRST", "F", "YVRDH8CA", ""}, 101),
        RosterLine({"2", "SECOND", "S", "YVRDH8CA", ""}, 101),
    });
    files_.files["/data/odd.ext"] = text;

    for (Answer answer : {Answer::No, Answer::Yes}) {
        desktop_.messages.clear();
        desktop_.ChooseFile("/data/odd.ext");
        desktop_.Answer(answer);

        EXPECT_EQ(Load(), answer == Answer::Yes);

        ASSERT_EQ(desktop_.messages.size(), 1u);
        EXPECT_EQ(desktop_.messages[0].text, kCheckQuestion);
        EXPECT_EQ(desktop_.messages[0].caption, "Tallowbright");
        EXPECT_EQ(desktop_.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(schedule_.employeeCount, answer == Answer::Yes ? 2 : 0);
    }
}

TEST_F(LoadRosterTest, ReadFailureKeepsTheRowsReadSoFar) {
    files_.files["/data/bad.ext"] = Extract({
        RosterLine({"9", "OTHER", "O", "YYZDH8CA", ""}),
        RosterLine({"1", "FIRST", "F", "YVRDH8CA", ""}),
        std::string(600, 'Y'),
    });
    desktop_.ChooseFile("/data/bad.ext");

    EXPECT_FALSE(Load());

    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_EQ(desktop_.messages[0].text, kFileError);
    EXPECT_EQ(desktop_.messages[0].caption, "Tallowbright");
    EXPECT_EQ(desktop_.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(desktop_.waitCursorDepth, 0);
    EXPECT_EQ(Numbers(), (std::vector<int32_t>{1}));
}

TEST_F(LoadRosterTest, FullRosterTellsHowManyWereLeftOut) {
    std::vector<std::string> lines;
    for (int i = 1; i <= kMaxEmployees + 3; ++i) {
        lines.push_back(RosterLine({std::to_string(i), "CREW", "C", "YVRDH8CA", ""}));
    }
    files_.files["/data/big.ext"] = Extract(lines);
    desktop_.ChooseFile("/data/big.ext");

    EXPECT_TRUE(Load());

    EXPECT_EQ(desktop_.MessageTexts(),
              (std::vector<std::string>{
                  "The Roster is Full. 3 more Employees in this file were not Loaded."}));
    EXPECT_EQ(schedule_.employeeCount, kMaxEmployees);
}

TEST_F(LoadRosterTest, EventLogNamesEachLoadedEmployee) {
    testing::TempFolder folder;
    const std::string logPath = folder / "JXDebug.txt";
    ASSERT_TRUE(schedule_.logFile.Open(logPath));
    desktop_.ChooseFile("/data/extracts/0325perp.ext");

    ASSERT_TRUE(Load());
    schedule_.logFile.Close();

    EXPECT_EQ(testing::TempFolder::Read(logPath),
              "BeginCreateNewRosterFromExtract\n"
              "J SMITH 1001 Loaded\n"
              "D WHITE 1005 Loaded\n"
              "CreateNewRosterFromExtractComplete\n");
}

}  // namespace
}  // namespace tallow
