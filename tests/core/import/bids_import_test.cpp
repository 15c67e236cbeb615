#include "core/import/bids_import.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/import/bid_csv.h"
#include "core/model/date.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "extract_fixture.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace tallow {
namespace {

using testing::MemoryFiles;
using testing::ScriptedDesktop;
using Lines = std::vector<std::string>;

constexpr const char* kPath = "bids.csv";
constexpr const char* kListTitle = "Missing Bids / Warnings.  List Copied to Windows Clipboard";
constexpr const char* kReplaceQuestion =
    "Current Bids will be replaced on an individual basis when a bid is found in this file. "
    "Would you Like to Delete All Current Bids First";
constexpr const char* kDeleteConfirmation =
    "Confirm that you wish to Delete All Pilot Bids before Importing the Bids from the CSV File";

// One answer of the bid form, field by field.
struct Bid {
    std::array<std::string, kBidFieldCount> f = {"004567",
                                                 "John",
                                                 "Smith",
                                                 "js@example.com",
                                                 "604-555-0101",
                                                 "604-555-0102",
                                                 "unused6",
                                                 "unused7",
                                                 "Yes",
                                                 "",
                                                 "",
                                                 "3,+2,17",
                                                 "5",
                                                 "",
                                                 "1,2",
                                                 "4",
                                                 "",
                                                 "18",
                                                 "2",
                                                 "Pairings",
                                                 "16",
                                                 "am starts\vplease\v",
                                                 "",
                                                 "no nights",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "V8101 V8102",
                                                 "thanks, all",
                                                 "none",
                                                 "3",
                                                 "2025-01-02",
                                                 "13:45:10"};

    Bid& Set(size_t field, std::string value) {
        f[field] = std::move(value);
        return *this;
    }
    // The row the web form writes: quoted fields, the end mark, a Windows line end.
    std::string Row(size_t fieldCount = kBidFieldCount) const {
        std::string row = "\"" + f[0];
        for (size_t k = 1; k < fieldCount; ++k) {
            row += std::string(kBidFieldSeparator) + f[k];
        }
        return row + "\",end_x_bid\r\n";
    }
};

constexpr const char* kStandardText =
    "JOHN SMITH    004567\n"
    "MAX DAYS: 18MAX DAYS RES: 16    CREW REST: 2    PAIR/RES: PAIRINGS    LBW: YES\n"
    "GDO: 3,+2,17   PDO1: 5   PDO NEXT: 1,2   USED PDO: 4   \n"
    "\n"
    "(1). AM STARTS PLEASE\v\n"
    "(3). NO NIGHTS\n"
    "\nPREF PAIRS: V8101 V8102"
    "\n\nCOMMENTS THIS: THANKS, ALL"
    "\nCOMMENTS LAST: NONE\n\n"
    "EMAIL: JS@EXAMPLE.COM   PH1: 604-555-0101   PH2: 604-555-0102\n"
    "HIST PDO: 3SUBMITTED: 2025-01-02 13:45:10";

BidFields Views(const Bid& bid) {
    BidFields fields{};
    for (size_t k = 0; k < kBidFieldCount; ++k) {
        fields[k] = bid.f[k];
    }
    return fields;
}

// A January 2025 captains' schedule of four employees.
class BidsTest : public ::testing::Test {
  protected:
    BidsTest() {
        schedule_.crewGroup = CrewGroup::Captains;
        SetPeriod(Date::FromDmy(1, 1, 2025), Date::FromDmy(31, 1, 2025));
        const char* names[] = {"J SMITH", "A ALPHA", "B BRAVO", "C CHARLIE"};
        const int32_t numbers[] = {4567, 1234567, 222, 333};
        for (size_t row = 0; row < 4; ++row) {
            schedule_.employees[row].name = names[row];
            schedule_.employees[row].employeeNumber = numbers[row];
        }
        schedule_.employeeCount = 4;
    }

