#include "core/import/lis_scan.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/app/settings.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "core/platform/file_system.h"
#include "extract_fixture.h"
#include "support/lis_literal.h"
#include "support/lis_sample.h"
#include "support/scripted_desktop.h"

namespace tallow {
namespace {

using testing::ScriptedDesktop;

constexpr size_t kPilotDistance = 71;
constexpr size_t kCabinDistance = 63;
constexpr size_t kFlightColumn = 9;

struct Leg {
    std::string flight;
    std::string marker;  // "CRA [" .. or blanks
};

std::string LegLine(int day, const std::string& flight) {
    return Format("  %d    %s   YVR-YYC   08:00 09:30   1:30\n", day, flight.c_str());
}

// A pairing text with one leg line per leg, as the pairing import writes it.
std::string PairingText(const std::string& designator, const std::vector<Leg>& legs) {
    std::string text = "    " + designator + "   BSE REPT:07:00L   OPERATES - JAN.1-JAN.31 \n";
    int day = 1;
    for (const Leg& leg : legs) {
        text += LegLine(day++, leg.flight);
    }
    return text + "   TOTALS  TAFB 10:00  ";
}

struct ListingExtras {
    bool french = false;
    bool mealsUs = false;
    size_t distance = kPilotDistance;
};

std::string Listing(const std::string& designator, const std::vector<Leg>& legs,
                    ListingExtras extras = {}) {
    std::string text = "\n PAIRING " + designator + "  EFFECTIVE JAN01\n";
    for (const Leg& leg : legs) {
        std::string line(kFlightColumn + extras.distance + 10, ' ');
        line.replace(kFlightColumn, leg.flight.size(), leg.flight);
        line.replace(kFlightColumn + kPilotDistance - kCabinDistance, 4, "GT42");
        line.replace(kFlightColumn + extras.distance, leg.marker.size(), leg.marker);
        text += line + "\n";
    }
    if (extras.french) {
        text += "   LANGUAGE: FRENCH\n";
    }
    text +=
        extras.mealsUs ? "   MEALS US:  12.50  MEALS CAD:  45.00  \n" : "   MEALS CAD:  45.00  \n";
    return text;
}

class LisScanTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ScriptedDesktop desktop;
        schedule_->SetPeriod(Date::FromDmy(1, 1, 2025), Date::FromDmy(31, 1, 2025), desktop);
    }

    TPair& AddSeat(int32_t number, const std::vector<Leg>& legs) {
        TPair& seat = schedule_->pairings[static_cast<size_t>(++schedule_->lastPairing)];
        seat.number = number;
        seat.seriesCode = "V8";
        seat.displayText = PairingText(Format("V%04d", number), legs);
        return seat;
    }

    TPair& Seat(int s) { return schedule_->pairings[static_cast<size_t>(s)]; }

    std::unique_ptr<TSchedule> schedule_ = std::make_unique<TSchedule>();
};

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// ---------------------------------------------------------------- share marks

struct ShareCase {
    int cra, crj, dh1, e75;
    std::string mark;
    std::string summary;
};

