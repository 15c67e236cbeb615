// The USA-segment scan after a pairing load, and the segment summary.

#include <gtest/gtest.h>

#include "core/import/pairing_import.h"
#include "core/import/segment_summary.h"
#include "core/import/usa_segment_scan.h"
#include "prg_fixture.h"

namespace tallow::testing {
namespace {

std::vector<std::string> Trip(const std::string& designator, const std::string& base,
                              const std::string& away) {
    PrgHeader header;
    header.designator = designator;
    PrgLeg out;
    out.designator = designator;
    out.from = base;
    out.to = away;
    PrgLeg back = out;
    back.from = away;
    back.to = base;
    PrgDuty last;
    last.designator = designator;
    last.freeText = "";
    last.station = base;
    return {header.Line(), out.Line(), back.Line(), last.Line()};
}

TEST(PairingImportUsaSegments, MarksSeatsDepartingFromAUsAirport) {
    auto schedule = MonthSchedule(CrewGroup::Captains, "YYZDH8CAZ");
    ScriptedDesktop desktop;
    std::vector<std::string> lines = Trip("Z8101", "YYZ", "LGA");
    for (const auto& trip : {Trip("Z8102", "YYZ", "YOW"), Trip("Z8103", "YYZ", "YNG")}) {
        lines.insert(lines.end(), trip.begin(), trip.end());
    }
    // Z8104 only arrives in the US on its last leg.
    PrgLeg onward;
    onward.designator = "Z8104";
    onward.from = "YOW";
    onward.to = "BOS";
    std::vector<std::string> last = Trip("Z8104", "YYZ", "YOW");
    last.insert(last.begin() + 3, onward.Line());
    lines.insert(lines.end(), last.begin(), last.end());
    ImportPairingText(*schedule, Join(lines), "Z8", false, desktop);

    ASSERT_EQ(schedule->SeatCount(), 4);
    const uint8_t marked[] = {1, 0, 1, 0};
    for (size_t s = 0; s < 4; ++s) {
        SCOPED_TRACE(s);
        const TPair& seat = schedule->pairings[s];
        EXPECT_EQ(seat.usaSegments, marked[s]);
        EXPECT_EQ(seat.displayText.ends_with("   USA SEGMENT "), marked[s] == 1);
        EXPECT_EQ(seat.displayText.find("USA SEGMENT"), seat.displayText.rfind("USA SEGMENT"));
    }
}

TEST(PairingImportUsaSegments, AScanClearsEarlierMarksFirst) {
    auto schedule = MonthSchedule();
    schedule->lastPairing = 1;
    schedule->pairings[0].usaSegments = 1;
    schedule->pairings[0].displayText = "  1     123   YVR-YYC   08:00 09:20   1:20\n";
    schedule->pairings[1].displayText = "  1     123   SEA-YVR   08:00 09:20   1:20\n";
    schedule->pairings[2].usaSegments = 1;
    ScriptedDesktop desktop;
    ScanUsaSegments(*schedule, desktop);
    EXPECT_EQ(schedule->pairings[0].usaSegments, 0);
    EXPECT_EQ(schedule->pairings[1].usaSegments, 1);
    EXPECT_EQ(schedule->pairings[2].usaSegments, 0);
    EXPECT_EQ(schedule->pairings[1].displayText,
              "  1     123   SEA-YVR   08:00 09:20   1:20\n   USA SEGMENT ");
}

TEST(PairingImportUsaSegments, ListedCodesFollowedByADash) {
    struct DashCase {
        std::string text;
        bool departs;
    };
    const DashCase cases[] = {
        {"YVR-SEA", false}, {"SEA-YVR", true},     {"xABR-", true},
        {"YNG-", true},     {"sea-", false},       {"AB-", false},
        {"ABR", false},     {"", false},           {"-", false},
        {"ABR -", false},   {"YUL-YYZ", false},    {"OPERATES - JAN.1-JAN.30", false},
        {"JAN-", true},     {"YYZ-LGA   ", false},
    };
    for (const DashCase& c : cases) {
        EXPECT_EQ(DepartsFromUsa(c.text), c.departs) << c.text;
    }
    EXPECT_EQ(kUsaAirports.size(), 1440U);
    // Every entry of the list is found.
    for (size_t at = 0; at < kUsaAirports.size(); at += 4) {
        EXPECT_TRUE(DepartsFromUsa(kUsaAirports.substr(at, 4))) << kUsaAirports.substr(at, 4);
    }
}

std::string LegLine(const std::string& designator, const std::string& from, const std::string& to,
                    int block) {
    PrgLeg leg;
    leg.designator = designator;
    leg.from = from;
    leg.to = to;
    leg.block = block;
    return leg.Line();
}

TEST(PairingImportSegmentSummary, BlockTimeAndDeadheadsPerCityPairAndCode) {
    PrgDeadhead deadhead;
    const std::string shortLeg = LegLine("V8101", "YEG", "YXE", 50).substr(0, 79);
    const std::string content = Join({
        PrgHeader{}.Line(),
        LegLine("V8101", "YVR", "YYC", 80),
        LegLine("V8101", "YVR", "YYC", 80),
        deadhead.Line(),
        LegLine("C8101", "YYC", "YVR", 95),
        LegLine("V2101", "YVR", "YYC", 60),
        shortLeg,
    });
    const std::string blank(16, ' ');
    EXPECT_EQ(BuildSegmentSummary(content),
              "         ----- V8 -----  ----- C8 -----  ----- V2 ----- \n"
              "YVR-YYC    02:40  DH  0" +
                  blank +
                  "    01:00  DH  0\n"
                  "YYC-YEG    00:00  DH  1" +
                  blank + blank +
                  "\n"
                  "YYC-YVR" +
                  blank + "    01:35  DH  0" + blank + "\n");
}

TEST(PairingImportSegmentSummary, ReadingStopsBeyond500CityPairsOr20Codes) {
    std::string pairs;
    for (int k = 0; k < 501; ++k) {
        pairs += LegLine("V8101", Digits(k, 3), "YVR", 60) + "\n";
    }
    pairs += LegLine("V8101", "000", "YVR", 60) + "\n";
    const std::string summary = BuildSegmentSummary(pairs);
    EXPECT_NE(summary.find("499-YVR"), std::string::npos);
    EXPECT_EQ(summary.find("500-YVR"), std::string::npos);
    EXPECT_NE(summary.find("000-YVR    01:00  DH  0"), std::string::npos);

    std::string codes;
    for (int k = 0; k < 21; ++k) {
        codes +=
            LegLine(std::string(1, static_cast<char>('A' + k)) + "8101", "YVR", "YYC", 60) + "\n";
    }
    codes += LegLine("A8101", "YVR", "YYC", 60) + "\n";
    const std::string columns = BuildSegmentSummary(codes);
    EXPECT_NE(columns.find(" ----- T8 ----- "), std::string::npos);
    EXPECT_EQ(columns.find(" ----- U8 ----- "), std::string::npos);
    EXPECT_NE(columns.find("YVR-YYC    01:00  DH  0"), std::string::npos);
    EXPECT_EQ(columns.find("02:00"), std::string::npos);
}

TEST(PairingImportSegmentSummary, AnEmptyFileHasOnlyTheHeading) {
    EXPECT_EQ(BuildSegmentSummary(""), "        \n");
    EXPECT_EQ(BuildSegmentSummary("garbage\n\n\x01\x02"), "        \n");
}

}  // namespace
}  // namespace tallow::testing
