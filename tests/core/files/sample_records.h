#pragma once
// Records with a distinct value in every stored field, their stored form
// encoded by hand from the record layouts, and comparisons of the stored
// fields. A field written in the wrong place or left out shows up as a
// mismatch.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/model/absence.h"
#include "core/model/pair.h"
#include "core/model/pilot.h"
#include "stream_bytes.h"

namespace tallow::testing {

inline TPair DistinctPair(int seed) {
    TPair p(Date::FromJulianDay(2460000 + seed));
    p.reportTime = 100 + seed;
    p.releaseTime = 200 + seed;
    p.totalCredit = 300 + seed;
    p.lengthDays = static_cast<uint8_t>(2 + seed % 5);
    p.tafb = 400 + seed;
    p.number = 8100 + seed;
    p.valid = 1;
    p.position = seed % 2 == 0 ? "CA" : "FO";
    for (int d = 0; d < kPairDays; ++d) {
        auto i = static_cast<size_t>(d);
        p.operates[i] = d % 4 == 0 ? -2 : d % 3;
        p.excludedCredit[i] = 5000 + d + seed;
        p.dayType[i] = (d + seed) % 4;
        p.dailyStart[i] = 1000 + d;
        p.dailyDuty[i] = 2000 + d + seed;
        p.dailyCredit[i] = 3000 + d;
        p.dailyHard[i] = 4000 + d + seed;
        p.dutyStartAt[i] = 77;  // derived: not stored
    }
    p.fatigueUnits = 600 + seed;
    p.minRestAfter = 720 + seed;
    p.countedDays = 9;  // derived: not stored
    p.validationText = "not stored";
    p.displayText = "V" + std::to_string(8100 + seed) + " display";
    p.sourceText = "1V8" + std::to_string(seed) + " header\n3 duty record\n";
    p.route = "YYCYEG";
    p.seriesCode = "V8";
    return p;
}

inline TPilot DistinctPilot(int seed) {
    TPilot e;
    e.name = "PILOT " + std::to_string(seed);
    e.phone1 = "604-555-01" + std::to_string(seed);
    e.phone2 = "778-555-02" + std::to_string(seed);
    e.quickNotes = "notes " + std::to_string(seed);
    e.pairingFilterText = "filter";
    e.bidText = "bid " + std::to_string(seed);
    e.qualificationCodes = "ABCDEFGHIJKL";
    e.hardTimeHistory = std::string(356, static_cast<char>('0' + seed % 10));
    e.illegalitiesText = "not stored+";
    e.employeeNumber = seed == 0 ? kPlaceholderEmployee : 123456789 - seed;
    e.reservedA = 11 + seed;
    for (int d = 0; d < kCalendarDays; ++d) {
        auto i = static_cast<size_t>(d);
        e.dayPairing[i] = d % 6 - 2 + seed;
        e.dayOffRequest[i] = static_cast<uint8_t>(d % 52);
        e.dayLocked[i] = static_cast<uint8_t>(d % 2);
        e.dayCode[i] = d % 3 == 0 ? "" : "C" + std::to_string(d);
        e.dayCrewCode[i] = "K" + std::to_string(d + seed);
        e.historyCode[i] = d % 5 == 0 ? "SIM" : "";
        for (int j = 0; j < kHistorySlots; ++j) {
            auto k = static_cast<size_t>(j);
            e.history[i][k] = d * 100 + j + seed;
            e.dayDetail[i][k] = -(d * 100 + j);
        }
        e.dayIllegal[i] = 1;  // derived: not stored
    }
    int32_t word = 700 + seed;
    for (int32_t* field :
         {&e.carryInCredit, &e.legalCheckIn, &e.carryInFatigue, &e.reservedC, &e.blockComplete,
          &e.minBlockOverride, &e.maxBlockOverride, &e.minDaysOffOverride, &e.specialQualification,
          &e.ageMedFlags, &e.trainee, &e.noTZ, &e.noYCG}) {
        *field = word++;
    }
    for (int32_t& reserved : e.reservedD) {
        reserved = word++;
    }
    e.reserveBidder = 1;
    e.blockHours = static_cast<int8_t>(-3 - seed);
    e.blockMinutes = 59;
    e.draftCredits = 801 + seed;
    e.reservedB = 802 + seed;
    e.extraCredits = 803 + seed;
    e.timeBank = 804 + seed;
    e.trainingAtHome = 805 + seed;
    e.trainingOutsideWindow = true;
    return e;
}

inline TAbsence DistinctCode(int seed) {
    TAbsence c;
    c.code = "V" + std::to_string(seed);
    c.trackingCode = "RA";
    c.caption = "VACATION " + std::to_string(seed);
    c.startTime = 1140 + seed;
    c.endTime = 420 + seed;
    c.credit = 240 + seed;
    c.hardTime = 60 + seed;
    c.containsDuty = 1;
    c.isCarsDuty = 0;
    c.countsCredit = 0;
    c.inToolbox = 1;
    return c;
}

// The data of a "TPair" object of `version`, as the layout lists it.
inline void PairData(StreamBytes& b, const TPair& p, uint32_t version) {
    b.Words({p.reportTime, p.releaseTime, p.totalCredit}).Byte(p.lengthDays);
    b.Words({p.tafb, p.number, p.valid});
    for (int32_t value : p.operates) {
        b.Word(std::abs(value));
    }
    for (size_t k = 0; k < kPairDays; ++k) {
        b.Words({p.dailyStart[k], p.dailyDuty[k], p.dailyCredit[k], p.dailyHard[k]});
    }
    b.Text(p.displayText).Text(p.route).Word(p.fatigueUnits).Text(p.seriesCode);
    b.Word32(static_cast<uint32_t>(p.createdDate.JulianDay())).Text(p.position);
    if (version >= 2) {
        for (int32_t value : p.excludedCredit) {
            b.Word(value);
        }
    }
    if (version >= 3) {
        b.Word(p.minRestAfter);
    }
    if (version >= 4) {
        b.Text(p.sourceText);
    }
    if (version >= 5) {
        for (int32_t value : p.dayType) {
            b.Word(value);
        }
    }
}

inline void PairObject(StreamBytes& b, const TPair& p, uint32_t version = 5) {
    b.Begin("TPair", version);
    PairData(b, p, b.StreamVersion() == 0 ? 0 : version);
    b.End();
}

// The data of a "TPilot" object of `version`, as the layout lists it.
inline void PilotData(StreamBytes& b, const TPilot& e, uint32_t version) {
    b.Text(e.name).Text(e.phone1).Text(e.phone2).Text(e.quickNotes);
    b.Word32(static_cast<uint32_t>(e.employeeNumber)).Word(e.reservedA);
    for (size_t i = 0; i < kCalendarDays; ++i) {
        b.Word(e.dayPairing[i]).Byte(e.dayOffRequest[i]).Byte(e.dayLocked[i]);
        b.Text(e.dayCode[i]).Text(e.dayCrewCode[i]).Text(e.historyCode[i]);
        for (size_t j = 0; j < kHistorySlots; ++j) {
            b.Word(e.history[i][j]).Word(e.dayDetail[i][j]);
        }
    }
    b.Text(e.pairingFilterText).Text(e.bidText).Text(e.qualificationCodes);
    b.Words({e.carryInCredit, e.legalCheckIn, e.carryInFatigue, e.reservedC, e.blockComplete,
             e.minBlockOverride, e.maxBlockOverride, e.minDaysOffOverride, e.specialQualification,
             e.ageMedFlags});
    if (version >= 2) {
        b.Words({e.trainee, e.noTZ, e.noYCG});
        for (int32_t reserved : e.reservedD) {
            b.Word(reserved);
        }
    }
    b.Byte(e.reserveBidder)
        .Byte(static_cast<uint8_t>(e.blockHours))
        .Byte(static_cast<uint8_t>(e.blockMinutes));
    b.Words({e.draftCredits, e.reservedB, e.extraCredits});
    if (version >= 2) {
        b.Words({e.timeBank, e.trainingAtHome, e.trainingOutsideWindow ? 1 : 0});
    }
    if (version >= 3) {
        b.Text(e.hardTimeHistory);
    }
}

inline void PilotObject(StreamBytes& b, const TPilot& e, uint32_t version = 3) {
    b.Begin("TPilot", version);
    PilotData(b, e, b.StreamVersion() == 0 ? 0 : version);
    b.End();
}

inline void CodeData(StreamBytes& b, const TAbsence& c) {
    b.Text(c.code).Text(c.trackingCode).Text(c.caption);
    b.Words({c.startTime, c.endTime, c.credit, c.hardTime});
    b.Words({c.containsDuty, c.isCarsDuty, c.countsCredit, c.inToolbox});
}

inline void ExpectSamePair(const TPair& a, const TPair& b) {
    EXPECT_EQ(a.reportTime, b.reportTime);
    EXPECT_EQ(a.releaseTime, b.releaseTime);
    EXPECT_EQ(a.totalCredit, b.totalCredit);
    EXPECT_EQ(a.lengthDays, b.lengthDays);
    EXPECT_EQ(a.tafb, b.tafb);
    EXPECT_EQ(a.number, b.number);
    EXPECT_EQ(a.valid, b.valid);
    for (size_t d = 0; d < kPairDays; ++d) {
        EXPECT_EQ(std::abs(a.operates[d]), std::abs(b.operates[d])) << "day " << d;
    }
    EXPECT_EQ(a.dailyStart, b.dailyStart);
    EXPECT_EQ(a.dailyDuty, b.dailyDuty);
    EXPECT_EQ(a.dailyCredit, b.dailyCredit);
    EXPECT_EQ(a.dailyHard, b.dailyHard);
    EXPECT_EQ(a.displayText, b.displayText);
    EXPECT_EQ(a.route, b.route);
    EXPECT_EQ(a.fatigueUnits, b.fatigueUnits);
    EXPECT_EQ(a.seriesCode, b.seriesCode);
    EXPECT_EQ(a.createdDate, b.createdDate);
    EXPECT_EQ(a.position, b.position);
    EXPECT_EQ(a.excludedCredit, b.excludedCredit);
    EXPECT_EQ(a.minRestAfter, b.minRestAfter);
    EXPECT_EQ(a.sourceText, b.sourceText);
    EXPECT_EQ(a.dayType, b.dayType);
}

inline void ExpectSamePilot(const TPilot& a, const TPilot& b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.phone1, b.phone1);
    EXPECT_EQ(a.phone2, b.phone2);
    EXPECT_EQ(a.quickNotes, b.quickNotes);
    EXPECT_EQ(a.employeeNumber, b.employeeNumber);
    EXPECT_EQ(a.reservedA, b.reservedA);
    EXPECT_EQ(a.dayPairing, b.dayPairing);
    EXPECT_EQ(a.dayOffRequest, b.dayOffRequest);
    EXPECT_EQ(a.dayLocked, b.dayLocked);
    EXPECT_EQ(a.dayCode, b.dayCode);
    EXPECT_EQ(a.dayCrewCode, b.dayCrewCode);
    EXPECT_EQ(a.historyCode, b.historyCode);
    EXPECT_EQ(a.history, b.history);
    EXPECT_EQ(a.dayDetail, b.dayDetail);
    EXPECT_EQ(a.pairingFilterText, b.pairingFilterText);
    EXPECT_EQ(a.bidText, b.bidText);
    EXPECT_EQ(a.qualificationCodes, b.qualificationCodes);
    EXPECT_EQ(a.carryInCredit, b.carryInCredit);
    EXPECT_EQ(a.legalCheckIn, b.legalCheckIn);
    EXPECT_EQ(a.carryInFatigue, b.carryInFatigue);
    EXPECT_EQ(a.reservedC, b.reservedC);
    EXPECT_EQ(a.blockComplete, b.blockComplete);
    EXPECT_EQ(a.minBlockOverride, b.minBlockOverride);
    EXPECT_EQ(a.maxBlockOverride, b.maxBlockOverride);
    EXPECT_EQ(a.minDaysOffOverride, b.minDaysOffOverride);
    EXPECT_EQ(a.specialQualification, b.specialQualification);
    EXPECT_EQ(a.ageMedFlags, b.ageMedFlags);
    EXPECT_EQ(a.trainee, b.trainee);
    EXPECT_EQ(a.noTZ, b.noTZ);
    EXPECT_EQ(a.noYCG, b.noYCG);
    EXPECT_EQ(a.reservedD, b.reservedD);
    EXPECT_EQ(a.reserveBidder, b.reserveBidder);
    EXPECT_EQ(a.blockHours, b.blockHours);
    EXPECT_EQ(a.blockMinutes, b.blockMinutes);
    EXPECT_EQ(a.draftCredits, b.draftCredits);
    EXPECT_EQ(a.reservedB, b.reservedB);
    EXPECT_EQ(a.extraCredits, b.extraCredits);
    EXPECT_EQ(a.timeBank, b.timeBank);
    EXPECT_EQ(a.trainingAtHome, b.trainingAtHome);
    EXPECT_EQ(a.trainingOutsideWindow, b.trainingOutsideWindow);
    EXPECT_EQ(a.hardTimeHistory, b.hardTimeHistory);
}

inline void ExpectSameCode(const TAbsence& a, const TAbsence& b) {
    EXPECT_EQ(a.code, b.code);
    EXPECT_EQ(a.trackingCode, b.trackingCode);
    EXPECT_EQ(a.caption, b.caption);
    EXPECT_EQ(a.startTime, b.startTime);
    EXPECT_EQ(a.endTime, b.endTime);
    EXPECT_EQ(a.credit, b.credit);
    EXPECT_EQ(a.hardTime, b.hardTime);
    EXPECT_EQ(a.containsDuty, b.containsDuty);
    EXPECT_EQ(a.isCarsDuty, b.isCarsDuty);
    EXPECT_EQ(a.countsCredit, b.countsCredit);
    EXPECT_EQ(a.inToolbox, b.inToolbox);
}

}  // namespace tallow::testing