TEST_F(LisScanTest, ShareOfCraLegsPicksTheMarkAndSummaryLine) {
    const std::vector<ShareCase> cases = {
        {3, 1, 0, 0, " *** CRA>74% CRA>49% CRA>24% CRA>0% *** ", "V8101 is CRA > 74%."},
        {0, 0, 0, 0, " *** CRA=0% *** ", "V8101 is CRA 0%."},
        {2, 0, 0, 0, " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** ", "V8101 is CRA 100%."},
        {99, 0, 0, 1, " *** CRA>74% CRA>49% CRA>24% CRA>0% *** ", "V8101 is CRA > 74%."},
        {3, 0, 1, 0, " *** CRA>74% CRA>49% CRA>24% CRA>0% *** ", "V8101 is CRA > 74%."},
        {1, 0, 1, 0, " *** CRA>49% CRA>24% CRA>0% *** ", "V8101 is CRA > 49%."},
        {1, 1, 1, 1, " *** CRA>24% CRA>0% *** ", "V8101 is CRA > 24%."},
        {1, 0, 0, 4, " *** CRA>0% *** ", "V8101 is CRA > 0%."},
        {0, 1, 1, 1, " *** CRA=0% *** ", "V8101 is CRA 0%."},
    };
    for (const ShareCase& c : cases) {
        SCOPED_TRACE(c.mark + " " + std::to_string(c.cra));
        schedule_ = std::make_unique<TSchedule>();
        std::vector<Leg> legs;
        const std::pair<int, const char*> types[] = {
            {c.cra, "CRA ["}, {c.crj, "CRJ ["}, {c.dh1, "DH1 ["}, {c.e75, "E75 ["}};
        for (const auto& [count, marker] : types) {
            for (int k = 0; k < count; ++k) {
                legs.push_back({Format("%04d", 1000 + static_cast<int>(legs.size())), marker});
            }
        }
        TPair& seat = AddSeat(8101, legs);
        const LisScanOutcome outcome = ScanLisText(*schedule_, Listing("V8101", legs));
        EXPECT_TRUE(seat.displayText.ends_with(c.mark)) << seat.displayText;
        EXPECT_EQ(outcome.summary, c.summary);
        EXPECT_EQ(outcome.errors, "");
    }
}

// ------------------------------------------------------------------ leg tags

TEST_F(LisScanTest, TagsEachMarkedLegRightAfterItsBlockTime) {
    const std::vector<Leg> legs = {
        {"0101", "CRJ ["}, {"0102", "     "}, {"0103", "E75 ["}, {"0104", "DH1 ["}};
    TPair& seat = AddSeat(8101, legs);
    const LisScanOutcome outcome = ScanLisText(*schedule_, Listing("V8101", legs));
    EXPECT_NE(seat.displayText.find("  1    0101   YVR-YYC   08:00 09:30   1:30  CRJ\n"),
              std::string::npos)
        << seat.displayText;
    EXPECT_NE(seat.displayText.find("  2    0102   YVR-YYC   08:00 09:30   1:30\n"),
              std::string::npos);
    EXPECT_NE(seat.displayText.find("09:30   1:30  E75\n"), std::string::npos);
    EXPECT_NE(seat.displayText.find("09:30   1:30  DH1\n"), std::string::npos);
    EXPECT_EQ(outcome.errors, "");
}

TEST_F(LisScanTest, LegsWithTheSameFlightNumberAreTaggedFromTheLastBackwards) {
    const std::vector<Leg> legs = {{"0101", "CRA ["}, {"0101", "CRA ["}, {"0101", "CRJ ["}};
    TPair& seat = AddSeat(8101, legs);
    ScanLisText(*schedule_, Listing("V8101", legs));
    // Both types search from the text's end, so the last leg line carries both
    // tags and the first CRA leg of the listing lands on the second line.
    EXPECT_NE(seat.displayText.find("  1    0101   YVR-YYC   08:00 09:30   1:30\n"),
              std::string::npos)
        << seat.displayText;
    EXPECT_NE(seat.displayText.find("  2    0101   YVR-YYC   08:00 09:30   1:30  CRA\n"),
              std::string::npos);
    EXPECT_NE(seat.displayText.find("  3    0101   YVR-YYC   08:00 09:30   1:30  CRJ  CRA\n"),
              std::string::npos);
}

