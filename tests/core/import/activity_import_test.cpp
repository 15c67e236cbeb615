#include "core/import/activity_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/settings.h"
#include "core/import/prior_pairing_extract.h"
#include "core/model/airport_details.h"
#include "core/model/schedule.h"
#include "core/model/text_format.h"
#include "extract_fixture.h"
#include "support/scripted_desktop.h"
#include "support/temp_folder.h"

namespace tallow {
namespace {

using testing::FixedLine;
using testing::MemoryFiles;
using testing::ScriptedDesktop;
using Lines = std::vector<std::string>;

constexpr size_t kActivityLength = 1605;
constexpr size_t kPairingLength = 1177;

struct Duty {
    std::string date;
    int start;
    int end;
};

struct Block {
    std::string station;
    int hard;
    int credit;
};

// One line of the prior-period pairing extract.
struct PriorPairing {
    std::string designator{};
    std::string pairingDate{};
    std::string startDate{};
    int report = 0;
    int tafb = 0;
    int credit = 0;
    int rest = 0;
    std::vector<Duty> duties{};
    std::vector<Block> blocks{};

    std::string Line() const {
        FixedLine line(kPairingLength);
        line.Put(0, designator).Put(6, pairingDate).Put(14, startDate);
        line.Put(22, Format("%04d", report)).Put(44, Format("%06d", credit));
        line.Put(50, Format("%08d", tafb)).Put(66, Format("%04d", rest));
        for (size_t j = 0; j < duties.size(); ++j) {
            const size_t at = 70 + 24 * j;
            line.Put(at, duties[j].date).Put(at + 8, Format("%04d", duties[j].start));
            line.Put(at + 20, Format("%04d", duties[j].end));
        }
        for (size_t k = 0; k < blocks.size(); ++k) {
            const size_t at = 814 + 11 * k;
            line.Put(at, blocks[k].station).Put(at + 3, Format("%04d", blocks[k].hard));
            line.Put(at + 7, Format("%04d", blocks[k].credit));
        }
        return line.Text();
    }
};

std::string PairingEntry(const std::string& designator, const std::string& date) {
    return FixedLine(40).Put(2, designator).Put(8, date).Text();
}

std::string CodeEntry(const std::string& code, const std::string& first, int start,
                      const std::string& last, int end) {
    return FixedLine(40)
        .Put(0, code)
        .Put(16, first)
        .Put(24, Format("%04d", start))
        .Put(28, last)
        .Put(36, Format("%04d", end))
        .Text();
}

// Hard time of the 89 days before the period: day i holds i + 1, so timeline
// day t (history field 58 + t) holds 59 + t.
std::string HardTimes() {
    std::string text;
    for (int i = 0; i < 89; ++i) {
        text += Format("%04d", i + 1);
    }
    return text;
}

std::string ActivityLine(const std::string& number, const Lines& entries,
                         size_t length = kActivityLength) {
    FixedLine line(kActivityLength);
    line.Put(0, number);
    for (size_t k = 0; k < entries.size(); ++k) {
        line.Put(9 + 40 * k, entries[k]);
    }
    line.Put(1249, HardTimes());
    return line.Text().substr(0, length);
}

std::string Join(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// Timeline days of October and November 2026 in a November schedule.
constexpr size_t Oct(int day) {
    return static_cast<size_t>(day - 1);
}
constexpr size_t Nov(int day) {
    return static_cast<size_t>(30 + day);
}

TAbsence Code(const char* code, const char* tracking, int32_t credit, uint8_t containsDuty,
              uint8_t carsDuty) {
    TAbsence entry;
    entry.code = code;
    entry.trackingCode = tracking;
    entry.credit = credit;
    entry.hardTime = 45;
    entry.containsDuty = containsDuty;
    entry.isCarsDuty = carsDuty;
    entry.countsCredit = 1;
    return entry;
}

// The pilot pairing of the legal check-in examples: 18:00 on the day before
// the period for ten hours.
PriorPairing Overnight(int rest) {
    return {.designator = "V8101",
            .pairingDate = "20261031",
            .startDate = "20261031",
            .report = 1080,
            .tafb = 600,
            .rest = rest};
}

class ActivityImportTest : public ::testing::Test {
  protected:
    ActivityImportTest() {
        schedule_.scheduleTitle = "YVRDH8CAV";
        schedule_.SetPeriod(Date::FromDmy(1, 11, 2026), Date::FromDmy(30, 11, 2026), desktop_);
        const struct {
            const char* name;
            int32_t number;
        } rows[] = {{"A ALPHA", 100}, {"B BRAVO", 200}, {"CAPT LINES", -1}, {"J SMITH", 300}};
        for (const auto& row : rows) {
            TPilot& employee = schedule_.employees[static_cast<size_t>(schedule_.employeeCount++)];
            employee.name = row.name;
            employee.employeeNumber = row.number;
        }
        const TAbsence codes[] = {Code("VAC", "VC", 240, 0, 0), Code("RES", "RA", 300, 1, 1),
                                  Code("TRN", "TR", 360, 1, 1)};
        for (const TAbsence& code : codes) {
            schedule_.toolboxCodes[static_cast<size_t>(schedule_.toolboxCodeCount++)] = code;
        }
        schedule_.airportDetails = AirportEntry("YVR", "08:00", "00:45", "Y") +
                                   AirportEntry("YYZ", "05:00", "00:30", "Y") +
                                   AirportEntry("YQR", "06:00", "00:30", "N");
    }

    TPilot& Employee(size_t row) { return schedule_.employees[row]; }
    ActivityReadResult Read(const Lines& activity, const std::vector<PriorPairing>& pairings = {}) {
        Lines pairingLines;
        for (const PriorPairing& pairing : pairings) {
            pairingLines.push_back(pairing.Line());
        }
        pairingText_ = Join(pairingLines);
        const PriorPairingExtract extract(pairingText_);
        return ReadActivityExtract(schedule_, Join(activity), extract, nullptr);
    }
    std::vector<int32_t> WorkedDays(size_t row) {
        std::vector<int32_t> days;
        for (size_t t = 0; t < kCalendarDays; ++t) {
            if (Employee(row).history[t][kHistoryWorked] != 0) {
                days.push_back(static_cast<int32_t>(t));
            }
        }
        return days;
    }

    ScriptedDesktop desktop_;
    TSchedule schedule_;
    std::string pairingText_;
};

TEST_F(ActivityImportTest, PairingIntoThePeriodSetsTheLegalCheckIn) {
    const struct {
        CrewGroup group;
        int rest;
        int32_t checkIn;
    } cases[] = {
        {CrewGroup::Captains, 600, 900},          // 04:00 + 11:00
        {CrewGroup::FlightAttendants, 600, 960},  // 04:00 + 12:00, whatever the rest
        {CrewGroup::FirstOfficers, 780, 961},     // the end plus 721
        {CrewGroup::Captains, 720, 901},          // a rest of 12:00 already counts
        {CrewGroup::Captains, 719, 900},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rest);
        schedule_.crewGroup = c.group;
        Read({ActivityLine("100", {PairingEntry("V8101", "20261031")})}, {Overnight(c.rest)});

        EXPECT_EQ(Employee(0).legalCheckIn, c.checkIn);
        EXPECT_EQ(Employee(0).history[Oct(31)][kHistoryPairingStart], 1080);
        EXPECT_EQ(Employee(0).history[Oct(31)][kHistoryTafb], 600);
        EXPECT_EQ(Employee(0).historyCode[Oct(31)], "V8101");
        EXPECT_EQ(WorkedDays(0), (std::vector<int32_t>{30, 31}));
    }
}

TEST_F(ActivityImportTest, PairingEndingBefore0200DoesNotWorkItsLastDay) {
    const struct {
        int tafb;
        std::vector<int32_t> worked;
    } cases[] = {
        {450, {30}},      // ends 01:30
        {480, {30, 31}},  // ends 02:00
        {360, {30, 31}},  // ends at midnight, counted as 24:00 and not early
        {361, {30}},      // ends 00:01
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tafb);
        PriorPairing pairing = Overnight(600);
        pairing.tafb = c.tafb;
        Read({ActivityLine("100", {PairingEntry("V8101", "20261031")})}, {pairing});
        EXPECT_EQ(WorkedDays(0), c.worked);
    }
}

TEST_F(ActivityImportTest, PairingThatEndsBeforeThePeriodLeavesNoCheckIn) {
    PriorPairing pairing = Overnight(600);
    pairing.pairingDate = pairing.startDate = "20261020";
    Read({ActivityLine("100", {PairingEntry("V8101", "20261020")})}, {pairing});

    EXPECT_EQ(Employee(0).legalCheckIn, 0);
    EXPECT_EQ(WorkedDays(0), (std::vector<int32_t>{19, 20}));
}

TEST_F(ActivityImportTest, DayBlocksFillCreditsAndCarryIntoThePeriod) {
    PriorPairing pairing = Overnight(600);
    pairing.credit = 700;
    // Block 0 belongs to the day before the start.
    pairing.blocks = {
        {"   ", 10, 5}, {"YYZ", 300, 350}, {"YVR", 200, 250}, {"   ", 0, 0}, {"YUL", 99, 99}};
    PriorPairing covered = pairing;
    covered.designator = "V8102";
    covered.credit = 605;
    Read({ActivityLine("100", {PairingEntry("V8101", "20261031")}),
          ActivityLine("200", {PairingEntry("V8102", "20261031")})},
         {pairing, covered});

    for (size_t row : {size_t{0}, size_t{1}}) {
        const TPilot& employee = Employee(row);
        EXPECT_EQ(employee.history[Oct(30)][kHistoryCredit], 5);
        EXPECT_EQ(employee.history[Oct(31)][kHistoryCredit], 350);
        EXPECT_EQ(employee.history[Nov(1)][kHistoryCredit], 250);
        EXPECT_EQ(employee.history[Nov(1)][kHistoryHard], 200);
        // Blocks beyond the pairing's days plus two are not read.
        EXPECT_EQ(employee.history[Nov(3)][kHistoryCredit], 0);
        // The days before the period take their hard time from the history columns.
        EXPECT_EQ(employee.history[Oct(31)][kHistoryHard], 59 + 30);
    }
    EXPECT_EQ(Employee(0).carryInCredit, 250 + 95);  // the day, then what the blocks missed
    EXPECT_EQ(Employee(1).carryInCredit, 250);
}

TEST_F(ActivityImportTest, PairingOnTheFirstTimelineDayStartsItsBlocksThere) {
    const PriorPairing pairing{.designator = "V8105",
                               .pairingDate = "20261001",
                               .startDate = "20261001",
                               .report = 600,
                               .tafb = 600,
                               .blocks = {{"YYZ", 0, 100}, {"YVR", 0, 200}, {"YYZ", 0, 400}}};
    Read({ActivityLine("100", {PairingEntry("V8105", "20261001")})}, {pairing});

    EXPECT_EQ(Employee(0).history[Oct(1)][kHistoryCredit], 100);
    EXPECT_EQ(Employee(0).history[Oct(2)][kHistoryCredit], 200);
    EXPECT_EQ(Employee(0).history[Oct(3)][kHistoryCredit], 0);
    EXPECT_EQ(Employee(0).carryInCredit, 0);
}

TEST_F(ActivityImportTest, DutyStartsAreConvertedToHomeBaseTime) {
    const PriorPairing pairing{
        .designator = "V8103",
        .pairingDate = "20261020",
        .startDate = "20261020",
        .report = 480,
        .tafb = 2400,
        .duties = {{"20261020", 480, 1000},
                   {"20261021", 100, 700},
                   {"20261022", 300, 200},
                   {"20261023", 600, 900},
                   {"20261024", 400, 500},
                   {"00000000", 500, 600},
                   {"20261026", 400, 500}},
        .blocks = {{"   ", 0, 0}, {"YYZ", 0, 0}, {"YUL", 0, 0}, {"YQR", 0, 0}, {"YVR", 0, 0}}};
    const std::string line = ActivityLine("100", {PairingEntry("V8103", "20261020")});
    const ActivityReadResult result =
        Read({line, ActivityLine("200", {PairingEntry("V8103", "20261020")})}, {pairing});

    const struct {
        size_t day;
        int32_t start;
        int32_t duty;
        int32_t homeStart;
    } cases[] = {
        {Oct(20), 480, 520, 480},   // the first duty starts at home
        {Oct(21), 100, 600, 1360},  // YYZ is three hours ahead: 01:40 there is 22:20 at home
        {Oct(22), 300, 1340, 300},  // YUL is not in the airport table
        {Oct(23), 600, 300, 540},   // YQR keeps standard time: one hour ahead in summer
        {Oct(24), 400, 100, 400},   // no station left in the route
        {Oct(26), 0, 0, 0},         // after the end of the duty list
    };
    for (size_t row : {size_t{0}, size_t{1}}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.day);
            const DayValues& values = Employee(row).history[c.day];
            EXPECT_EQ(values[kHistoryDutyStart], c.start);
            EXPECT_EQ(values[kHistoryDuty], c.duty);
            EXPECT_EQ(values[kHistoryHomeDutyStart], c.homeStart);
        }
    }
    EXPECT_EQ(result.errors,
              "Could not find Airport YUL to Convert to Home Base time. Using same Time Zone as "
              "Home Base -> Update Airports in Toolbox.");
}

