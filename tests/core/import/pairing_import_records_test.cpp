// How the records of a PRG file become seats: copies per crew complement,
// repeated header groups, the selection, report times, routes and rests.

#include <gtest/gtest.h>

#include <set>

#include "core/import/pairing_import.h"
#include "prg_fixture.h"

namespace tallow::testing {
namespace {

PairingImportResult Import(TSchedule& schedule, const std::vector<std::string>& lines,
                           ScriptedDesktop& desktop, std::string_view code = "V8",
                           bool skipEquipment = false) {
    return ImportPairingText(schedule, Join(lines), code, skipEquipment, desktop);
}

std::vector<std::string> Concat(std::vector<std::vector<std::string>> groups) {
    std::vector<std::string> lines;
    for (auto& group : groups) {
        lines.insert(lines.end(), group.begin(), group.end());
    }
    return lines;
}

std::vector<std::string> WithComplement(const std::string& complement) {
    std::vector<std::string> lines = TwoDayPairing();
    PrgHeader header;
    header.complement = complement;
    lines[0] = header.Line();
    return lines;
}

struct CopiesCase {
    CrewGroup group;
    std::string complement;
    std::vector<std::string> positions;
};

TEST(PairingImportCopies, OneSeatPerCrewMemberOfTheSchedulesPosition) {
    const CopiesCase cases[] = {
        {CrewGroup::Captains, "CA01 FO02", {"CA"}},
        {CrewGroup::FirstOfficers, "CA01 FO02", {"FO", "FO"}},
        {CrewGroup::Captains, "CA02 FO01", {"CA", "CA"}},
        {CrewGroup::FlightAttendants, "FA02 PU01", {"PU", "FA", "FA"}},
        {CrewGroup::FlightAttendants, "PU01 FA03", {"PU", "FA", "FA", "FA"}},
    };
    for (const CopiesCase& c : cases) {
        SCOPED_TRACE(c.complement + " for crew group " + std::to_string(static_cast<int>(c.group)));
        auto schedule = MonthSchedule(c.group);
        ScriptedDesktop desktop;
        const PairingImportResult result = Import(*schedule, WithComplement(c.complement), desktop);
        EXPECT_TRUE(result.loaded);
        ASSERT_EQ(schedule->SeatCount(), static_cast<int32_t>(c.positions.size()));
        EXPECT_EQ(schedule->lastImportedPairing, schedule->lastPairing);
        const TPair& first = schedule->pairings[0];
        for (size_t s = 0; s < c.positions.size(); ++s) {
            const TPair& seat = schedule->pairings[s];
            EXPECT_EQ(seat.position, c.positions[s]);
            EXPECT_EQ(seat.number, 8101);
            EXPECT_EQ(seat.operates, first.operates);
            EXPECT_EQ(seat.sourceText, first.sourceText);
            EXPECT_EQ(seat.dailyCredit, first.dailyCredit);
        }
        EXPECT_TRUE(desktop.messages.empty());
    }
}

TEST(PairingImportCopies, AComplementWithoutThePositionStoresNothing) {
    auto schedule = MonthSchedule(CrewGroup::FirstOfficers);
    ScriptedDesktop desktop;
    const PairingImportResult result = Import(*schedule, WithComplement("CA02"), desktop);
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(schedule->lastPairing, -1);
    EXPECT_EQ(desktop.MessageTexts(),
              std::vector<std::string>{"Unable to load pairings from this file"});
    EXPECT_TRUE(result.pairingReport.empty());
}

TEST(PairingImportHeaders, RepeatedHeaderGroupsAddOnlyOperatingDays) {
    auto schedule = MonthSchedule();
    ScriptedDesktop desktop;
    std::vector<std::string> later = TwoDayPairing("20240110");
    // A later group with other details must not shape the pairing.
    PrgDuty changed;
    changed.date = "20240110";
    changed.credit = 999;
    changed.station = "YXE";
    later[2] = changed.Line();
    Import(*schedule, Concat({TwoDayPairing("20240105"), later, TwoDayPairing("20240115")}),
           desktop);

    ASSERT_EQ(schedule->SeatCount(), 1);
    const TPair& seat = schedule->pairings[0];
    std::set<int> operating;
    for (int d = 0; d < kPairDays; ++d) {
        if (seat.operates[static_cast<size_t>(d)] != 0) {
            operating.insert(d);
            EXPECT_EQ(seat.operates[static_cast<size_t>(d)], kOperatesOpen);
        }
    }
    EXPECT_EQ(operating, (std::set<int>{4, 9, 14}));
    EXPECT_EQ(seat.sourceText, Join(TwoDayPairing("20240105")));
    EXPECT_EQ(seat.dailyCredit[0], 300);
    EXPECT_EQ(seat.dailyCredit[1], 300);
    EXPECT_EQ(seat.route, "YYC");
    EXPECT_EQ(seat.fatigueUnits, 2 * 60 + 360 + 170);
}

TEST(PairingImportHeaders, ANumberRecurringAfterAnotherPairingStartsANewOne) {
    auto schedule = MonthSchedule();
    ScriptedDesktop desktop;
    Import(*schedule,
           Concat({TwoDayPairing("20240105"), TwoDayPairing("20240106", "V8102"),
                   TwoDayPairing("20240107")}),
           desktop);
    ASSERT_EQ(schedule->SeatCount(), 3);
    EXPECT_EQ(schedule->pairings[0].number, 8101);
    EXPECT_EQ(schedule->pairings[1].number, 8102);
    EXPECT_EQ(schedule->pairings[2].number, 8101);
    EXPECT_EQ(schedule->pairings[0].operates[4], kOperatesOpen);
    EXPECT_EQ(schedule->pairings[0].operates[6], 0);
    EXPECT_EQ(schedule->pairings[2].operates[6], kOperatesOpen);
    EXPECT_EQ(schedule->pairings[2].operates[4], 0);
}

struct SelectionCase {
    std::string code;
    bool skipEquipment;
    std::string title;
    std::set<int> numbers;
};

TEST(PairingImportSelection, TakesTheRecordsOfTheBaseAndEquipment) {
    const SelectionCase cases[] = {
        {"V8", false, "YVRDH8CAV", {8101}},
        {"V", true, "YVRDH8CAV", {8101, 2102, 7103}},
        {"V", false, "YVRDH8CAV", {}},
        {"C7", false, "YVRDH8CAV", {7105}},
        {"", false, "YVRDH8CAV", {8101}},
        {"", false, "YVRCRJCAV", {7103, 2102}},
        {"", false, "YYCCRJFOX", {7105, 2106}},
        {"", false, "XXXDH8CAV", {8101}},  // the ninth character, no station
        {"", false, "YYCE75CAV", {}},
        {"", false, "XXXXXXCAC", {}},  // no aircraft type, no equipment digit
        {"", true, "YYCDH8FAV", {8104, 7105, 2106}},
        {"", false, "ABC", {}},  // too short to name a base
    };
    std::vector<std::string> lines;
    for (const char* designator : {"V8101", "V2102", "V7103", "C8104", "C7105", "C2106"}) {
        const auto pairing = TwoDayPairing("20240105", designator);
        lines.insert(lines.end(), pairing.begin(), pairing.end());
    }
    for (const SelectionCase& c : cases) {
        SCOPED_TRACE("code \"" + c.code + "\" title " + c.title);
        auto schedule = MonthSchedule(CrewGroup::Captains, c.title);
        ScriptedDesktop desktop;
        const PairingImportResult result =
            ImportPairingText(*schedule, Join(lines), c.code, c.skipEquipment, desktop);
        EXPECT_TRUE(result.loaded);
        std::set<int> numbers;
        for (int32_t s = 0; s < schedule->SeatCount(); ++s) {
            numbers.insert(schedule->pairings[static_cast<size_t>(s)].number);
            // Every seat was assembled from its own records only.
            EXPECT_EQ(schedule->pairings[static_cast<size_t>(s)].fatigueUnits, 650);
        }
        EXPECT_EQ(numbers, c.numbers);
        EXPECT_EQ(desktop.messages.size(), c.numbers.empty() ? 1U : 0U);
    }
}

TEST(PairingImportHeaders, AReportAt2400IsMidnightOfTheNextDay) {
    auto schedule = MonthSchedule();
    ScriptedDesktop desktop;
    PrgHeader header;
    header.report = 1440;
    header.tafb = 600;
    header.credit = 300;
    PrgDuty duty;
    duty.date = "20240106";
    duty.freeText = "";
    Import(*schedule, {header.Line(), PrgLeg{}.Line(), duty.Line()}, desktop);
    ASSERT_EQ(schedule->SeatCount(), 1);
    const TPair& seat = schedule->pairings[0];
    EXPECT_EQ(seat.reportTime, 0);
    EXPECT_EQ(seat.releaseTime, 600);
    EXPECT_EQ(seat.operates[4], 0);
    EXPECT_EQ(seat.operates[5], kOperatesOpen);
    // The duty of the 6th is the pairing's first day.
    EXPECT_EQ(seat.dailyCredit[0], 300);
}

TEST(PairingImportHeaders, AReportAt2400OnTheMonthsLastDayMatchesNoPeriodDay) {
    // February's period runs from 31 January to 1 March.
    auto schedule = MonthSchedule(CrewGroup::Captains, "YVRDH8CAV", 2);
    ScriptedDesktop desktop;
    PrgHeader header;
    header.report = 1440;
    header.date = "20240131";
    PrgHeader later = header;
    later.date = "20240201";
    Import(*schedule, {header.Line(), later.Line()}, desktop);
    ASSERT_EQ(schedule->SeatCount(), 1);
    const TPair& seat = schedule->pairings[0];
    EXPECT_EQ(seat.operates[0], 0);
    EXPECT_EQ(seat.operates[1], 0);
    EXPECT_EQ(seat.operates[2], kOperatesOpen);
}

PrgDuty DutyOn(const std::string& date, const std::string& station, bool last = false) {
    PrgDuty duty;
    duty.date = date;
    duty.station = station;
    if (last) {
        duty.freeText = "";
    }
    return duty;
}

TEST(PairingImportRoute, OneStationPerDayWithoutTheReturnToBase) {
    struct RouteCase {
        std::vector<PrgDuty> duties;
        std::string route;
    };
    const RouteCase cases[] = {
        // A second duty on the same day keeps only the later station; a gap
        // of days repeats the station once.
        {{DutyOn("20240105", "YYC"), DutyOn("20240105", "YEG"), DutyOn("20240107", "YXE"),
          DutyOn("20240108", "YVR", true)},
         "YEGYEGYXE"},
        // A gap before any station repeats the record's own.
        {{DutyOn("20240107", "YXE"), DutyOn("20240108", "YVR", true)}, "YXEYXE"},
        {{DutyOn("20240105", "YVR", true)}, ""},
        {{DutyOn("20240105", "YYC"), DutyOn("20240106", "YVR", true)}, "YYC"},
    };
    for (const RouteCase& c : cases) {
        SCOPED_TRACE(c.route);
        auto schedule = MonthSchedule();
        ScriptedDesktop desktop;
        std::vector<std::string> lines = {PrgHeader{}.Line()};
        for (const PrgDuty& duty : c.duties) {
            lines.push_back(duty.Line());
        }
        Import(*schedule, lines, desktop);
        ASSERT_EQ(schedule->SeatCount(), 1);
        EXPECT_EQ(schedule->pairings[0].route, c.route);
    }
}

TEST(PairingImportRest, PilotsRestLongerAfterADutyUnlikeItsElapsedTime) {
    struct RestCase {
        CrewGroup group;
        int start;
        int end;
        int duty;
        int minRest;
    };
    const RestCase cases[] = {
        {CrewGroup::Captains, 1320, 360, 270, 780},  // 8:00 elapsed, 4:30 on duty
        {CrewGroup::Captains, 1320, 360, 420, 660},  // 7:00 on duty
        {CrewGroup::FirstOfficers, 420, 780, 179, 780},
        {CrewGroup::FirstOfficers, 420, 780, 181, 660},
        {CrewGroup::Captains, 600, 600, 1440, 660},          // equal times: a whole day
        {CrewGroup::FlightAttendants, 1320, 360, 270, 600},  // the header's value stays
    };
    for (const RestCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + "-" + std::to_string(c.end) + " duty " +
                     std::to_string(c.duty));
        auto schedule = MonthSchedule(c.group);
        ScriptedDesktop desktop;
        PrgHeader header;
        header.complement = "CA01 FO01 FA01";
        // An earlier duty that alone would give the other value: the last one decides.
        const int elapsed = c.start < c.end ? c.end - c.start : c.end - c.start + 1440;
        PrgDuty early;
        early.start = c.start;
        early.end = c.end;
        early.duty = c.minRest == 780 ? elapsed : 0;
        PrgDuty last;
        last.date = "20240106";
        last.start = c.start;
        last.end = c.end;
        last.duty = c.duty;
        last.freeText = "";
        Import(*schedule, {header.Line(), early.Line(), last.Line()}, desktop);
        ASSERT_EQ(schedule->SeatCount(), 1);
        EXPECT_EQ(schedule->pairings[0].minRestAfter, c.minRest);
    }
}

TEST(PairingImportRest, ADutyWithoutAStartTimeIsKeptButNotRead) {
    auto schedule = MonthSchedule();
    ScriptedDesktop desktop;
    PrgDuty blank;
    blank.credit = 500;
    std::string line = blank.Line();
    line.replace(30, 4, "  12");
    Import(*schedule, {PrgHeader{}.Line(), line}, desktop);
    ASSERT_EQ(schedule->SeatCount(), 1);
    const TPair& seat = schedule->pairings[0];
    EXPECT_EQ(seat.sourceText, PrgHeader{}.Line() + "\n" + line + "\n");
    EXPECT_EQ(seat.fatigueUnits, 0);
    EXPECT_EQ(seat.minRestAfter, 600);
    EXPECT_TRUE(seat.route.empty());
}

}  // namespace
}  // namespace tallow::testing