TEST_F(LisScanTest, FlightNumberDistanceDependsOnTheCrewGroup) {
    const std::vector<Leg> legs = {{"0101", "CRA ["}};
    for (const bool cabin : {false, true}) {
        SCOPED_TRACE(cabin);
        schedule_ = std::make_unique<TSchedule>();
        schedule_->crewGroup = cabin ? CrewGroup::FlightAttendants : CrewGroup::Captains;
        TPair& seat = AddSeat(8101, legs);
        // The listing is laid out for pilots: in a cabin schedule the four
        // characters 63 before the marker are its gate, on no leg line.
        const LisScanOutcome outcome =
            ScanLisText(*schedule_, Listing("V8101", legs, {.distance = kPilotDistance}));
        EXPECT_EQ(seat.displayText.find("  CRA\n") != std::string::npos, !cabin);
        EXPECT_EQ(outcome.errors, cabin ? "V8101 Flight Number not Located." : "");
    }
    schedule_ = std::make_unique<TSchedule>();
    schedule_->crewGroup = CrewGroup::FlightAttendants;
    TPair& seat = AddSeat(8101, legs);
    ScanLisText(*schedule_, Listing("V8101", legs, {.distance = kCabinDistance}));
    EXPECT_NE(seat.displayText.find("1:30  CRA\n"), std::string::npos);
}

TEST_F(LisScanTest, MarkerNearTheBlockStartCountsButTagsNothing) {
    const std::vector<Leg> legs = {{"0101", "CRJ ["}};
    TPair& seat = AddSeat(8101, legs);
    std::string lis = Listing("V8101", legs);
    lis.replace(lis.find("EFFECTIVE"), 5, "CRA [");
    const LisScanOutcome outcome = ScanLisText(*schedule_, lis);
    EXPECT_EQ(outcome.summary, "V8101 is CRA > 49%.");
    EXPECT_EQ(outcome.errors, "");
    EXPECT_EQ(Count(seat.displayText, "  CRA"), 0);
    EXPECT_EQ(Count(seat.displayText, "  CRJ"), 1);
}

TEST_F(LisScanTest, UnknownFlightNumberIsAnErrorLine) {
    TPair& seat = AddSeat(8101, {{"0101", "CRA ["}});
    const LisScanOutcome outcome = ScanLisText(*schedule_, Listing("V8101", {{"0999", "CRA ["}}));
    EXPECT_EQ(outcome.errors, "V8101 Flight Number not Located.");
    EXPECT_EQ(Count(seat.displayText, "  CRA"), 0);
    EXPECT_EQ(outcome.summary, "V8101 is CRA 100%.");
}

// ------------------------------------------------------------ finding blocks

TEST_F(LisScanTest, BlockStartsAtTheLastOccurrenceOfTheDesignator) {
    const std::vector<Leg> legs = {{"0101", "CRA ["}};
    TPair& seat = AddSeat(8101, legs);
    // A later listing names V8101 again: its block, without markers, is used.
    const std::string lis = Listing("V8101", legs) + Listing("V8102 SEE ALSO V8101", {});
    const LisScanOutcome outcome = ScanLisText(*schedule_, lis);
    EXPECT_EQ(outcome.summary, "V8101 is CRA 0%.");
    EXPECT_EQ(Count(seat.displayText, "  CRA"), 0);
}

TEST_F(LisScanTest, MissingPairingsAndBlocksBecomeErrorLinesAndOthersAreScanned) {
    AddSeat(8101, {});
    TPair& found = AddSeat(8102, {{"0101", "CRA ["}});
    AddSeat(8103, {});
    const std::string lis = Listing("V8102", {{"0101", "CRA ["}}) + "\n PAIRING V8103  CUT SHORT\n";
    const LisScanOutcome outcome = ScanLisText(*schedule_, lis);
    EXPECT_EQ(outcome.errors,
              "V8101 Not Found in LIS File."
              "V8103Incomplete in LIS File. Can't Locate MEALS CAD:");
    EXPECT_EQ(outcome.summary, "V8102 is CRA 100%.");
    EXPECT_NE(found.displayText.find("1:30  CRA\n"), std::string::npos);
    EXPECT_EQ(Seat(0).displayText, PairingText("V8101", {}));
}

TEST_F(LisScanTest, DesignatorIsTheSeriesLetterAndFourDigits) {
    TPair seat;
    seat.seriesCode = "Y4";
    seat.number = 42;
    EXPECT_EQ(LisDesignator(seat), "Y0042");
}

// ------------------------------------------------------------- French marks

