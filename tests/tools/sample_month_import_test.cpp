// The generator's month read end to end by the importers, in the order of
// the new-file wizard (toolbox, roster, absences, pairings), and checked
// against the month it was written from.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

#include "core/import/absences_import.h"
#include "core/import/pairing_import.h"
#include "core/import/roster_import.h"
#include "core/import/toolbox_definitions.h"
#include "core/model/airport_details.h"
#include "core/model/schedule.h"
#include "sample/airports.h"
#include "sample/sample_files.h"
#include "sample/sample_month.h"
#include "sample_text.h"
#include "support/scripted_desktop.h"

namespace tallow::sample {
namespace {

using tallow::testing::ScriptedDesktop;

constexpr int kDay = 1440;

SampleOptions Group(const char* base, const char* equipment, const char* status, int month,
                    bool dst) {
    SampleOptions options;
    options.base = base;
    options.equipment = equipment;
    options.status = status;
    options.month = month;
    options.dst = dst;
    options.seed = 5;
    return options;
}

CrewGroup CrewGroupOf(const std::string& status) {
    if (status == "CA") {
        return CrewGroup::Captains;
    }
    return status == "FO" ? CrewGroup::FirstOfficers : CrewGroup::FlightAttendants;
}

bool HasCode(const std::string& qualifications, const char* code) {
    for (size_t at = 0; at + 1 < qualifications.size(); at += 2) {
        if (qualifications.compare(at, 2, code) == 0) {
            return true;
        }
    }
    return false;
}

// A schedule set up the way the new-file wizard leaves it before its imports.
std::unique_ptr<TSchedule> NewSchedule(const SampleMonth& month, ScriptedDesktop& desktop) {
    auto schedule = std::make_unique<TSchedule>();
    EXPECT_TRUE(schedule->SetPeriod(month.period.start, month.period.end, desktop));
    schedule->scheduleTitle = month.ScheduleTitle();
    schedule->crewGroup = CrewGroupOf(month.options.status);
    schedule->freshFile = 1;
    return schedule;
}

int FloorDiv(int value, int divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

// What the importers and validation should make of one pairing of the
// month: worked out from the month's model, not from the file.
struct ExpectedSeat {
    int lengthDays = 0;
    int releaseTime = 0;
    bool continuousDuty = false;
    int minRestAfter = 0;
    int fatigueUnits = 0;
    std::string route;
    bool usaSegments = false;
    PairDays dailyStart{};
    PairDays dailyDuty{};
    PairDays dailyHard{};
    PairDays dailyCredit{};
    PairDays layoverRest{};
    PairDays dutyStartAt{};
};

ExpectedSeat Expect(const SampleMonth& month, const SamplePairing& pairing) {
    ExpectedSeat seat;
    int day = pairing.operations.front();
    int report = month.ReportMoment(pairing, day);
    int clock = pairing.reportClock;
    int tafb = pairing.tafb;
    seat.lengthDays = (clock + tafb - 1) / kDay + 1;
    seat.releaseTime = (clock + tafb - 1) % kDay + 1;
    seat.continuousDuty = pairing.continuousDuty ||
                          (tafb < 900 && seat.releaseTime < clock && seat.releaseTime < 120);
    int previousDay = 0;
    for (const SampleDuty& duty : pairing.duties) {
        int start = month.ToLocal(report + duty.start);
        int end = month.ToLocal(report + duty.end);
        int p = FloorDiv(start, kDay) - day;
        size_t k = static_cast<size_t>(p);
        seat.dailyStart[k] = start - FloorDiv(start, kDay) * kDay;
        seat.dailyDuty[k] = duty.dutyTime;
        seat.dailyHard[k] += duty.block;
        seat.dailyCredit[k] += duty.credit;
        if (p > previousDay + 1) {
            seat.route += seat.route.substr(seat.route.size() - 3);
        }
        seat.route += duty.station;
        previousDay = p;
        seat.fatigueUnits += duty.dutyTime;
        for (const SampleLeg& leg : duty.legs) {
            seat.fatigueUnits += leg.kind == LegKind::Surface ? 0 : 60;
            seat.usaSegments |= std::string(FindAirport(leg.from)->country) == "USA";
        }
        int elapsed = end - start;
        seat.minRestAfter = std::abs(elapsed - duty.dutyTime) < 180 ? 660 : 780;
    }
    seat.route.resize(seat.route.size() - 3);
    if (!month.PilotGroup()) {
        seat.minRestAfter = pairing.minRest;
    }
    int difference = pairing.totalCredit - pairing.DailyCreditSum();
    size_t last = static_cast<size_t>(seat.lengthDays - 1);
    bool onLast = seat.dailyCredit[last] > 0 || seat.lengthDays == 1;
    seat.dailyCredit[onLast ? last : last - 1] += difference;

    // Validation walks the duty records: the rest of a layover lands on the
    // day its duty starts, the next duty's start on the day it falls.
    seat.dutyStartAt.fill(-1);
    seat.dutyStartAt[0] = clock;
    int elapsedFromReport = 0;
    for (const SampleDuty& duty : pairing.duties) {
        if (!duty.hotel.empty()) {
            int stationTime = FindAirport(duty.station)->stationTime;
            seat.layoverRest[static_cast<size_t>((clock + elapsedFromReport) / kDay)] =
                duty.layover - 60 - 2 * stationTime;
        }
        elapsedFromReport += duty.dutyTime + duty.layover;
        if (elapsedFromReport >= tafb) {
            break;
        }
        seat.dutyStartAt[static_cast<size_t>((clock + elapsedFromReport) / kDay)] =
            (clock + elapsedFromReport) % kDay;
    }

    if (month.dstShift != 0 && report < month.dstChangeAt && report + tafb >= month.dstChangeAt) {
        seat.releaseTime = (seat.releaseTime + month.dstShift + kDay - 1) % kDay + 1;
        seat.lengthDays = (clock + tafb + month.dstShift) / kDay + 1;
    }
    return seat;
}

class SampleImportTest : public ::testing::TestWithParam<SampleOptions> {
  protected:
    void SetUp() override {
        month_ = BuildSampleMonth(GetParam());
        files_ = SampleFiles(month_);
        ASSERT_EQ(files_.size(), 4u);
        schedule_ = NewSchedule(month_, desktop_);

        ASSERT_EQ(ParseToolboxDefinitions(*schedule_, files_[0].text, desktop_),
                  ToolboxParseResult::Loaded);
        RosterReadResult roster = ReadRosterExtract(*schedule_, files_[1].text);
        ASSERT_TRUE(roster.complete);
        ASSERT_TRUE(LooksLikeAbsencesExtract(files_[2].text));
        absences_ = ReadAbsencesExtract(*schedule_, files_[2].text, false);
        ASSERT_TRUE(absences_.complete);
        pairings_ =
            ImportPairingText(*schedule_, files_[3].text, "", !month_.PilotGroup(), desktop_);
    }

    // The month's employees of the group, in file order.
    std::vector<size_t> GroupRows() const {
        std::vector<size_t> rows;
        for (size_t i = 0; i < month_.employees.size(); ++i) {
            if (month_.employees[i].selected) {
                rows.push_back(i);
            }
        }
        return rows;
    }

    SampleMonth month_;
    std::vector<SampleFile> files_;
    ScriptedDesktop desktop_;
    std::unique_ptr<TSchedule> schedule_;
    AbsencesReadResult absences_;
    PairingImportResult pairings_;
};

TEST_P(SampleImportTest, LoadsWithoutAMessage) {
    EXPECT_TRUE(pairings_.loaded);
    EXPECT_TRUE(desktop_.MessageTexts().empty())
        << "first: " << (desktop_.messages.empty() ? "" : desktop_.MessageTexts().front());
    EXPECT_EQ(absences_.warnings, "");
    EXPECT_TRUE(LooksLikeRosterExtract(files_[1].text));
}

TEST_P(SampleImportTest, ToolboxCatalogueAndAirportsAreTheFiles) {
    EXPECT_EQ(schedule_->toolboxTitle, month_.toolboxTitle);
    std::vector<const ToolboxCode*> own;
    for (const ToolboxCode& code : ToolboxCodes()) {
        if (code.pilot == month_.PilotGroup()) {
            own.push_back(&code);
        }
    }
    ASSERT_EQ(schedule_->toolboxCodeCount, static_cast<int32_t>(own.size()));
    for (size_t i = 0; i < own.size(); ++i) {
        const TAbsence& entry = schedule_->toolboxCodes[i];
        EXPECT_EQ(entry.code, own[i]->code);
        EXPECT_EQ(entry.trackingCode, own[i]->trackingCode);
        EXPECT_EQ(entry.caption, own[i]->caption);
        EXPECT_EQ(entry.startTime, own[i]->startTime) << entry.code;
        EXPECT_EQ(entry.endTime, own[i]->endTime) << entry.code;
        EXPECT_EQ(entry.credit, own[i]->credit) << entry.code;
        EXPECT_EQ(entry.countsCredit != 0, own[i]->countsCredit) << entry.code;
        EXPECT_EQ(entry.containsDuty != 0, own[i]->containsDuty) << entry.code;
    }
    for (const Airport& airport : Airports()) {
        EXPECT_EQ(StationTimeValue(schedule_->airportDetails, airport.code), airport.stationTime)
            << airport.code;
    }
    EXPECT_TRUE(HomeBaseObservesDst(*schedule_));
}

TEST_P(SampleImportTest, RosterHoldsTheGroupAndOnlyIt) {
    std::vector<size_t> group = GroupRows();
    ASSERT_EQ(schedule_->employeeCount, static_cast<int32_t>(group.size()));
    for (size_t row = 0; row < group.size(); ++row) {
        const SampleEmployee& model = month_.employees[group[row]];
        const TPilot& employee = schedule_->employees[row];
        EXPECT_EQ(employee.employeeNumber, model.number);
        EXPECT_EQ(employee.name, std::string(1, model.initial) + " " + model.surname);
        EXPECT_EQ(employee.qualificationCodes, model.qualifications);
        const std::string& codes = model.qualifications;
        int special = 0;
        if (!month_.PilotGroup()) {
            special = HasCode(codes, "IT") ? 2 : 0;
        } else if (HasCode(codes, "LA")) {
            special = HasCode(codes, "LC") ? 4 : 3;
        } else if (HasCode(codes, "LC")) {
            special = 1;
        } else if (HasCode(codes, "LB")) {
            special = 2;
        }
        EXPECT_EQ(employee.specialQualification, special) << codes;
    }
}

TEST_P(SampleImportTest, AbsencesSitWhereTheExtractPutThem) {
    std::vector<size_t> group = GroupRows();
    ASSERT_EQ(schedule_->employeeCount, static_cast<int32_t>(group.size()));
    int wholePeriod = 0;
    for (size_t row = 0; row < group.size(); ++row) {
        const TPilot& employee = schedule_->employees[row];
        std::vector<const SampleAbsence*> byDay(static_cast<size_t>(month_.dayCount), nullptr);
        for (const SampleAbsence& absence : month_.absences[group[row]]) {
            for (int d = absence.firstDay; d <= absence.lastDay; ++d) {
                byDay[static_cast<size_t>(d)] = &absence;
            }
        }
        for (size_t d = 0; d < byDay.size(); ++d) {
            SCOPED_TRACE(employee.name + " day " + std::to_string(d));
            const SampleAbsence* absence = byDay[d];
            if (absence == nullptr) {
                EXPECT_EQ(employee.dayPairing[d], kDayFree);
                continue;
            }
            const ToolboxCode& code = *absence->code;
            EXPECT_EQ(employee.dayPairing[d], kDayToolbox);
            EXPECT_EQ(employee.dayCrewCode[d], code.trackingCode);
            EXPECT_EQ(employee.dayCode[d], code.code);
            const DayValues& detail = employee.dayDetail[d];
            EXPECT_EQ(detail[kDetailStart], absence->startTime);
            EXPECT_EQ(detail[kDetailTimeAtWork],
                      (absence->endTime - absence->startTime + kDay) % kDay);
            EXPECT_EQ(detail[kDetailCredit], code.credit);
            EXPECT_EQ(detail[kDetailContainsDuty] != 0, code.containsDuty);
            EXPECT_EQ(detail[kDetailExcludeCredit] != 0, !code.countsCredit);
            EXPECT_EQ(detail[kDetailReserve] != 0, code.use == AbsenceUse::Reserve);
        }
        wholePeriod += employee.absentWholePeriod != 0 ? 1 : 0;
        if (employee.absentWholePeriod != 0) {
            EXPECT_NE(employee.reserveBidder, 0);
        }
    }
    EXPECT_GE(wholePeriod, 1);
}

TEST_P(SampleImportTest, EverySeatValidates) {
    ASSERT_EQ(schedule_->SeatCount(), month_.SelectedSeats());
    for (int32_t s = 0; s < schedule_->SeatCount(); ++s) {
        TPair& seat = schedule_->pairings[static_cast<size_t>(s)];
        seat.Validate(schedule_->dayCount, schedule_->airportDetails);
        EXPECT_EQ(seat.valid, 1) << seat.seriesCode << seat.number << ": " << seat.validationText;
        int sum = 0;
        for (int k = 0; k < seat.lengthDays; ++k) {
            sum += seat.dailyCredit[static_cast<size_t>(k)];
        }
        EXPECT_EQ(sum, seat.totalCredit) << seat.number;
    }
    size_t warnings = 0;
    bool inWarnings = false;
    for (const std::string& line : pairings_.pairingReport) {
        if (line.starts_with("====== ")) {
            inWarnings = line == "====== Pairing Warnings Report ======";
        } else if (inWarnings && !line.empty()) {
            ++warnings;
        }
    }
    EXPECT_FALSE(pairings_.pairingReport.empty());
    EXPECT_EQ(warnings, 0u);
}

TEST_P(SampleImportTest, SeatsAreThePairingsOfTheGroup) {
    const std::string& status = month_.options.status;
    size_t s = 0;
    for (const SamplePairing& pairing : month_.pairings) {
        if (!pairing.inGroup) {
            continue;
        }
        SCOPED_TRACE(std::string(1, pairing.baseLetter) + std::to_string(pairing.number));
        ExpectedSeat expected = Expect(month_, pairing);
        std::vector<std::string> positions;
        if (status == "FA") {
            positions.insert(positions.end(), static_cast<size_t>(pairing.pursers), "PU");
            positions.insert(positions.end(), static_cast<size_t>(pairing.attendants), "FA");
        } else {
            positions.insert(positions.end(), static_cast<size_t>(pairing.Seats(status)), status);
        }
        for (const std::string& position : positions) {
            ASSERT_LT(s, static_cast<size_t>(schedule_->SeatCount()));
            TPair& seat = schedule_->pairings[s++];
            seat.Validate(schedule_->dayCount, schedule_->airportDetails);
            EXPECT_EQ(seat.position, position);
            EXPECT_EQ(seat.number, pairing.number);
            EXPECT_EQ(seat.seriesCode, std::string(1, pairing.baseLetter) +
                                           static_cast<char>('0' + pairing.number / 1000));
            EXPECT_EQ(seat.reportTime, pairing.reportClock);
            EXPECT_EQ(seat.tafb, pairing.tafb);
            EXPECT_EQ(seat.totalCredit, pairing.totalCredit);
            EXPECT_EQ(seat.lengthDays, expected.lengthDays);
            EXPECT_EQ(seat.releaseTime, expected.releaseTime);
            EXPECT_EQ(seat.continuousDuty != 0, expected.continuousDuty);
            EXPECT_EQ(seat.minRestAfter, expected.minRestAfter);
            EXPECT_EQ(seat.fatigueUnits, expected.fatigueUnits);
            EXPECT_EQ(seat.route, expected.route);
            EXPECT_EQ(seat.usaSegments != 0, expected.usaSegments);
            EXPECT_EQ(seat.dailyStart, expected.dailyStart);
            EXPECT_EQ(seat.dailyDuty, expected.dailyDuty);
            EXPECT_EQ(seat.dailyHard, expected.dailyHard);
            EXPECT_EQ(seat.dailyCredit, expected.dailyCredit);
            EXPECT_EQ(seat.layoverRest, expected.layoverRest);
            EXPECT_EQ(seat.dutyStartAt, expected.dutyStartAt);
            for (int d = 0; d < schedule_->dayCount; ++d) {
                bool operates =
                    std::binary_search(pairing.operations.begin(), pairing.operations.end(), d);
                EXPECT_EQ(seat.operates[static_cast<size_t>(d)], operates ? 1 : 0) << "day " << d;
            }
        }
    }
    EXPECT_EQ(s, static_cast<size_t>(schedule_->SeatCount()));
}

// The codes of the extract are in the built-in table too, so the absences
// load without a toolbox definition file.
TEST(SampleImportDefaultTableTest, AbsencesNeedNoToolboxFile) {
    for (const char* status : {"CA", "FA"}) {
        SampleMonth month = BuildSampleMonth(Group("YYZ", "DH4", status, 6, false));
        std::vector<SampleFile> files = SampleFiles(month);
        ScriptedDesktop desktop;
        std::unique_ptr<TSchedule> schedule = NewSchedule(month, desktop);
        ASSERT_TRUE(ReadRosterExtract(*schedule, files[1].text).complete);
        AbsencesReadResult result = ReadAbsencesExtract(*schedule, files[2].text, false);
        EXPECT_TRUE(result.complete) << status;
        EXPECT_EQ(result.warnings, "") << status;
    }
}

INSTANTIATE_TEST_SUITE_P(Months, SampleImportTest,
                         ::testing::Values(Group("YYZ", "DH8", "CA", 4, false),
                                           Group("YVR", "CRJ", "FO", 3, true),
                                           Group("YHZ", "DH4", "FA", 11, true),
                                           Group("YUL", "E75", "FA", 2, false),
                                           Group("YYC", "DH4", "CA", 1, false)));

TEST(SampleImportCapacityTest, FullMonthFillsTheTablesExactly) {
    for (const char* status : {"FO", "FA"}) {
        SampleOptions options = Group("YYZ", "CRJ", status, 5, false);
        options.employees = 1000;
        options.pairings = 3000;
        SampleMonth month = BuildSampleMonth(options);
        std::vector<SampleFile> files = SampleFiles(month);
        ScriptedDesktop desktop;
        std::unique_ptr<TSchedule> schedule = NewSchedule(month, desktop);
        ASSERT_EQ(ParseToolboxDefinitions(*schedule, files[0].text, desktop),
                  ToolboxParseResult::Loaded);
        RosterReadResult roster = ReadRosterExtract(*schedule, files[1].text);
        EXPECT_EQ(roster.loaded, 1000);
        EXPECT_EQ(roster.notLoaded, 0);
        PairingImportResult result =
            ImportPairingText(*schedule, files[3].text, "", std::string(status) == "FA", desktop);
        EXPECT_TRUE(result.loaded) << status;
        EXPECT_EQ(schedule->SeatCount(), 3000) << status;
        EXPECT_TRUE(desktop.MessageTexts().empty()) << status;
    }
}

}  // namespace
}  // namespace tallow::sample
