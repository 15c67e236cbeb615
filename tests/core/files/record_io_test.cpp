#include "core/files/record_io.h"

#include <gtest/gtest.h>

#include <string>

#include "sample_records.h"
#include "stream_bytes.h"

namespace tallow {
namespace {

using testing::DistinctCode;
using testing::DistinctPair;
using testing::DistinctPilot;
using testing::Hex;
using testing::StreamBytes;

constexpr int32_t kSentinel = 0x5EED5EED;

std::string Body(const ObjectWriter& out) {
    return std::string(out.Bytes().substr(5));
}

TEST(PairIoTest, ObjectStartsWithItsFrameAndEndsWithTheSuffix) {
    ObjectWriter out;
    WritePair(out, TPair(Date::FromJulianDay(2451545)));
    std::string body = Body(out);
    EXPECT_EQ(Hex(body.substr(0, 14)), "5B 05 00 00 00 54 50 61 69 72 05 00 00 00");
    EXPECT_EQ(Hex(body.substr(body.size() - 1)), "5D");
}

TEST(PairIoTest, WritesTheStoredFormInLayoutOrder) {
    TPair pair = DistinctPair(3);
    StreamBytes expected;
    testing::PairObject(expected, pair);
    ObjectWriter out;
    WritePair(out, pair);
    EXPECT_EQ(Hex(out.Bytes()), Hex(expected.bytes));
}

TEST(PairIoTest, ReadsEveryStoredFieldBack) {
    TPair written = DistinctPair(3);
    ObjectWriter out;
    WritePair(out, written);
    out.WriteWord(kSentinel);

    ObjectReader in(out.Bytes());
    TPair read(Date{});
    ReadPair(in, read);
    testing::ExpectSamePair(read, written);
    EXPECT_EQ(in.ReadWord(), kSentinel);
    EXPECT_TRUE(in.Good());
    // Extra-crew marks are not stored.
    EXPECT_EQ(read.operates[0], 2);
}

TEST(PairIoTest, ValidWordOtherThanZeroReadsAsOne) {
    TPair pair = DistinctPair(1);
    pair.valid = 0;
    StreamBytes b;
    b.Begin("TPair", 5);
    testing::PairData(b, pair, 5);
    b.End();
    // The valid word follows 3 words, a byte and 2 words of data.
    b.bytes[5 + 14 + 12 + 1 + 8] = 7;
    ObjectReader in(b.bytes);
    TPair read(Date{});
    ReadPair(in, read);
    EXPECT_TRUE(in.Good());
    EXPECT_EQ(read.valid, 1);
}

// Objects of every earlier version leave the fields they lack cleared.
TEST(PairIoTest, OlderVersionsLeaveLaterFieldsCleared) {
    for (uint32_t version = 1; version <= 5; ++version) {
        TPair stored = DistinctPair(2);
        StreamBytes b;
        testing::PairObject(b, stored, version);
        b.Word(kSentinel);
        ObjectReader in(b.bytes);
        TPair read(Date{});
        ReadPair(in, read);
        EXPECT_EQ(in.ReadWord(), kSentinel) << "version " << version;
        EXPECT_EQ(read.number, stored.number) << "version " << version;
        EXPECT_EQ(read.position, stored.position) << "version " << version;
        EXPECT_EQ(read.excludedCredit, version >= 2 ? stored.excludedCredit : PairDays{})
            << "version " << version;
        EXPECT_EQ(read.minRestAfter, version >= 3 ? stored.minRestAfter : kDefaultMinRestAfter)
            << "version " << version;
        EXPECT_EQ(read.sourceText, version >= 4 ? stored.sourceText : "") << "version " << version;
        EXPECT_EQ(read.dayType, version >= 5 ? stored.dayType : PairDays{})
            << "version " << version;
    }
}

TEST(PairIoTest, OldStreamReadsSixteenBitWordsAndNoObjectVersion) {
    TPair stored = DistinctPair(4);
    StreamBytes b(0);
    testing::PairObject(b, stored);
    b.Word(0x1234);
    ObjectReader in(b.bytes);
    ASSERT_EQ(in.StreamVersion(), 0u);
    TPair read(Date{});
    ReadPair(in, read);
    EXPECT_EQ(in.ReadWord(), 0x1234);
    EXPECT_EQ(read.number, stored.number);
    EXPECT_EQ(read.dailyHard, stored.dailyHard);
    EXPECT_EQ(read.createdDate, stored.createdDate);
    EXPECT_EQ(read.displayText, stored.displayText);
    EXPECT_EQ(read.minRestAfter, kDefaultMinRestAfter);
}

TEST(PilotIoTest, WritesTheStoredFormInLayoutOrder) {
    TPilot pilot = DistinctPilot(5);
    StreamBytes expected;
    testing::PilotObject(expected, pilot);
    ObjectWriter out;
    WritePilot(out, pilot);
    ASSERT_EQ(out.Bytes().size(), expected.bytes.size());
    EXPECT_TRUE(out.Bytes() == expected.bytes);
    EXPECT_EQ(Hex(Body(out).substr(0, 15)), "5B 06 00 00 00 54 50 69 6C 6F 74 03 00 00 00");
}

TEST(PilotIoTest, ReadsEveryStoredFieldBack) {
    for (int seed : {0, 7}) {
        TPilot written = DistinctPilot(seed);
        ObjectWriter out;
        WritePilot(out, written);
        out.WriteWord(kSentinel);
        ObjectReader in(out.Bytes());
        TPilot read;
        ReadPilot(in, read);
        testing::ExpectSamePilot(read, written);
        EXPECT_EQ(in.ReadWord(), kSentinel);
    }
}

TEST(PilotIoTest, OlderVersionsLeaveLaterFieldsCleared) {
    for (uint32_t version = 1; version <= 3; ++version) {
        TPilot stored = DistinctPilot(4);
        StreamBytes b;
        testing::PilotObject(b, stored, version);
        b.Word(kSentinel);
        ObjectReader in(b.bytes);
        TPilot read;
        ReadPilot(in, read);
        EXPECT_EQ(in.ReadWord(), kSentinel) << "version " << version;
        EXPECT_EQ(read.ageMedFlags, stored.ageMedFlags) << "version " << version;
        EXPECT_EQ(read.extraCredits, stored.extraCredits) << "version " << version;
        bool v2 = version >= 2;
        EXPECT_EQ(read.trainee, v2 ? stored.trainee : 0) << "version " << version;
        EXPECT_EQ(read.reservedD[6], v2 ? stored.reservedD[6] : 0) << "version " << version;
        EXPECT_EQ(read.timeBank, v2 ? stored.timeBank : 0) << "version " << version;
        EXPECT_EQ(read.trainingAtHome, v2 ? stored.trainingAtHome : 0) << "version " << version;
        EXPECT_EQ(read.trainingOutsideWindow, v2) << "version " << version;
        EXPECT_EQ(read.hardTimeHistory, version >= 3 ? stored.hardTimeHistory : "")
            << "version " << version;
    }
}

TEST(PilotIoTest, EmployeeNumberIsFourRawBytesEvenInAnOldStream) {
    TPilot stored = DistinctPilot(2);
    stored.employeeNumber = 987654321;
    StreamBytes b(0);
    testing::PilotObject(b, stored);
    ObjectReader in(b.bytes);
    TPilot read;
    ReadPilot(in, read);
    EXPECT_TRUE(in.Good());
    EXPECT_EQ(read.employeeNumber, 987654321);
    EXPECT_EQ(read.dayCrewCode, stored.dayCrewCode);
}

TEST(AbsenceIoTest, WritesBareFieldsAndReadsThemBack) {
    TAbsence code = DistinctCode(1);
    StreamBytes expected;
    testing::CodeData(expected, code);
    ObjectWriter out;
    WriteAbsence(out, code);
    EXPECT_EQ(Hex(out.Bytes()), Hex(expected.bytes));

    ObjectReader in(out.Bytes());
    TAbsence read;
    read.countsCredit = 1;
    ReadAbsence(in, read);
    testing::ExpectSameCode(read, code);
    EXPECT_TRUE(in.Good());
}

TEST(AbsenceIoTest, ClearedEntryKeepsItsDefaultFlags) {
    ObjectWriter out;
    WriteAbsence(out, TAbsence());
    ObjectReader in(out.Bytes());
    TAbsence read;
    read.countsCredit = 0;
    read.inToolbox = 0;
    ReadAbsence(in, read);
    EXPECT_EQ(read.countsCredit, 1);
    EXPECT_EQ(read.inToolbox, 1);
}

TEST(AbsenceIoTest, AnyNonZeroFlagWordReadsAsOne) {
    StreamBytes b;
    b.Text("SM").Text("SM").Text("SIMULATOR").Words({600, 1080, 300, 0}).Words({5, -1, 0, 256});
    ObjectReader in(b.bytes);
    TAbsence read;
    ReadAbsence(in, read);
    EXPECT_EQ(read.containsDuty, 1);
    EXPECT_EQ(read.isCarsDuty, 1);
    EXPECT_EQ(read.countsCredit, 0);
    EXPECT_EQ(read.inToolbox, 1);
}

}  // namespace
}  // namespace tallow