TEST_F(LisScanTest, CabinPairingsListedFrenchAreMarkedOnceAndCounted) {
    schedule_->crewGroup = CrewGroup::FlightAttendants;
    TPair& french = AddSeat(8101, {});
    TPair& plain = AddSeat(8102, {});
    const std::string lis =
        Listing("V8101", {}, {.french = true}) + Listing("V8102", {}, {.french = false});
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        const LisScanOutcome outcome = ScanLisText(*schedule_, lis);
        EXPECT_EQ(Count(french.displayText, " FRENCH PAIRING"), 1);
        EXPECT_EQ(Count(plain.displayText, "FRENCH"), 0);
        EXPECT_EQ(outcome.frenchCount, 1);
        EXPECT_EQ(outcome.summary, "V8101 is French Pairing.V8101 is CRA 0%.V8102 is CRA 0%.");
    }
    // Listed without the mark now: the mark goes, with its leading blank.
    const std::string before = french.displayText;
    ScanLisText(*schedule_, Listing("V8101", {}) + Listing("V8102", {}));
    EXPECT_EQ(french.displayText.find("FRENCH"), std::string::npos) << french.displayText;
    EXPECT_EQ(french.displayText.size(), before.size() - 15 + 2);
}

TEST_F(LisScanTest, FrenchMarkAtTheTextStartIsKept) {
    schedule_->crewGroup = CrewGroup::FlightAttendants;
    TPair& seat = AddSeat(8101, {});
    seat.displayText = "FRENCH PAIRING " + seat.displayText;
    ScanLisText(*schedule_, Listing("V8101", {}));
    EXPECT_TRUE(seat.displayText.starts_with("FRENCH PAIRING "));
}

TEST_F(LisScanTest, PilotScheduleIgnoresFrench) {
    TPair& seat = AddSeat(8101, {});
    seat.displayText += " FRENCH PAIRING";
    const LisScanOutcome outcome = ScanLisText(*schedule_, Listing("V8101", {}, {.french = true}));
    EXPECT_EQ(Count(seat.displayText, " FRENCH PAIRING"), 1);
    EXPECT_EQ(outcome.frenchCount, 0);
    EXPECT_EQ(outcome.summary, "V8101 is CRA 0%.");
}

// ------------------------------------------------------ meals and rescanning

TEST_F(LisScanTest, UsMealLineIsCopiedUpToTheBlocksSecondToLastCharacter) {
    TPair& seat = AddSeat(8101, {});
    ScanLisText(*schedule_, Listing("V8101", {}, {.mealsUs = true}));
    EXPECT_TRUE(
        seat.displayText.ends_with(" *** CRA=0% *** \n   MEALS US:  12.50  MEALS CAD:  45.0"))
        << seat.displayText;
}

TEST_F(LisScanTest, ScanningTwiceKeepsOneShareMarkAndMealLineButTagsLegsAgain) {
    const std::vector<Leg> legs = {{"0101", "CRA ["}, {"0102", "CRJ ["}};
    TPair& seat = AddSeat(8101, legs);
    const std::string lis = Listing("V8101", legs, {.mealsUs = true});
    ScanLisText(*schedule_, lis);
    ScanLisText(*schedule_, lis);
    EXPECT_EQ(Count(seat.displayText, "***"), 2) << seat.displayText;
    EXPECT_EQ(Count(seat.displayText, " *** CRA>49% CRA>24% CRA>0% *** "), 1);
    EXPECT_EQ(Count(seat.displayText, "MEALS US:"), 1);
    EXPECT_NE(seat.displayText.find("1:30  CRA  CRA\n"), std::string::npos);
    EXPECT_NE(seat.displayText.find("1:30  CRJ  CRJ\n"), std::string::npos);
    EXPECT_TRUE(seat.displayText.ends_with("\n   MEALS US:  12.50  MEALS CAD:  45.0"));
}