    void SetPeriod(Date start, Date end) {
        ScriptedDesktop quiet;
        ASSERT_TRUE(schedule_.SetPeriod(start, end, quiet));
    }
    TPilot& Employee(size_t row) { return schedule_.employees[row]; }
    // Day indexes holding a request, with the code.
    std::vector<std::pair<int, int>> Requests(size_t row) {
        std::vector<std::pair<int, int>> marked;
        for (size_t d = 0; d < kCalendarDays; ++d) {
            if (Employee(row).dayOffRequest[d] != 0) {
                marked.emplace_back(static_cast<int>(d), Employee(row).dayOffRequest[d]);
            }
        }
        return marked;
    }
    // The standard file: a complete bid for row 0, a reserve bid for the
    // seven-digit number of row 1, none for row 2, a field short for row 3.
    static std::string StandardFile() {
        return "header,line\r\n" + Bid().Row() +
               Bid().Set(0, "1234567").Set(1, "Al").Set(19, "reserve").Set(11, "").Row() +
               Bid().Set(0, "000333").Row(kBidFieldCount - 1);
    }

    std::unique_ptr<TSchedule> holder_ = std::make_unique<TSchedule>();
    TSchedule& schedule_ = *holder_;
};

TEST(BidCsvTest, KeyIsTheQuotedNumberInAtLeastSixDigits) {
    EXPECT_EQ(BidKey(4567), "\"004567\",");
    EXPECT_EQ(BidKey(0), "\"000000\",");
    EXPECT_EQ(BidKey(1234567), "\"1234567\",");
}

TEST(BidCsvTest, FieldsAreCutOnlyAtQuoteCommaQuote) {
    Bid bid;
    bid.Set(30, "a, \"quoted\", b").Set(31, "line one\r\nline two").Set(29, "\"unterminated");
    const std::string text = "junk\n" + bid.Row() + "more";
    const BidLookup lookup = FindBid(text, BidKey(4567));
    ASSERT_EQ(lookup.search, BidSearch::Found);
    EXPECT_EQ(lookup.fields[0], "004567");
    EXPECT_EQ(lookup.fields[11], "3,+2,17");
    EXPECT_EQ(lookup.fields[29], "\"unterminated");
    EXPECT_EQ(lookup.fields[30], "a, \"quoted\", b");
    EXPECT_EQ(lookup.fields[31], "line one\r\nline two");
    EXPECT_EQ(lookup.fields[33], "2025-01-02");
    EXPECT_EQ(lookup.fields[34], "13:45:10");
}

TEST(BidCsvTest, LastFieldIsEightCharactersAtMostAndStopsAtTheBidEnd) {
    const struct {
        const char* tail;
        const char* last;
    } cases[] = {
        {"13:45:10\",\"end_x_bid\"", "13:45:10"},
        {"13:45:10.123456end_x_bid", "13:45:10"},
        {"9:05end_x_bid", "9:05"},
        {"end_x_bid", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tail);
        std::string row = Bid().Row();
        row = row.substr(0, row.find("13:45:10")) + c.tail;
        const BidLookup lookup = FindBid(row, BidKey(4567));
        ASSERT_EQ(lookup.search, BidSearch::Found);
        EXPECT_EQ(lookup.fields[34], c.last);
        EXPECT_EQ(lookup.fields[33], "2025-01-02");
    }
}

TEST(BidCsvTest, SearchOutcomes) {
    const std::string complete = Bid().Row();
    const struct {
        std::string text;
        BidSearch search;
    } cases[] = {
        {"", BidSearch::NotFound},
        {"\"004567\"\n", BidSearch::NotFound},
        {"\"0045678\"," + complete.substr(9), BidSearch::NotFound},
        {complete.substr(0, complete.find("end_x_bid")), BidSearch::Incomplete},
        {Bid().Row(kBidFieldCount - 1), BidSearch::Incomplete},
        {"\"004567\",end_x_bid", BidSearch::Incomplete},
        {"\"004567\",", BidSearch::Incomplete},
        // The end of an earlier bid does not end this one.
        {"end_x_bid " + complete, BidSearch::Found},
        // The first occurrence counts, even when a later one is complete.
        {"\"004567\",\"x\",end_x_bid\n" + complete, BidSearch::Incomplete},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FindBid(c.text, BidKey(4567)).search, c.search);
    }
    EXPECT_FALSE(SplitBidFields("").has_value());
}

TEST(BidCsvTest, HugeFieldsAndManyBidsAreCutWithoutCopying) {
    std::string text;
    for (int number = 1; number <= 300; ++number) {
        text += Bid().Set(0, Format("%06d", number)).Set(30, std::string(4000, 'c')).Row();
    }
    const BidLookup lookup = FindBid(text, BidKey(300));
    ASSERT_EQ(lookup.search, BidSearch::Found);
    EXPECT_EQ(lookup.fields[30].size(), 4000u);
    EXPECT_GE(lookup.fields[30].data(), text.data());
    EXPECT_LT(lookup.fields[30].data(), text.data() + text.size());
}

