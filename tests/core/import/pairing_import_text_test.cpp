// The pairing text built while reading, and the source lines kept with it.

#include <gtest/gtest.h>

#include "core/import/pairing_import.h"
#include "core/model/time_text.h"
#include "prg_fixture.h"

namespace tallow::testing {
namespace {

const TPair& ImportOne(TSchedule& schedule, const std::vector<std::string>& lines) {
    ScriptedDesktop desktop;
    ImportPairingText(schedule, Join(lines), "V8", false, desktop);
    EXPECT_EQ(schedule.SeatCount(), 1);
    return schedule.pairings[0];
}

TEST(PairingImportText, TheWholeTextOfATwoDayPairing) {
    auto schedule = MonthSchedule();
    const TPair& seat = ImportOne(*schedule, TwoDayPairing());
    const std::string expected =
        "    V8101   BSE REPT:07:00L   OPERATES - JAN.1-JAN.30 EXCEPT SAT SUN\n"
        "    CA01 FO01                        \n"
        " \n"
        "  1     123   YVR-YYC   08:00 09:20   1:20  1:20   0:00   0:00   6:00  YYC 15:00\n"
        "    REPT: 07:00 D-END: 13:00 HOTEL ARLINGTON                        \n"
        "  2     124   YYC-YVR   10:00 11:20   1:20  1:20   0:00   0:00   2:50 \n"
        "    REPT: 09:00 D-END: 11:50\n"
        "   TOTALS  TAFB 28:50   BLOCK  2:40   CREDIT 10:00   FAT UNITS: 10:50   DUTY:  8:50 \n";
    EXPECT_EQ(seat.displayText, expected);
    EXPECT_EQ(seat.sourceText, Join(TwoDayPairing()));
    EXPECT_EQ(seat.seriesCode, "V8");
    EXPECT_EQ(seat.route, "YYC");
    EXPECT_EQ(seat.fatigueUnits, 650);
    EXPECT_EQ(seat.totalCredit, 600);
    EXPECT_EQ(seat.tafb, 1730);
    EXPECT_EQ(seat.dailyStart[0], 420);
    EXPECT_EQ(seat.dailyStart[1], 540);
    EXPECT_EQ(seat.dailyDuty[0], 360);
    EXPECT_EQ(seat.dailyDuty[1], 170);
    EXPECT_EQ(seat.dailyHard[1], 80);
}

TEST(PairingImportText, HeaderDaysOfTheWeekAndExceptionDates) {
    struct HeaderCase {
        std::string weekdays;
        std::string exceptions;
        std::string firstLineEnd;
        std::string secondLineEnd;
    };
    const HeaderCase cases[] = {
        {"YNYNNNN", "", "JAN.30 MON WED\n", "FO01                        \n"},
        {"YYYYYYY", "", "JAN.30 EXCEPT\n", "FO01                        \n"},
        {"NNNNNNN", "", "JAN.30\n", "FO01                        \n"},
        {"YYYNYYN", "011501220000", "JAN.30 EXCEPT THU SUN\n",
         "FO01                       EXCEPT JAN.15 JAN.22  \n"},
        {"YYYYYYY", "0000020512050105", "JAN.30 EXCEPT\n",
         "FO01                       EXCEPT FEB.05 DEC.05 JAN.05  \n"},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.weekdays + " " + c.exceptions);
        auto schedule = MonthSchedule();
        PrgHeader header;
        header.weekdays = c.weekdays;
        header.exceptions = c.exceptions;
        const TPair& seat = ImportOne(*schedule, {header.Line()});
        const size_t firstEnd = seat.displayText.find('\n') + 1;
        const size_t secondEnd = seat.displayText.find('\n', firstEnd) + 1;
        EXPECT_TRUE(seat.displayText.substr(0, firstEnd).ends_with(c.firstLineEnd))
            << seat.displayText;
        EXPECT_TRUE(seat.displayText.substr(0, secondEnd).ends_with(c.secondLineEnd))
            << seat.displayText;
    }
}

TEST(PairingImportText, DeadheadsSurfaceTransfersAndTheCrewOnDuty) {
    auto schedule = MonthSchedule();
    PrgLeg leg;
    leg.flight = "0087";
    leg.deadhead = true;
    PrgDuty crew;
    crew.duty = 0;
    crew.freeText = "CA SMITH FO JONES";
    PrgDuty last;
    last.date = "20240106";
    last.freeText = "";
    const TPair& seat = ImportOne(*schedule, {PrgHeader{}.Line(), leg.Line(), PrgDeadhead{}.Line(),
                                              PrgSurface{}.Line(), crew.Line(), last.Line()});
    const std::string body = seat.displayText.substr(seat.displayText.find("\n \n") + 3);
    const std::string expected =
        "  1  DH 087   YVR-YYC   08:00 09:20   1:20\n"
        "  1 DHAC 456  YYC-YEG   10:00 11:00         OAL\n"
        "  1     LIM   YEG-YXD   11:40 12:10              1:20   0:00   0:00   0:00 \n"
        "     CREW ON DUTY CA SMITH FO JONES                        1:20   0:00   0:00   6:00 \n"
        "    REPT: 07:00 D-END: 13:00\n"
        "   TOTALS  TAFB 28:50   BLOCK  2:40   CREDIT 10:00   FAT UNITS:  8:00   DUTY:  6:00 \n";
    EXPECT_EQ(body, expected);
    // 60 for the leg and the deadhead, none for the surface transfer.
    EXPECT_EQ(seat.fatigueUnits, 2 * 60 + 360);
}

TEST(PairingImportText, DetailsOfFurtherOperationsAreNotReadAgain) {
    auto schedule = MonthSchedule();
    std::vector<std::string> lines = TwoDayPairing("20240105");
    std::vector<std::string> again = TwoDayPairing("20240112");
    lines.insert(lines.end(), again.begin(), again.end());
    const TPair& seat = ImportOne(*schedule, lines);
    EXPECT_EQ(seat.sourceText, Join(TwoDayPairing("20240105")));
    EXPECT_EQ(seat.displayText.find("TOTALS"), seat.displayText.rfind("TOTALS"));
}

TEST(PairingImportText, TimesAreWrittenAsFormatTimeWritesThem) {
    // Signed and long values as the columns may hold them.
    for (const int minutes : {0, 5, 59, 60, 605, 6000, 99999, -1, -30, -90, -659, -6000}) {
        SCOPED_TRACE(minutes);
        auto schedule = MonthSchedule();
        PrgHeader header;
        header.tafb = minutes;
        header.credit = 0;
        PrgDuty last;
        last.freeText = "";
        last.totals = {0, 0, 0};
        std::string line = last.Line();
        line.replace(114, 4, Format("%4d", minutes));  // the first printed total
        const TPair& seat = ImportOne(*schedule, {header.Line(), line});
        const std::string duration = FormatTime(minutes, true, true);
        const std::string clock = FormatTime(minutes, false, true);
        if (minutes > -1000 && minutes < 10000) {
            EXPECT_NE(seat.displayText.find(" " + duration + "   0:00   0:00   6:00 \n"),
                      std::string::npos)
                << seat.displayText;
        }
        EXPECT_NE(seat.displayText.find("TAFB " + clock + "  "), std::string::npos)
            << seat.displayText;
    }
}

}  // namespace
}  // namespace tallow::testing
