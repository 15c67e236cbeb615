// The month the generator builds: a coherent crew group, trips that start
// and end at the base, operating dates that match their weekly pattern,
// and the capacities of a schedule.

#include "sample/sample_month.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "sample/airports.h"
#include "sample/fleet.h"
#include "sample/trip_builder.h"
#include "sample_text.h"

namespace tallow::sample {
namespace {

constexpr int kDay = 1440;

SampleOptions Group(const char* base, const char* equipment, const char* status) {
    SampleOptions options;
    options.base = base;
    options.equipment = equipment;
    options.status = status;
    return options;
}

std::string Key(const SampleEmployee& employee, bool pilot) {
    return pilot ? employee.base + employee.equipment + employee.status : employee.base;
}

TEST(SampleOptionsTest, RefusesWhatNoScheduleCanHold) {
    struct Case {
        const char* what;
        void (*change)(SampleOptions&);
    };
    const Case cases[] = {
        {"unknown base", [](SampleOptions& o) { o.base = "YXX"; }},
        {"unknown equipment", [](SampleOptions& o) { o.equipment = "B73"; }},
        {"purser is no schedule status", [](SampleOptions& o) { o.status = "PU"; }},
        {"month 13", [](SampleOptions& o) { o.month = 13; }},
        {"no employees", [](SampleOptions& o) { o.employees = 0; }},
        {"more employees than rows", [](SampleOptions& o) { o.employees = 1001; }},
        {"more pairings than seats", [](SampleOptions& o) { o.pairings = 3001; }},
        {"clock change in April", [](SampleOptions& o) { o.dst = true; }},
    };
    EXPECT_EQ(CheckOptions(SampleOptions{}), "");
    for (const Case& c : cases) {
        SampleOptions options;
        c.change(options);
        EXPECT_NE(CheckOptions(options), "") << c.what;
        SampleMonth month = BuildSampleMonth(options);
        EXPECT_TRUE(month.employees.empty() && month.pairings.empty()) << c.what;
    }
}

TEST(SampleFleetTest, EveryBaseHasStationsForEveryType) {
    for (const Base& base : Bases()) {
        const Airport* airport = FindAirport(base.station);
        ASSERT_NE(airport, nullptr) << base.station;
        for (const Equipment& equipment : Fleet()) {
            Network network = MakeNetwork(*airport, equipment);
            EXPECT_GE(network.stations.size(), 3u) << base.station << " " << equipment.code;
            for (const Airport* station : network.stations) {
                EXPECT_LE(DistanceKm(*airport, *station), equipment.rangeKm);
            }
        }
    }
}

TEST(SampleFleetTest, DistancesAreRealistic) {
    // Great-circle distances: YYZ-YUL 505 km, YYZ-YVR 3340 km, YVR-YYJ 62 km.
    struct Case {
        const char* from;
        const char* to;
        int km;
    };
    for (const Case& c :
         {Case{"YYZ", "YUL", 505}, Case{"YYZ", "YVR", 3340}, Case{"YVR", "YYJ", 62}}) {
        int distance = DistanceKm(*FindAirport(c.from), *FindAirport(c.to));
        EXPECT_NEAR(distance, c.km, c.km / 20 + 5) << c.from << "-" << c.to;
        EXPECT_EQ(distance, DistanceKm(*FindAirport(c.to), *FindAirport(c.from)));
    }
}

class SampleMonthTest : public ::testing::TestWithParam<SampleOptions> {
  protected:
    void SetUp() override { month_ = BuildSampleMonth(GetParam()); }
    SampleMonth month_;
};

TEST_P(SampleMonthTest, RosterMixesTheGroupWithOtherCrew) {
    const SampleOptions& options = GetParam();
    bool pilot = month_.PilotGroup();
    std::string key = pilot ? options.base + options.equipment + options.status : options.base;
    std::set<int32_t> numbers;
    std::set<std::string> otherKeys;
    int32_t previous = 0;
    for (const SampleEmployee& employee : month_.employees) {
        EXPECT_TRUE(numbers.insert(employee.number).second) << employee.number;
        EXPECT_GT(employee.number, previous) << "extract is sorted by number";
        previous = employee.number;
        EXPECT_NE(employee.number, 99999) << "the absences extract's end mark";
        EXPECT_LE(employee.number, 999999999);
        EXPECT_FALSE(employee.surname.empty());
        EXPECT_LE(employee.surname.size(), 20u);
        EXPECT_TRUE(std::all_of(employee.surname.begin(), employee.surname.end(), [](char c) {
            return c >= 'A' && c <= 'Z';
        })) << employee.surname;
        EXPECT_TRUE(employee.initial >= 'A' && employee.initial <= 'Z');
        EXPECT_EQ(employee.qualifications.size(), 12u);
        EXPECT_EQ(employee.selected, Key(employee, pilot) == key) << employee.number;
        if (pilot) {
            EXPECT_TRUE(employee.status == "CA" || employee.status == "FO");
        } else {
            EXPECT_TRUE(employee.status == "FA" || employee.status == "PU");
        }
        if (!employee.selected) {
            otherKeys.insert(employee.base + employee.equipment + employee.status);
        }
    }
    EXPECT_EQ(month_.SelectedEmployees(), options.employees);
    EXPECT_GE(otherKeys.size(), 3u) << "the selection has something to leave out";
}

TEST_P(SampleMonthTest, AbsencesUseKnownCodesInsideThePeriod) {
    ASSERT_EQ(month_.absences.size(), month_.employees.size());
    bool wholePeriod = false;
    for (size_t i = 0; i < month_.absences.size(); ++i) {
        int nextFree = 0;
        for (const SampleAbsence& absence : month_.absences[i]) {
            ASSERT_NE(absence.code, nullptr);
            EXPECT_EQ(FindToolboxCode(month_.PilotGroup(), absence.code->trackingCode),
                      absence.code);
            EXPECT_GE(absence.firstDay, nextFree) << "ordered, without overlaps";
            EXPECT_LE(absence.firstDay, absence.lastDay);
            EXPECT_LT(absence.lastDay, month_.dayCount);
            EXPECT_EQ(absence.startTime, absence.code->startTime);
            EXPECT_EQ(absence.endTime, absence.code->endTime);
            nextFree = absence.lastDay + 1;
            wholePeriod |= absence.firstDay == 0 && absence.lastDay == month_.dayCount - 1 &&
                           month_.employees[i].selected;
        }
    }
    EXPECT_TRUE(wholePeriod) << "one of the group is away all month";
}

// Legs connect from the base back to the base, duties keep to their limits,
// rest at layovers is at least 10:00 and credits follow the duty values.
void ExpectSoundTrip(const SamplePairing& pairing, const Equipment& equipment) {
    SCOPED_TRACE(pairing.baseLetter + std::to_string(pairing.number));
    ASSERT_FALSE(pairing.duties.empty());
    std::string at = pairing.base;
    int previousEnd = -1;
    int sum = 0;
    for (size_t d = 0; d < pairing.duties.size(); ++d) {
        const SampleDuty& duty = pairing.duties[d];
        bool last = d + 1 == pairing.duties.size();
        ASSERT_FALSE(duty.legs.empty());
        if (previousEnd >= 0) {
            EXPECT_GE(duty.start - previousEnd, 600);
        }
        EXPECT_GE(duty.legs.front().departure - duty.start, 45);
        int departure = duty.start;
        for (const SampleLeg& leg : duty.legs) {
            EXPECT_EQ(leg.from, at);
            EXPECT_GT(leg.arrival, leg.departure);
            EXPECT_GE(leg.departure, departure);
            if (leg.kind == LegKind::Flight) {
                EXPECT_LE(DistanceKm(*FindAirport(leg.from), *FindAirport(leg.to)),
                          equipment.rangeKm);
            }
            departure = leg.arrival + 30;
            at = leg.to;
        }
        EXPECT_EQ(duty.end, duty.legs.back().arrival + 15);
        EXPECT_EQ(duty.station, at);
        EXPECT_EQ(at == pairing.base, last) << "home only at the end";
        EXPECT_EQ(duty.hotel.empty(), last);
        EXPECT_EQ(duty.layover == 0, last);
        if (!last) {
            EXPECT_EQ(duty.end + duty.layover, pairing.duties[d + 1].start);
        }
        EXPECT_GE(duty.credit, std::max(240, duty.block));
        sum += duty.credit;
        previousEnd = duty.end;
    }
    EXPECT_EQ(pairing.tafb, pairing.duties.back().end);
    EXPECT_NE((pairing.reportClock + pairing.tafb) % kDay, 0) << "no release at midnight";
    EXPECT_EQ(pairing.totalCredit, std::max(sum, pairing.tafb / 4));
    int length = TripLengthDays(pairing);
    EXPECT_GE(length, 1);
    EXPECT_LE(length, 5);
    if (pairing.continuousDuty) {
        EXPECT_EQ(pairing.duties.size(), 1u);
        EXPECT_LT(pairing.tafb, 900);
        EXPECT_GT(pairing.reportClock + pairing.tafb, kDay) << "overnight";
    }
}

// The operating dates are exactly the days of the weekly pattern between the
// first and last date, less the exceptions.
void ExpectPatternMatches(const SampleMonth& month, const SamplePairing& pairing) {
    SCOPED_TRACE(pairing.baseLetter + std::to_string(pairing.number));
    ASSERT_FALSE(pairing.operations.empty());
    EXPECT_EQ(pairing.operations.front(), pairing.firstDay);
    EXPECT_EQ(pairing.operations.back(), pairing.lastDay);
    EXPECT_GE(pairing.firstDay, 0);
    EXPECT_LT(pairing.lastDay, month.dayCount);
    std::set<int> exceptions;
    for (int day : pairing.exceptions) {
        if (day >= 0) {
            exceptions.insert(day);
        }
    }
    std::vector<int> expected;
    for (int day = pairing.firstDay; day <= pairing.lastDay; ++day) {
        bool onPattern = pairing.weekdays[static_cast<size_t>(month.DayDate(day).Weekday() - 1)];
        if (exceptions.count(day) != 0) {
            EXPECT_TRUE(onPattern) << "exception " << day << " off the pattern";
        } else if (onPattern) {
            expected.push_back(day);
        }
    }
    EXPECT_EQ(pairing.operations, expected);
}

TEST_P(SampleMonthTest, PairingsAreSoundTrips) {
    for (const SamplePairing& pairing : month_.pairings) {
        ExpectSoundTrip(pairing, *FindEquipment(pairing.equipment));
        ExpectPatternMatches(month_, pairing);
    }
}

TEST_P(SampleMonthTest, TheGroupsPairingsAreTheOnesItsImportTakes) {
    const SampleOptions& options = GetParam();
    const Equipment& own = *FindEquipment(options.equipment);
    int inGroup = 0;
    int continuous = 0;
    int outside = 0;
    int previousNumber = -1;
    bool pastMonthEnd = false;
    for (const SamplePairing& pairing : month_.pairings) {
        const Equipment& equipment = *FindEquipment(pairing.equipment);
        char digit = static_cast<char>('0' + pairing.number / 1000);
        EXPECT_TRUE(digit == equipment.digit || digit == equipment.secondDigit) << pairing.number;
        EXPECT_EQ(pairing.baseLetter, FindBase(pairing.base)->letter);
        bool ownDigit = digit == own.digit || (own.secondDigit != 0 && digit == own.secondDigit);
        bool taken = pairing.baseLetter == month_.baseLetter && (!month_.PilotGroup() || ownDigit);
        EXPECT_EQ(pairing.inGroup, taken) << pairing.baseLetter << pairing.number;
        if (!pairing.inGroup) {
            ++outside;
            continue;
        }
        ++inGroup;
        continuous += pairing.continuousDuty ? 1 : 0;
        EXPECT_NE(pairing.number, previousNumber) << "would be read as one pairing";
        previousNumber = pairing.number;
        pastMonthEnd |= pairing.lastDay + TripLengthDays(pairing) > month_.dayCount;
    }
    EXPECT_EQ(inGroup, options.pairings);
    EXPECT_GT(outside, 0);
    EXPECT_GE(continuous, 2);
    EXPECT_TRUE(pastMonthEnd);
}

INSTANTIATE_TEST_SUITE_P(Groups, SampleMonthTest,
                         ::testing::Values(Group("YYZ", "DH8", "CA"), Group("YVR", "CRJ", "FO"),
                                           Group("YHZ", "DH4", "FA"), Group("YYC", "E75", "CA"),
                                           Group("YUL", "CRJ", "FA")));

TEST(SampleMonthSeedsTest, EverySeedGivesSoundTrips) {
    const SampleOptions groups[] = {Group("YYZ", "DH8", "CA"), Group("YVR", "E75", "FO"),
                                    Group("YYC", "DH4", "FA"), Group("YHZ", "CRJ", "CA")};
    for (uint64_t seed = 100; seed < 125; ++seed) {
        for (SampleOptions options : groups) {
            options.seed = seed;
            options.month = static_cast<int>(1 + seed % 12);
            SampleMonth month = BuildSampleMonth(options);
            for (const SamplePairing& pairing : month.pairings) {
                ExpectSoundTrip(pairing, *FindEquipment(pairing.equipment));
                ExpectPatternMatches(month, pairing);
            }
            if (::testing::Test::HasFailure()) {
                FAIL() << "seed " << seed << " " << options.base << options.equipment;
            }
        }
    }
}

TEST(SampleMonthScaleTest, FillsTheScheduleToCapacity) {
    for (const char* status : {"CA", "FA"}) {
        SampleOptions options = Group("YYZ", "CRJ", status);
        options.employees = 1000;
        options.pairings = 3000;
        SampleMonth month = BuildSampleMonth(options);
        EXPECT_EQ(month.SelectedEmployees(), 1000) << status;
        EXPECT_EQ(month.SelectedSeats(), 3000) << status;
        std::set<int32_t> numbers;
        for (const SampleEmployee& employee : month.employees) {
            numbers.insert(employee.number);
        }
        EXPECT_EQ(numbers.size(), month.employees.size()) << status;
    }
}

TEST(SampleMonthScaleTest, LargeMonthUsesEveryKindOfLeg) {
    SampleOptions options;
    options.employees = 300;
    options.pairings = 400;
    SampleMonth month = BuildSampleMonth(options);
    std::set<LegKind> kinds;
    std::set<int> lengths;
    std::set<int> complements;
    for (const SamplePairing& pairing : month.pairings) {
        lengths.insert(TripLengthDays(pairing));
        complements.insert(pairing.captains * 100 + pairing.pursers * 10 + pairing.attendants);
        for (const SampleDuty& duty : pairing.duties) {
            for (const SampleLeg& leg : duty.legs) {
                kinds.insert(leg.kind);
            }
        }
    }
    EXPECT_EQ(kinds.size(), 4u);
    EXPECT_EQ(lengths, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_GE(complements.size(), 3u) << "second captains, extra attendants, ferries";
}

TEST(SampleMonthClockChangeTest, SomePairingsSpanTheChange) {
    struct Case {
        int month;
        int shift;
    };
    for (Case c : {Case{3, 60}, Case{11, -60}}) {
        SampleOptions options;
        options.month = c.month;
        options.dst = true;
        SampleMonth month = BuildSampleMonth(options);
        EXPECT_EQ(month.dstShift, c.shift);
        Date change = month.DayDate(month.dstChangeAt / kDay);
        EXPECT_EQ(change.Weekday(), 7) << "a Sunday";
        EXPECT_EQ(month.dstChangeAt % kDay, 120);
        int spanning = 0;
        for (const SamplePairing& pairing : month.pairings) {
            int report = month.ReportMoment(pairing, pairing.operations.front());
            if (pairing.inGroup && report < month.dstChangeAt &&
                report + pairing.tafb >= month.dstChangeAt) {
                ++spanning;
            }
        }
        EXPECT_GE(spanning, 2) << c.month;
    }
}

TEST(SampleMonthClockChangeTest, LocalTimeJumpsAtTheChange) {
    SampleOptions options;
    options.month = 3;
    SampleMonth month = BuildSampleMonth(options);
    int change = month.dstChangeAt;
    ASSERT_GT(change, 0);
    EXPECT_EQ(month.ToLocal(change - 1), change - 1);
    EXPECT_EQ(month.ToLocal(change), change + 60);
    EXPECT_EQ(month.FromLocal(change + 60), change);
    EXPECT_EQ(month.FromLocal(change - 30), change - 30);

    options.month = 4;
    EXPECT_EQ(BuildSampleMonth(options).dstShift, 0);
}

}  // namespace
}  // namespace tallow::sample