TEST_F(BidsTest, DayListsMarkThisMonthAndNextMonthDays) {
    const struct {
        const char* list;
        DayListStatus status;
        std::vector<std::pair<int, int>> marked;
    } cases[] = {
        {"3,+2,17", DayListStatus::Marked, {{2, 13}, {16, 13}, {32, 13}}},
        {"", DayListStatus::Marked, {}},
        {" 4 ,5,,", DayListStatus::Marked, {{3, 13}, {4, 13}}},
        {"1,2,3,4,5,6,7,8,9",
         DayListStatus::Marked,
         {{0, 13}, {1, 13}, {2, 13}, {3, 13}, {4, 13}, {5, 13}, {6, 13}, {7, 13}, {8, 13}}},
        {"31,+28", DayListStatus::Marked, {{30, 13}, {58, 13}}},
        {"3,45", DayListStatus::Error, {}},
        {"0", DayListStatus::Error, {}},
        {"-3", DayListStatus::Error, {}},
        {"abc", DayListStatus::Error, {}},
        {"1,2,3,4,5,6,7,8,9,10", DayListStatus::TooMany, {}},
        {"1,2,3,4,5,6,7,8,9,45", DayListStatus::TooMany, {}},
        // February 2025 has no 31st: the other days are marked all the same.
        {"5,+31", DayListStatus::Error, {{4, 13}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        Employee(0).dayOffRequest.fill(0);
        EXPECT_EQ(MarkDayList(Employee(0), schedule_, c.list, kRequestGuaranteedDayOff), c.status);
        EXPECT_EQ(Requests(0), c.marked);
    }
}

TEST_F(BidsTest, DayListFindsTheFirstMatchingDayOfAPeriodAcrossTwoMonths) {
    SetPeriod(Date::FromDmy(16, 1, 2025), Date::FromDmy(14, 2, 2025));

    EXPECT_EQ(MarkDayList(Employee(0), schedule_, "3,20,+3", kRequestPreferredDayOff),
              DayListStatus::Marked);
    // Period day 18 is 3 February; index 46 is 3 March, after the period.
    EXPECT_EQ(Requests(0), (std::vector<std::pair<int, int>>{{4, 14}, {18, 14}, {46, 14}}));
    EXPECT_EQ(MarkDayList(Employee(1), schedule_, "15", kRequestPreferredDayOff),
              DayListStatus::Error);
    EXPECT_TRUE(Requests(1).empty());
}

TEST_F(BidsTest, DayHoldingAnAssignmentIsMarkedAndFailsTheList) {
    Employee(0).dayPairing[4] = 7;
    Employee(0).dayPairing[9] = kDayToolbox;

    EXPECT_EQ(MarkDayList(Employee(0), schedule_, "5,6", kRequestPreferredDayOff),
              DayListStatus::Error);
    EXPECT_EQ(MarkDayList(Employee(0), schedule_, "10", kRequestPreferredDayOff),
              DayListStatus::Error);
    EXPECT_EQ(Requests(0), (std::vector<std::pair<int, int>>{{4, 14}, {5, 14}, {9, 14}}));
}

TEST_F(BidsTest, BidTextFollowsTheLayout) {
    EXPECT_EQ(ComposeBidText(Views(Bid())), kStandardText);

    Bid sparse;
    for (size_t k = 9; k <= 28; ++k) {
        sparse.Set(k, "");
    }
    sparse.Set(28, "last\vitem").Set(9, "2");
    EXPECT_EQ(ComposeBidText(Views(sparse)),
              "JOHN SMITH    004567\n"
              "MAX DAYS: MAX DAYS RES:     CREW REST:     PAIR/RES:     LBW: YES\n"
              "VAC: 2   \n"
              "\n"
              "(8). LAST ITEM\n"
              "\nPREF PAIRS: V8101 V8102\n\nCOMMENTS THIS: THANKS, ALL\nCOMMENTS LAST: NONE\n\n"
              "EMAIL: JS@EXAMPLE.COM   PH1: 604-555-0101   PH2: 604-555-0102\n"
              "HIST PDO: 3SUBMITTED: 2025-01-02 13:45:10");
    sparse.Set(9, "");
    // Without a day field the day line and its newline are left out.
    EXPECT_NE(ComposeBidText(Views(sparse)).find("LBW: YES\n\n(8). LAST ITEM\n"),
              std::string::npos);
}

TEST_F(BidsTest, ReadAppliesCompleteBidsAndWarnsForTheRest) {
    Employee(3).bidText = "OLD BID";
    Employee(3).phone1 = "old";
    Employee(3).dayOffRequest[10] = 25;
    Employee(2).bidText = "KEPT";
    Employee(0).dayOffRequest[20] = 11;

    const BidsReadResult result = ReadPilotBids(schedule_, StandardFile());

    EXPECT_EQ(result.bidsLoaded, 2);
    EXPECT_EQ(result.warnings,
              "A ALPHA Flagged as Bidding Reserve."
              "No Bid Found for B BRAVO  Emp Number 222."
              "* Bid Found but Unable to Extract Bid Data for C CHARLIE  Emp Number 333.");
    EXPECT_EQ(Employee(0).bidText, kStandardText);
    EXPECT_EQ(Employee(0).phone1, "604-555-0101");
    EXPECT_EQ(Employee(0).phone2, "604-555-0102");
    EXPECT_EQ(Employee(0).reserveBidder, 0);
    EXPECT_EQ(Requests(0),
              (std::vector<std::pair<int, int>>{{2, 13}, {4, 14}, {16, 13}, {20, 11}, {32, 13}}));
    EXPECT_EQ(Employee(1).reserveBidder, 1);
    EXPECT_EQ(Employee(1).bidText.substr(0, 22), "AL SMITH    1234567\nMA");
    EXPECT_EQ(Employee(2).bidText, "KEPT");
    EXPECT_EQ(Employee(3).bidText, "OLD BID");
    EXPECT_EQ(Employee(3).phone1, "old");
    EXPECT_EQ(Requests(3), (std::vector<std::pair<int, int>>{{10, 25}}));
}

TEST_F(BidsTest, FailedListsShowTheirErrorInTheTextAndTheWarnings) {
    Employee(0).dayPairing[6] = 3;
    const std::string file =
        Bid().Set(11, "3,45").Set(12, "1,2,3,4,5,6,7,8,9,10").Set(13, "7").Set(19, "Reserve").Row();

    const BidsReadResult result = ReadPilotBids(schedule_, file);

    EXPECT_NE(Employee(0).bidText.find(
                  "GDO: 3,45 ERROR!    PDO1: 1,2,3,4,5,6,7,8,9,10 ERROR! TO MANY PDOS    "
                  "PDO2: 7 ERROR!    PDO NEXT"),
              std::string::npos);
    EXPECT_EQ(Requests(0), (std::vector<std::pair<int, int>>{{6, 14}}));
    EXPECT_EQ(result.warnings,
              "* GDO Load Error for J SMITH  Emp Number 4567."
              "* PDO1 Load Error for J SMITH  Emp Number 4567."
              "* PDO2 Load Error for J SMITH  Emp Number 4567."
              "J SMITH Flagged as Bidding Reserve."
              "No Bid Found for A ALPHA  Emp Number 1234567."
              "No Bid Found for B BRAVO  Emp Number 222."
              "No Bid Found for C CHARLIE  Emp Number 333.");

    const std::string tooManyGdo = Bid().Set(11, "1,2,3,4,5,6,7,8,9,10").Row();
    ReadPilotBids(schedule_, tooManyGdo);
    EXPECT_NE(Employee(0).bidText.find("GDO: 1,2,3,4,5,6,7,8,9,10 ERROR! TO MANY GDOS    PDO1"),
              std::string::npos);
}

TEST_F(BidsTest, OnlyAPreferenceBeginningWithRFlagsAReserveBidder) {
    const struct {
        const char* preference;
        uint8_t flagged;
    } cases[] = {{"Reserve", 1},  {"res", 1}, {"R", 1},   {"Pairings", 0},
                 {" Reserve", 0}, {"", 0},    {"LINE", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.preference);
        Employee(0).reserveBidder = 0;
        const BidsReadResult result = ReadPilotBids(schedule_, Bid().Set(19, c.preference).Row());
        EXPECT_EQ(Employee(0).reserveBidder, c.flagged);
        EXPECT_EQ(result.warnings.find("J SMITH Flagged as Bidding Reserve.") == 0, c.flagged == 1);
    }
}

TEST_F(BidsTest, SecondImportGivesTheSameResult) {
    const std::string file = StandardFile() + Bid().Set(0, "000222").Set(12, "+3,9").Row();
    const BidsReadResult first = ReadPilotBids(schedule_, file);
    std::vector<TPilot> after(schedule_.employees.begin(), schedule_.employees.begin() + 4);

    const BidsReadResult second = ReadPilotBids(schedule_, file);

    EXPECT_EQ(second.warnings, first.warnings);
    for (size_t row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(Employee(row).bidText, after[row].bidText);
        EXPECT_EQ(Employee(row).dayOffRequest, after[row].dayOffRequest);
        EXPECT_EQ(Employee(row).reserveBidder, after[row].reserveBidder);
    }
    EXPECT_EQ(Requests(2),
              (std::vector<std::pair<int, int>>{{2, 13}, {8, 14}, {16, 13}, {32, 13}, {33, 14}}));
}

TEST_F(BidsTest, PlaceholderAndUnusedRowsAreNotWrittenPastTheRoster) {
    Employee(1).employeeNumber = kPlaceholderEmployee;
    schedule_.employees[4].employeeNumber = 4567;
    const BidsReadResult result =
        ReadPilotBids(schedule_, Bid().Set(0, "-00001").Row() + Bid().Row());

    EXPECT_EQ(Employee(1).bidText.substr(0, 20), "JOHN SMITH    -00001");
    EXPECT_EQ(schedule_.employees[4].bidText, "");
    EXPECT_EQ(result.bidsLoaded, 2);
}

class LoadBidsTest : public BidsTest {
  protected:
    BidsLoadResult Load() { return LoadPilotBids(schedule_, desktop_, files_); }

    ScriptedDesktop desktop_;
    MemoryFiles files_;
};

TEST_F(LoadBidsTest, ImportShowsProgressAndTheWarningList) {
    files_.files[kPath] = StandardFile();
    desktop_.ChooseFile(kPath);

    const BidsLoadResult result = Load();

    EXPECT_TRUE(result.imported);
    EXPECT_FALSE(result.showBidsWindow);
    ASSERT_EQ(desktop_.choosers.size(), 1u);
    EXPECT_EQ(desktop_.choosers[0].title, "Load Pilot Bids");
    EXPECT_EQ(desktop_.choosers[0].filter, "Pilot Bid Files(*.csv)|*.csv|All Files (*.*)|*.*");
    EXPECT_EQ(desktop_.choosers[0].initialFolder, "");
    EXPECT_TRUE(desktop_.messages.empty());
    ASSERT_EQ(desktop_.progress.size(), 1u);
    EXPECT_EQ(desktop_.progress[0].title, "Importing Pilot Bids");
    EXPECT_TRUE(desktop_.progress[0].closed);
    EXPECT_EQ(desktop_.progress[0].updates,
              (std::vector<std::pair<std::string, int>>{{"Searching for Bid 0 of 4", 0},
                                                        {"Searching for Bid 1 of 4", 25}}));
    const Lines lines = {
        "A ALPHA Flagged as Bidding Reserve", "No Bid Found for B BRAVO  Emp Number 222",
        "* Bid Found but Unable to Extract Bid Data for C CHARLIE  Emp Number 333"};
    ASSERT_EQ(desktop_.lists.size(), 1u);
    EXPECT_EQ(desktop_.lists[0].title, kListTitle);
    EXPECT_EQ(desktop_.lists[0].lines, lines);
    EXPECT_EQ(desktop_.clipboard, lines[0] + "\n" + lines[1] + "\n" + lines[2]);
    EXPECT_EQ(Employee(0).bidText, kStandardText);
    EXPECT_EQ(schedule_.modified, 1);
}

TEST_F(LoadBidsTest, BuiltBoardAsksForTheBidsWindowAndCleanImportListsNothing) {
    schedule_.employeeCount = 1;
    schedule_.boardBuilt = 1;
    files_.files[kPath] = Bid().Row();
    desktop_.ChooseFile(kPath);

    const BidsLoadResult result = Load();

    EXPECT_TRUE(result.imported);
    EXPECT_TRUE(result.showBidsWindow);
    EXPECT_TRUE(desktop_.lists.empty());
    EXPECT_EQ(schedule_.modified, 1);
}

TEST_F(LoadBidsTest, CommandsThatEndEarlyChangeNothing) {
    schedule_.crewGroup = CrewGroup::FlightAttendants;
    EXPECT_FALSE(Load().imported);
    EXPECT_EQ(desktop_.MessageTexts(), Lines{"This Feature is for Pilot Use Only"});
    EXPECT_EQ(desktop_.messages[0].caption, "Tallowbright");
    EXPECT_TRUE(desktop_.choosers.empty());

    schedule_.crewGroup = CrewGroup::FirstOfficers;
    files_.files[kPath] = StandardFile();
    desktop_.ChooseFile(std::nullopt);
    EXPECT_FALSE(Load().imported);

    Employee(2).bidText = "KEPT";
    desktop_.ChooseFile(kPath);
    desktop_.Answer(Answer::Cancel);
    EXPECT_FALSE(Load().imported);

    EXPECT_EQ(Employee(0).bidText, "");
    EXPECT_EQ(Employee(2).bidText, "KEPT");
    EXPECT_TRUE(Requests(0).empty());
    EXPECT_TRUE(desktop_.progress.empty());
    EXPECT_EQ(schedule_.modified, 0);
    ASSERT_EQ(desktop_.messages.size(), 2u);
    EXPECT_EQ(desktop_.messages[1].text, kReplaceQuestion);
    EXPECT_EQ(desktop_.messages[1].buttons, MessageButtons::YesNoCancel);
}

TEST_F(LoadBidsTest, CurrentBidsAreDeletedOnlyAfterConfirmation) {
    const struct {
        std::vector<Answer> answers;
        const char* bravoAfter;
    } cases[] = {
        {{Answer::No}, "KEPT"},
        {{Answer::Yes, Answer::No}, "KEPT"},
        {{Answer::Yes, Answer::Yes}, ""},
    };
    files_.files[kPath] = StandardFile();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answers.size());
        ScriptedDesktop desktop;
        Employee(2).bidText = "KEPT";
        Employee(3).bidText = "OLD";
        desktop.ChooseFile(kPath);
        for (Answer answer : c.answers) {
            desktop.Answer(answer);
        }

        EXPECT_TRUE(LoadPilotBids(schedule_, desktop, files_).imported);
        EXPECT_EQ(Employee(2).bidText, c.bravoAfter);
        EXPECT_EQ(Employee(3).bidText, c.answers.size() == 2 && c.bravoAfter[0] == 0 ? "" : "OLD");
        EXPECT_EQ(Employee(0).bidText, kStandardText);
        const Lines expected = c.answers.size() == 1 ? Lines{kReplaceQuestion}
                                                     : Lines{kReplaceQuestion, kDeleteConfirmation};
        EXPECT_EQ(desktop.MessageTexts(), expected);
    }
}