TEST_F(ActivityImportTest, CodesTakeTheCatalogueValues) {
    const ActivityReadResult result =
        Read({ActivityLine("100", {CodeEntry("VC", "20261010", 0, "20261012", 1439),
                                   CodeEntry("ZZ", "20261014", 480, "20261015", 1020)})});

    for (size_t day : {Oct(10), Oct(11), Oct(12)}) {
        const DayValues& values = Employee(0).history[day];
        EXPECT_EQ(Employee(0).historyCode[day], "VAC");
        EXPECT_EQ(values[kHistoryCredit], 240);
        EXPECT_EQ(values[kHistoryWorked], 0);
        EXPECT_EQ(values[kHistoryDutyStart], 0);
        EXPECT_EQ(values[kHistoryDuty], 1439);
        EXPECT_EQ(values[kHistoryCarsDuty], 0);
    }
    EXPECT_EQ(Employee(0).historyCode[Oct(13)], "");
    for (size_t day : {Oct(14), Oct(15)}) {
        const DayValues& values = Employee(0).history[day];
        EXPECT_EQ(Employee(0).historyCode[day], "ZZ");
        EXPECT_EQ(values[kHistoryCredit], 0);
        EXPECT_EQ(values[kHistoryWorked], 0);
        EXPECT_EQ(values[kHistoryDuty], 540);
    }
    EXPECT_EQ(result.errors,
              "No Matching Code for ZZ Last Month A ALPHA day 14 - No Duty Info loaded."
              "No Matching Code for ZZ Last Month A ALPHA day 15 - No Duty Info loaded.");
}