TEST_F(LisScanTest, RescanReplacesTheShareMarkAndDropsAVanishedMealLine) {
    const std::vector<Leg> legs = {{"0101", "CRA ["}};
    TPair& seat = AddSeat(8101, legs);
    ScanLisText(*schedule_, Listing("V8101", legs, {.mealsUs = true}));
    ScanLisText(*schedule_, Listing("V8101", {{"0101", "E75 ["}}));
    EXPECT_EQ(Count(seat.displayText, "***"), 2);
    EXPECT_TRUE(seat.displayText.ends_with(" *** CRA=0% *** ")) << seat.displayText;
    EXPECT_EQ(seat.displayText.find("MEALS"), std::string::npos);
}

// ---------------------------------------------------------- file text start

TEST(LisFileText, SkipsANonTextHeaderAndStopsAtAZeroByte) {
    const std::string text(8000, 'x');
    struct Case {
        std::string bytes;
        size_t start;
        size_t length;
    };
    const std::vector<Case> cases = {
        {text, 0, 8000},
        {std::string(800, '\0') + text, 800, 8000},
        {std::string(850, '\0') + text, 900, 7950},
        {std::string(2450, '\0') + text, 2500, 7950},
        {std::string(2550, '\0') + text, 0, 0},
        {text + std::string(1, '\0') + text, 0, 8000},
        {std::string(7499, 'x'), 0, 0},
        {std::string(7500, 'x'), 0, 7500},
        {std::string(3000, 'x') + std::string(1, '\0') + text, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.size());
        const std::string_view taken = LisFileText(c.bytes);
        EXPECT_EQ(taken.size(), c.length);
        if (c.length > 0) {
            EXPECT_EQ(taken.data(), c.bytes.data() + c.start);
        }
    }
}

// ------------------------------------------------------------------ command

class LisScanCommandTest : public LisScanTest {
  protected:
    // A file as the crew-tracking system prints it: a header that is not
    // text, then the listings padded out to the length the reader needs.
    void AddFile(const std::string& path, const std::string& listings) {
        files_.files[path] = std::string(600, '\0') + listings + std::string(8000, ' ');
    }

    bool Run() { return ScanLisFiles(*schedule_, desktop_, files_, settings_); }

    ScriptedDesktop desktop_;
    testing::MemoryFiles files_;
    Settings settings_{"/config/tallow.ini", files_, "/home/scheduler"};
};

TEST_F(LisScanCommandTest, ScansTheChosenFilesAndShowsErrorsAndSummary) {
    schedule_->crewGroup = CrewGroup::FlightAttendants;
    AddSeat(8101, {{"0101", "CRA ["}});
    AddSeat(8102, {});
    AddSeat(8103, {});
    settings_.SetText(keys::LastFrenchPath, "/lis/old");
    AddFile("/lis/jan/LISJAN1.LIS",
            Listing("V8101", {{"0101", "CRA ["}}, {.french = true, .distance = kCabinDistance}));
    AddFile("/lis/jan/lisjan2.lis", Listing("V8102", {}));
    desktop_.ChooseFiles({"/lis/jan/LISJAN1.LIS", "/lis/jan/lisjan2.lis"});
    const std::string logPath = ::testing::TempDir() + "lis_scan_command_log.txt";
    ASSERT_TRUE(schedule_->logFile.Open(logPath));

    EXPECT_TRUE(Run());
    schedule_->logFile.Close();
    std::string log;
    ASSERT_TRUE(LocalFiles().ReadFile(logPath, log));
    EXPECT_EQ(log,
              "Scanning Pairing V8101 for CRA legs\nScanning Pairing V8102 for CRA legs\n"
              "Scanning Pairing V8103 for CRA legs\n");
    ASSERT_EQ(desktop_.choosers.size(), 1u);
    EXPECT_EQ(desktop_.choosers[0].title, "Flag ACType/FR Pairs from LIS. CTRL for Multiple Files");
    EXPECT_EQ(desktop_.choosers[0].filter, "LIS Pairing Files(*.LIS)|*.lis|All Files (*.*)|*.*");
    EXPECT_EQ(desktop_.choosers[0].initialFolder, "/lis/old");
    EXPECT_EQ(settings_.Text(keys::LastFrenchPath), "/lis/jan");

    ASSERT_EQ(desktop_.lists.size(), 2u);
    EXPECT_EQ(desktop_.lists[0].title, "Flag CRA and French Pairings Errors");
    EXPECT_EQ(desktop_.lists[0].lines, std::vector<std::string>{"V8103 Not Found in LIS File"});
    EXPECT_EQ(desktop_.lists[1].title, "Flag French Pairings from LIS Summary");
    EXPECT_EQ(desktop_.lists[1].lines,
              (std::vector<std::string>{"Total Pairings 3", "1 Pairings Flagged as French",
                                        "V8101 is French Pairing", "V8101 is CRA 100%",
                                        "V8102 is CRA 0%"}));
    EXPECT_NE(Seat(0).displayText.find("1:30  CRA\n"), std::string::npos);
    EXPECT_EQ(schedule_->modified, 1);

    ASSERT_EQ(desktop_.progress.size(), 1u);
    const testing::ProgressRecord& progress = desktop_.progress[0];
    EXPECT_EQ(progress.title, "Scanning LIS Pairings");
    EXPECT_TRUE(progress.closed);
    ASSERT_EQ(progress.updates.size(), 4u);
    EXPECT_EQ(progress.updates[0].first, "Processing Pairing V8101");
    EXPECT_EQ(progress.updates[2].first, "Processing Pairing V8103");
    EXPECT_EQ(progress.updates[3], (std::pair<std::string, int>{"Processing Pairings", 100}));
}