TEST_F(LoadBidsTest, UnopenableFileEndsTheCommandAfterAConfirmedDeletion) {
    Employee(2).bidText = "GONE";
    Employee(2).phone1 = "stays";
    desktop_.ChooseFile("missing.csv");
    desktop_.Answer(Answer::Yes);
    desktop_.Answer(Answer::Yes);

    EXPECT_FALSE(Load().imported);

    EXPECT_EQ(desktop_.MessageTexts(),
              (Lines{kReplaceQuestion, kDeleteConfirmation, "Unable to Open File missing.csv"}));
    EXPECT_EQ(desktop_.messages[2].caption, "File Error");
    EXPECT_EQ(Employee(2).bidText, "");
    EXPECT_EQ(Employee(2).phone1, "stays");
    EXPECT_EQ(schedule_.modified, 1);
    EXPECT_TRUE(desktop_.progress.empty());
}

TEST_F(LoadBidsTest, EventLogFramesTheImport) {
    testing::TempFolder folder;
    const std::string logPath = folder / "JXDebug.txt";
    ASSERT_TRUE(schedule_.logFile.Open(logPath));
    files_.files[kPath] = StandardFile();
    desktop_.ChooseFile(kPath);

    ASSERT_TRUE(Load().imported);
    schedule_.logFile.Close();

    EXPECT_EQ(testing::TempFolder::Read(logPath), "LoadPilotBidsBegin\nLoadPilotBidsEnd\n");
}

}  // namespace
}  // namespace tallow