TEST_F(ActivityImportTest, CodePastMidnightCountsItsDaysByLength) {
    const struct {
        int start;
        int end;
        std::vector<int32_t> days;
    } cases[] = {
        {1320, 360, {19}},      // 22:00 to 06:00: the night counts once
        {600, 300, {19, 20}},   // 10:00 to 05:00 next day: both days
        {300, 1200, {19, 20}},  // 05:00 to 20:00 next day: both days
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        Read({ActivityLine("100", {CodeEntry("TR", "20261020", c.start, "20261021", c.end)})});
        EXPECT_EQ(WorkedDays(0), c.days);
        EXPECT_EQ(Employee(0).history[Oct(20)][kHistoryCarsDuty], 1);
    }
}

TEST_F(ActivityImportTest, CodeOnTheDayBeforeThePeriodSetsTheLegalCheckIn) {
    const struct {
        CrewGroup group;
        std::string entry;
        int32_t checkIn;
        std::vector<int32_t> duty;  // days Oct 31, Nov 1, Nov 2
    } cases[] = {
        {CrewGroup::Captains, CodeEntry("RA", "20261031", 360, "20261031", 1080), 299, {840, 0, 0}},
        {CrewGroup::Captains,
         CodeEntry("RA", "20261031", 360, "20261102", 1080),
         299,
         {840, 840, 840}},
        {CrewGroup::Captains, CodeEntry("RA", "20261031", 30, "20261031", 600), 0, {840, 0, 0}},
        {CrewGroup::Captains, CodeEntry("TR", "20261031", 480, "20261031", 1020), 240, {540, 0, 0}},
        {CrewGroup::FlightAttendants,
         CodeEntry("TR", "20261031", 480, "20261031", 1020),
         300,
         {540, 0, 0}},
        {CrewGroup::Captains, CodeEntry("VC", "20261031", 480, "20261031", 1020), 961, {540, 0, 0}},
        {CrewGroup::Captains, CodeEntry("RA", "20261030", 360, "20261030", 1080), 961, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        schedule_.crewGroup = c.group;
        // The pairing's check-in stands unless the code replaces it.
        Read({ActivityLine("100", {PairingEntry("V8101", "20261031"), c.entry})}, {Overnight(780)});
        EXPECT_EQ(Employee(0).legalCheckIn, c.checkIn);
        EXPECT_EQ(Employee(0).history[Oct(31)][kHistoryDuty], c.duty[0]);
        EXPECT_EQ(Employee(0).history[Nov(1)][kHistoryDuty], c.duty[1]);
        EXPECT_EQ(Employee(0).history[Nov(2)][kHistoryDuty], c.duty[2]);
    }
}

TEST_F(ActivityImportTest, ReserveCodeIsWorkedAsReserve) {
    Read({ActivityLine("100", {CodeEntry("RA", "20261031", 360, "20261031", 1080)})});

    EXPECT_EQ(Employee(0).history[Oct(31)][kHistoryWorked], 2);
    EXPECT_EQ(Employee(0).history[Oct(31)][kHistoryCredit], 300);
    EXPECT_EQ(Employee(0).history[Oct(31)][kHistoryCarsDuty], 1);
    EXPECT_EQ(Employee(0).historyCode[Oct(31)], "RES");
}

TEST_F(ActivityImportTest, EntriesThatCannotBePlacedAreListed) {
    PriorPairing early = Overnight(600);
    early.designator = "V8104";
    early.pairingDate = "20260915";
    early.startDate = "20260915";
    early.duties = {{"20260915", 600, 900}, {"20260917", 600, 900}};
    PriorPairing otherDate = Overnight(600);
    otherDate.pairingDate = "20261030";
    const ActivityReadResult result = Read(
        {ActivityLine("100", {PairingEntry("V9999", "20261031"), PairingEntry("V8104", "20260915"),
                              CodeEntry("TR", "20261102", 480, "20261103", 1020),
                              PairingEntry("V8101", "20261029")})},
        {early, otherDate});

    EXPECT_EQ(result.errors,
              "Could not find Pairing V9999 to Assign to A ALPHA."
              "Could not assign Pairing V8104 to A ALPHA from 15 09 2026 to 17 09 2026 Last Month."
              "Could not assign TR code to A ALPHA from 02 11 2026 to 03 11 2026 Last Month."
              "Could not find Pairing V8101 to Assign to A ALPHA.");
    EXPECT_TRUE(WorkedDays(0).empty());
}

TEST_F(ActivityImportTest, PairingIsFoundByItsDesignatorAndDate) {
    PriorPairing first = Overnight(600);
    first.pairingDate = "20261030";
    first.report = 100;
    PriorPairing second = Overnight(600);
    PriorPairing repeated = Overnight(600);
    repeated.report = 200;
    Read({ActivityLine("100", {PairingEntry("V8101", "20261031")})}, {first, second, repeated});

    EXPECT_EQ(Employee(0).history[Oct(31)][kHistoryPairingStart], 1080);
}

TEST_F(ActivityImportTest, HardTimeHistoryComesOnlyFromFullLines) {
    Employee(0).hardTimeHistory = "old";
    Employee(1).hardTimeHistory = "old";
    const std::string entry = CodeEntry("VC", "20261010", 0, "20261010", 600);
    Read({ActivityLine("100", {entry}), ActivityLine("200", {entry}, 1500)});

    EXPECT_EQ(Employee(0).hardTimeHistory, HardTimes());
    for (size_t t = 0; t < kPreviousDays; ++t) {
        EXPECT_EQ(Employee(0).history[t][kHistoryHard], static_cast<int32_t>(59 + t));
    }
    EXPECT_EQ(Employee(1).hardTimeHistory, "old");
    EXPECT_EQ(Employee(1).historyCode[Oct(10)], "VAC");
    EXPECT_EQ(Employee(1).history[Oct(1)][kHistoryHard], 59);
    // Fields the line does not hold in full read as 0.
    EXPECT_EQ(Employee(1).history[Oct(5)][kHistoryHard], 0);
}

TEST_F(ActivityImportTest, LinesAreReadWhereTheFormatSays) {
    const std::string entry = CodeEntry("VC", "20261010", 0, "20261010", 600);
    Lines shortEntries(15, std::string(40, ' '));
    shortEntries[13] = entry;
    shortEntries[14] = CodeEntry("VC", "20261011", 0, "20261011", 600);
    const struct {
        const char* what;
        Lines lines;
        std::vector<std::string> codes;  // of rows 0, 1, 3 on Oct 10
    } cases[] = {
        {"to the end",
         {ActivityLine("100", {entry}), ActivityLine("200", {entry})},
         {"VAC", "VAC", ""}},
        {"at a line shorter than 100",
         {ActivityLine("100", {entry}), ActivityLine("300", {entry}, 99),
          ActivityLine("200", {entry})},
         {"VAC", "", ""}},
        {"a line of 100 is read",
         {ActivityLine("300", {}, 100), ActivityLine("200", {entry})},
         {"", "VAC", ""}},
        {"placeholder rows take no line", {ActivityLine("-1", {entry})}, {"", "", ""}},
        {"unknown employees are skipped",
         {ActivityLine("555", {entry}), ActivityLine("300", {entry})},
         {"", "", "VAC"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Read(c.lines);
        EXPECT_EQ(Employee(0).historyCode[Oct(10)], c.codes[0]);
        EXPECT_EQ(Employee(1).historyCode[Oct(10)], c.codes[1]);
        EXPECT_EQ(Employee(3).historyCode[Oct(10)], c.codes[2]);
        EXPECT_EQ(Employee(2).historyCode[Oct(10)], "");
        for (size_t row = 0; row < 4; ++row) {
            Employee(row).historyCode = {};
        }
    }
    // Entry 14 needs 608 characters.
    Read({ActivityLine("100", shortEntries, 607)});
    EXPECT_EQ(Employee(0).historyCode[Oct(10)], "VAC");
    EXPECT_EQ(Employee(0).historyCode[Oct(11)], "");
}

TEST_F(ActivityImportTest, ALineTooLongForTheReaderEndsTheLoadWithAnError) {
    const std::string entry = CodeEntry("VC", "20261010", 0, "20261010", 600);
    const ActivityReadResult result =
        Read({ActivityLine("100", {entry}), std::string(1999, '1'), ActivityLine("200", {entry})});

    EXPECT_EQ(result.errors, "Crew Activity Record Line 2 Too Long - Rest of File Not Loaded.");
    EXPECT_EQ(result.employeesLoaded, 1);
    EXPECT_EQ(Employee(1).historyCode[Oct(10)], "");
}

TEST_F(ActivityImportTest, EveryLoadStartsFromClearedValues) {
    for (size_t row = 0; row < 4; ++row) {
        TPilot& employee = Employee(row);
        for (DayValues& values : employee.history) {
            values.fill(7);
        }
        employee.historyCode[Oct(5)] = "OLD";
        employee.hardTimeHistory = "kept";
        employee.carryInCredit = employee.legalCheckIn = 11;
        employee.carryInFatigue = employee.reservedC = 12;
    }
    schedule_.freshFile = 1;
    Read({ActivityLine("100", {CodeEntry("VC", "20261010", 0, "20261010", 600)}, 1500)});

    EXPECT_EQ(schedule_.freshFile, 0);
    EXPECT_EQ(schedule_.modified, 1);
    for (size_t row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        const TPilot& employee = Employee(row);
        for (size_t t = 0; t < kCalendarDays; ++t) {
            const bool read = row == 0 && (t == Oct(10) || t < 4);
            EXPECT_EQ(employee.history[t] == DayValues{}, !read);
        }
        EXPECT_EQ(employee.historyCode[Oct(5)], "OLD");
        EXPECT_EQ(employee.hardTimeHistory, "kept");
        EXPECT_EQ(employee.carryInCredit, 0);
        EXPECT_EQ(employee.legalCheckIn, 0);
        EXPECT_EQ(employee.carryInFatigue, 0);
        EXPECT_EQ(employee.reservedC, 0);
    }
}

TEST_F(ActivityImportTest, ASecondImportGivesTheSameResult) {
    PriorPairing pairing = Overnight(600);
    pairing.credit = 900;
    pairing.blocks = {{"   ", 10, 5}, {"YYZ", 300, 350}, {"YUL", 200, 250}, {"YVR", 0, 0}};
    pairing.duties = {{"20261031", 1080, 1300}, {"20261101", 200, 400}, {"20261102", 300, 500}};
    const Lines lines = {
        ActivityLine("100", {PairingEntry("V8101", "20261031"),
                             CodeEntry("ZZ", "20261014", 480, "20261015", 1020)}),
        ActivityLine("300", {CodeEntry("RA", "20261030", 360, "20261031", 1080)}),
    };
    const ActivityReadResult first = Read(lines, {pairing});
    const std::vector<TPilot> before(schedule_.employees.begin(), schedule_.employees.begin() + 4);
    const ActivityReadResult second = Read(lines, {pairing});

    EXPECT_EQ(first.errors, second.errors);
    EXPECT_NE(first.errors.find("YUL"), std::string::npos);
    for (size_t row = 0; row < 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(Employee(row).history, before[row].history);
        EXPECT_EQ(Employee(row).historyCode, before[row].historyCode);
        EXPECT_EQ(Employee(row).carryInCredit, before[row].carryInCredit);
        EXPECT_EQ(Employee(row).legalCheckIn, before[row].legalCheckIn);
        EXPECT_EQ(Employee(row).hardTimeHistory, before[row].hardTimeHistory);
    }
    EXPECT_GT(Employee(0).carryInCredit, 0);
}

TEST(PriorPairingExtract, CountsLinesUpToTheFirstShortOne) {
    PriorPairing pairing = Overnight(600);
    const std::string line = pairing.Line();
    const struct {
        std::string text;
        size_t count;
        bool looksRight;
    } cases[] = {
        {line + "\r\n" + line + "\r\n", 2, true},
        {line + "\n" + line.substr(0, 1176) + "\n" + line + "\n", 1, true},
        {line + "\n" + line, 2, true},
        {line + "xx\n" + line + "\n", 2, false},
        {line + "\n" + std::string(2498, 'x') + "\n" + line + "\n", 1, true},
        {"", 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PriorPairingExtract(c.text).LineCount(), c.count);
        EXPECT_EQ(LooksLikePriorPairingExtract(c.text), c.looksRight);
    }
}

constexpr const char* kActivityPath = "/extracts/oct/0110actp.ext";
constexpr const char* kPairingPath = "/extracts/prg/0110prgp.ext";
constexpr const char* kCheckQuestion =
    "This May Not Be a Valid Crew Activity Extract! Do You Want to Try Load it Anyway";

class LoadLastMonthsDataTest : public ActivityImportTest {
  protected:
    LoadLastMonthsDataTest() {
        files_.files[kActivityPath] =
            Join({ActivityLine("100", {PairingEntry("V8101", "20261031"),
                                       CodeEntry("ZZ", "20261014", 480, "20261014", 1020)}),
                  ActivityLine("300", {})});
        files_.files[kPairingPath] = Join({Overnight(600).Line()});
        settings_.SetText(keys::LastOverlapDataPath, "/extracts/last");
        schedule_.freshFile = 1;
    }

    ActivityLoadResult Load() { return LoadLastMonthsData(schedule_, desktop_, files_, settings_); }

    MemoryFiles files_;
    Settings settings_{"/config/tallow.ini", files_, "/home/scheduler"};
};

TEST_F(LoadLastMonthsDataTest, LoadsBothFilesAndListsTheErrors) {
    desktop_.ChooseFile(kActivityPath);
    desktop_.ChooseFile(kPairingPath);

    const ActivityLoadResult result = Load();

    EXPECT_TRUE(result.loaded);
    EXPECT_TRUE(result.closeBoard);
    ASSERT_EQ(desktop_.choosers.size(), 2u);
    EXPECT_EQ(desktop_.choosers[0].title, "Load Overlap Information from Extract");
    EXPECT_EQ(desktop_.choosers[0].filter,
              "Vellumix Extract Files (*actp.ext *actc.ext)|*actp.ext;*actc.ext|All Files "
              "(*.*)|*.*");
    EXPECT_EQ(desktop_.choosers[0].initialFolder, "/extracts/last");
    EXPECT_EQ(desktop_.choosers[1].title, "Open Updated Pairing Data from Extract");
    EXPECT_EQ(desktop_.choosers[1].filter,
              "Vellumix Extract Files (*prgp.ext *prgc.ext.)|*prgp.ext;*prgc.ext|All Files "
              "(*.*)|*.*");
    EXPECT_EQ(desktop_.choosers[1].initialFolder, "/extracts/oct");
    EXPECT_EQ(settings_.Text(keys::LastOverlapDataPath), "/extracts/oct");

    ASSERT_EQ(desktop_.progress.size(), 1u);
    EXPECT_EQ(desktop_.progress[0].title, "Loading Last Month's Data");
    EXPECT_EQ(desktop_.progress[0].updates,
              (std::vector<std::pair<std::string, int>>{{"Completed 1 of 4", 25},
                                                        {"Completed 2 of 4", 50}}));
    EXPECT_TRUE(desktop_.progress[0].closed);
    EXPECT_EQ(desktop_.waitCursorDepth, 0);
    EXPECT_TRUE(desktop_.messages.empty());

    ASSERT_EQ(desktop_.lists.size(), 1u);
    EXPECT_EQ(desktop_.lists[0].title, "Errors from Overlap Info Extract Load");
    EXPECT_EQ(desktop_.lists[0].lines,
              std::vector<std::string>{"No Matching Code for ZZ Last Month A ALPHA day 14 - No "
                                       "Duty Info loaded"});
    EXPECT_EQ(Employee(0).legalCheckIn, 900);
    EXPECT_EQ(schedule_.freshFile, 0);
}

TEST_F(LoadLastMonthsDataTest, ACleanLoadShowsNoList) {
    files_.files[kActivityPath] = Join({ActivityLine("100", {PairingEntry("V8101", "20261031")})});
    desktop_.ChooseFile(kActivityPath);
    desktop_.ChooseFile(kPairingPath);

    EXPECT_TRUE(Load().loaded);
    EXPECT_TRUE(desktop_.lists.empty());
}

TEST_F(LoadLastMonthsDataTest, StopsBeforeChangingAnythingWhenTheUserDeclines) {
    const struct {
        const char* what;
        std::vector<std::optional<std::string>> choices;
        std::vector<Answer> answers;
        std::vector<std::string> messages;
        bool progressOpened;
        std::string savedFolder;
    } cases[] = {
        {"activity chooser cancelled", {std::nullopt}, {}, {}, false, "/extracts/last"},
        {"activity file unreadable",
         {"/missing/0110actp.ext"},
         {},
         {"/missing/0110actp.ext"},
         false,
         "/extracts/last"},
        {"pairing chooser cancelled", {kActivityPath, std::nullopt}, {}, {}, true, "/extracts/oct"},
        {"pairing file unreadable",
         {kActivityPath, "/missing/0110prgp.ext"},
         {},
         {"/missing/0110prgp.ext"},
         true,
         "/extracts/oct"},
        {"odd activity file refused",
         {"/odd/actp.ext"},
         {Answer::No},
         {kCheckQuestion},
         false,
         "/odd"},
        {"odd pairing file refused",
         {kActivityPath, "/odd/prgp.ext"},
         {Answer::No},
         {kCheckQuestion},
         true,
         "/extracts/oct"},
    };
    files_.files["/odd/actp.ext"] = Join({ActivityLine("100", {}, 1604)});
    files_.files["/odd/prgp.ext"] = Join({Overnight(600).Line() + " "});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedDesktop desktop;
        for (const auto& choice : c.choices) {
            desktop.ChooseFile(choice);
        }
        for (Answer answer : c.answers) {
            desktop.Answer(answer);
        }
        settings_.SetText(keys::LastOverlapDataPath, "/extracts/last");
        Employee(0).legalCheckIn = 5;

        const ActivityLoadResult result = LoadLastMonthsData(schedule_, desktop, files_, settings_);

        EXPECT_FALSE(result.loaded);
        EXPECT_FALSE(result.closeBoard);
        EXPECT_EQ(desktop.MessageTexts(), c.messages);
        for (const Message& message : desktop.messages) {
            EXPECT_EQ(message.caption,
                      message.IsQuestion() ? "Tallowbright" : "Unable to Open File");
        }
        EXPECT_EQ(desktop.progress.size(), c.progressOpened ? 1u : 0u);
        for (const auto& record : desktop.progress) {
            EXPECT_TRUE(record.closed);
        }
        EXPECT_EQ(settings_.Text(keys::LastOverlapDataPath), c.savedFolder);
        EXPECT_EQ(Employee(0).legalCheckIn, 5);
        EXPECT_EQ(schedule_.freshFile, 1);
        EXPECT_TRUE(desktop.lists.empty());
    }
}

TEST_F(LoadLastMonthsDataTest, OddFilesLoadWhenTheUserAgrees) {
    files_.files["/odd/actp.ext"] =
        Join({ActivityLine("100", {PairingEntry("V8101", "20261031")}, 1500)});
    files_.files["/odd/prgp.ext"] = Join({Overnight(600).Line() + " "});
    desktop_.ChooseFile("/odd/actp.ext");
    desktop_.Answer(Answer::Yes);
    desktop_.ChooseFile("/odd/prgp.ext");
    desktop_.Answer(Answer::Yes);

    EXPECT_TRUE(Load().loaded);
    EXPECT_EQ(desktop_.MessageTexts(), (std::vector<std::string>{kCheckQuestion, kCheckQuestion}));
    EXPECT_EQ(Employee(0).legalCheckIn, 900);
}

TEST_F(LoadLastMonthsDataTest, EventLogFramesTheLoad) {
    testing::TempFolder folder;
    const std::string logPath = folder / "JXDebug.txt";
    ASSERT_TRUE(schedule_.logFile.Open(logPath));
    files_.files[kActivityPath] =
        Join({ActivityLine("100", {PairingEntry("V8101", "20261031")}, 1500),
              ActivityLine("555", {}), ActivityLine("300", {}, 120)});
    desktop_.ChooseFile(kActivityPath);
    desktop_.Answer(Answer::Yes);
    desktop_.ChooseFile(kPairingPath);

    ASSERT_TRUE(Load().loaded);
    schedule_.logFile.Close();

    EXPECT_EQ(testing::TempFolder::Read(logPath),
              "LoadLastMonthsDataFromExtractBegin\n"
              "Crew Activity Record Line Not Correct Length\n"
              "LoadingLastMonthsDataFor A ALPHA 100\n"
              "Crew Activity Record Line Not Correct Length\n"
              "LoadingLastMonthsDataFor J SMITH 300\n"
              "Substring out of Range\n"
              "LoadLastMonthsData Finished...\n");
}

}  // namespace
}  // namespace tallow