TEST_F(LisScanCommandTest, CancelMarksTheScheduleModifiedAndReadsNothing) {
    AddSeat(8101, {});
    const std::string before = Seat(0).displayText;
    desktop_.ChooseFiles({});
    EXPECT_TRUE(Run());
    EXPECT_EQ(schedule_->modified, 1);
    EXPECT_TRUE(desktop_.lists.empty());
    EXPECT_EQ(Seat(0).displayText, before);
}

TEST_F(LisScanCommandTest, FileNamedForAnotherMonthAsksAndNoChoosesAgain) {
    AddSeat(8101, {});
    AddFile("/lis/LISDEC.TXT", Listing("V8101", {}));
    AddFile("C:\\lis\\jan\\lisjan.lis", Listing("V8101", {{"0101", "CRA ["}}));
    desktop_.ChooseFiles({"/lis/LISDEC.TXT"});
    desktop_.Answer(Answer::No);
    desktop_.ChooseFiles({"C:\\lis\\jan\\lisjan.lis"});

    EXPECT_TRUE(Run());
    ASSERT_EQ(desktop_.messages.size(), 1u);
    EXPECT_EQ(desktop_.messages[0].text,
              "LISDEC.TXT does not contain JAN in the File Name. Are you sure this is the "
              "correct LIS File");
    EXPECT_EQ(desktop_.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(desktop_.choosers.size(), 2u);
    EXPECT_EQ(desktop_.lists.back().lines.back(), "V8101 is CRA 100%");
}

TEST_F(LisScanCommandTest, TooLittleTextEndsWithoutChangingAnything) {
    AddSeat(8101, {});
    const std::string before = Seat(0).displayText;
    files_.files["/lis/jan.lis"] = std::string(7000, 'x');
    desktop_.ChooseFiles({"/lis/jan.lis", "/lis/missingjan.lis"});
    EXPECT_FALSE(Run());
    EXPECT_EQ(desktop_.MessageTexts(),
              (std::vector<std::string>{
                  "Unable to Open File /lis/missingjan.lis",
                  "Unable to Read Data from one or more LIS File(s). Try opening file(s) in "
                  "WordPad and Save as Type Text Document."}));
    EXPECT_EQ(schedule_->modified, 0);
    EXPECT_TRUE(desktop_.lists.empty());
    EXPECT_EQ(Seat(0).displayText, before);
}

TEST_F(LisScanCommandTest, FileLargerThanTheBufferIsCut) {
    AddSeat(8101, {});
    // The listing sits past the buffer's end and is lost.
    files_.files["/lis/jan.lis"] =
        std::string(kLisBufferBytes, 'x') + Listing("V8101", {{"0101", "CRA ["}});
    desktop_.ChooseFiles({"/lis/jan.lis"});
    EXPECT_TRUE(Run());
    EXPECT_EQ(desktop_.MessageTexts(),
              std::vector<std::string>{"LIS File is Larger than buffer. Some data was not "
                                       "Loaded"});
    ASSERT_EQ(desktop_.lists.size(), 2u);
    EXPECT_EQ(desktop_.lists[0].lines, std::vector<std::string>{"V8101 Not Found in LIS File"});
}

// ------------------------------------------------- indexed against literal

TEST(LisScanProperty, IndexedScanMatchesTheLiteralSearchOnGeneratedMonths) {
    for (const bool cabin : {false, true}) {
        TSchedule schedule;
        schedule.crewGroup = cabin ? CrewGroup::FlightAttendants : CrewGroup::Captains;
        for (uint32_t seed = 1; seed <= 60; ++seed) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed << " cabin " << cabin);
            testing::LisSampleOptions options;
            options.seed = seed;
            options.seats = 10 + static_cast<int32_t>(seed % 50);
            options.cabin = cabin;
            options.files = 1 + static_cast<int>(seed % 3);
            options.fileBytes = seed % 4 == 0 ? 20000 : 0;
            const testing::LisSample sample = testing::MakeLisSample(options);
            const std::string lis = sample.Text();

            std::vector<TPair> literal(sample.seats.size());
            for (size_t s = 0; s < sample.seats.size(); ++s) {
                schedule.pairings[s].CopyFrom(sample.seats[s]);
                literal[s].CopyFrom(sample.seats[s]);
            }
            schedule.lastPairing = static_cast<int32_t>(sample.seats.size()) - 1;
            // Twice: the second run meets the marks of the first.
            for (int run = 0; run < 2; ++run) {
                const LisScanOutcome indexed = ScanLisText(schedule, lis);
                const LisScanOutcome expected = testing::ScanLisLiteral(
                    literal, static_cast<int32_t>(literal.size()), cabin, lis);
                ASSERT_EQ(indexed.errors, expected.errors);
                ASSERT_EQ(indexed.summary, expected.summary);
                ASSERT_EQ(indexed.frenchCount, expected.frenchCount);
                for (size_t s = 0; s < literal.size(); ++s) {
                    ASSERT_EQ(schedule.pairings[s].displayText, literal[s].displayText) << s;
                }
            }
        }
    }
}

TEST(LisScanProperty, GeneratedMonthsReachEveryOutcome) {
    // The comparison above is only worth as much as the months it sees.
    std::string errors;
    std::string summary;
    TSchedule schedule;
    schedule.crewGroup = CrewGroup::FlightAttendants;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        const testing::LisSample sample =
            testing::MakeLisSample({.seed = seed, .seats = 40, .cabin = true});
        for (size_t s = 0; s < sample.seats.size(); ++s) {
            schedule.pairings[s].CopyFrom(sample.seats[s]);
        }
        schedule.lastPairing = static_cast<int32_t>(sample.seats.size()) - 1;
        const LisScanOutcome outcome = ScanLisText(schedule, sample.Text());
        errors += outcome.errors;
        summary += outcome.summary;
    }
    for (const char* part :
         {" Not Found in LIS File.", "Incomplete in LIS File.", " Flight Number not Located."}) {
        EXPECT_NE(errors.find(part), std::string::npos) << part;
    }
    for (const char* part : {"is French Pairing.", "is CRA 100%.", "is CRA > 74%.", "is CRA > 49%.",
                             "is CRA > 24%.", "is CRA > 0%.", "is CRA 0%."}) {
        EXPECT_NE(summary.find(part), std::string::npos) << part;
    }
}

}  // namespace
}  // namespace tallow
