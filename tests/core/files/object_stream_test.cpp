#include "core/files/object_stream.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

#include "stream_bytes.h"

namespace tallow {
namespace {

using testing::Hex;
using testing::StreamBytes;

constexpr std::string_view kHeader("\x3A\x01\x01\x00\x00", 5);

std::string Written(const std::function<void(ObjectWriter&)>& write) {
    ObjectWriter out;
    write(out);
    EXPECT_TRUE(out.Good());
    EXPECT_EQ(out.Bytes().substr(0, kHeader.size()), kHeader);
    return std::string(out.Bytes().substr(kHeader.size()));
}

TEST(ObjectWriterTest, WritesEachItemAsItsBytes) {
    struct Case {
        const char* name;
        std::function<void(ObjectWriter&)> write;
        const char* hex;
    };
    const Case cases[] = {
        {"empty text", [](ObjectWriter& o) { o.WriteText(""); }, "00 00 00 00"},
        {"text AB", [](ObjectWriter& o) { o.WriteText("AB"); }, "02 00 00 00 41 42"},
        {"byte", [](ObjectWriter& o) { o.WriteByte(0xC8); }, "C8"},
        {"negative word", [](ObjectWriter& o) { o.WriteWord(-2); }, "FE FF FF FF"},
        {"word32", [](ObjectWriter& o) { o.WriteWord32(0x01020304); }, "04 03 02 01"},
        {"flag", [](ObjectWriter& o) { o.WriteFlag(1); }, "01 00 00 00"},
        {"raw int", [](ObjectWriter& o) { WriteRawInt32(o, 2451545); }, "59 68 25 00"},
        {"object frame",
         [](ObjectWriter& o) { o.WriteObject(kPilotClass, [&] { o.WriteByte(7); }); },
         "5B 06 00 00 00 54 50 69 6C 6F 74 03 00 00 00 07 5D"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Hex(Written(c.write)), c.hex) << c.name;
    }
}

TEST(ObjectReaderTest, HeaderSetsTheStreamVersion) {
    EXPECT_EQ(ObjectReader(StreamBytes(257).bytes).StreamVersion(), 257u);
    EXPECT_EQ(ObjectReader(StreamBytes(256).bytes).StreamVersion(), 256u);

    // Any other first byte is data of a V = 0 stream and stays in it.
    ObjectReader old(std::string_view("\x05\x00", 2));
    EXPECT_EQ(old.StreamVersion(), 0u);
    EXPECT_EQ(old.ReadWord(), 5);
    EXPECT_TRUE(old.Good());

    ObjectReader empty("");
    EXPECT_EQ(empty.StreamVersion(), 0u);
    EXPECT_EQ(empty.State(), StreamState::EndOfFile);

    ObjectReader cutHeader(std::string_view("\x3A\x01\x01", 3));
    EXPECT_EQ(cutHeader.State(), StreamState::EndOfFile);
}

TEST(ObjectReaderTest, ItemWidthsFollowTheStreamVersion) {
    struct Case {
        uint32_t v;
        size_t wordBytes;
        size_t textLengthBytes;
    };
    for (Case c : {Case{0, 2, 1}, Case{256, 4, 1}, Case{257, 4, 4}}) {
        StreamBytes b(c.v);
        b.Word(-1).Text("XYZ").Flag(0x100).Word32(0x80000000u).Raw("\x01\x02\x03\x04").Byte(9);
        ObjectReader in(b.bytes);
        // Words are zero-extended when only 2 bytes are stored.
        EXPECT_EQ(in.ReadWord(), c.wordBytes == 2 ? 0xFFFF : -1) << "V=" << c.v;
        std::string text;
        in.ReadText(text);
        EXPECT_EQ(text, "XYZ") << "V=" << c.v;
        EXPECT_EQ(in.ReadFlag(), 1) << "V=" << c.v;
        EXPECT_EQ(in.ReadWord32(), 0x80000000u) << "V=" << c.v;
        EXPECT_EQ(ReadRawInt32(in), 0x04030201) << "V=" << c.v;
        EXPECT_EQ(in.ReadByte(), 9) << "V=" << c.v;
        EXPECT_TRUE(in.Good()) << "V=" << c.v;
        EXPECT_EQ(in.Remaining(), 0u) << "V=" << c.v;
    }
}

TEST(ObjectReaderTest, NullTextsReadAsEmptyAndKeepTheStreamGood) {
    StreamBytes wide(257);
    wide.Word32(0xFFFFFFFF).Word(42);
    StreamBytes narrow(0);
    narrow.Byte(0xFF).Word(42);
    for (const StreamBytes* b : {&wide, &narrow}) {
        ObjectReader in(b->bytes);
        std::string text = "previous";
        in.ReadText(text);
        EXPECT_EQ(text, "");
        EXPECT_EQ(in.ReadWord(), 42);
        EXPECT_TRUE(in.Good());
    }
}

TEST(ObjectReaderTest, FlagReadsAsOneAndIsWrittenBackAsOne) {
    StreamBytes b;
    b.Word32(2);
    ObjectReader in(b.bytes);
    uint8_t flag = in.ReadFlag();
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(Hex(Written([&](ObjectWriter& o) { o.WriteFlag(flag); })), "01 00 00 00");
}

TEST(ObjectReaderTest, ReadingPastTheEndDeliversZerosFromThenOn) {
    StreamBytes b;
    b.Byte(1).Byte(2);
    ObjectReader in(b.bytes);
    EXPECT_EQ(in.ReadWord(), 0);
    EXPECT_EQ(in.State(), StreamState::EndOfFile);
    EXPECT_EQ(in.ReadByte(), 0);
    std::string text = "kept?";
    in.ReadText(text);
    EXPECT_EQ(text, "");
    char raw[3] = {'x', 'y', 'z'};
    in.ReadBytes(raw);
    EXPECT_EQ(std::string(raw, 3), std::string(3, '\0'));
}

TEST(ObjectReaderTest, TextLongerThanTheDataEndsTheStreamWithoutReadingIt) {
    StreamBytes b;
    b.Word32(0xFFFFFFF0).Raw("ABC");
    ObjectReader in(b.bytes);
    std::string text;
    in.ReadText(text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(in.State(), StreamState::EndOfFile);
}

// Frames around one byte of data, read into an int that starts at -1.
struct FrameCase {
    const char* name;
    std::string bytes;
    StreamState state;
    int value;  // -1: untouched
    uint32_t version;
};

class ObjectFrameTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(ObjectFrameTest, ReadsOrRefusesTheFrame) {
    const FrameCase& c = GetParam();
    ObjectReader in(c.bytes);
    int value = -1;
    uint32_t version = 99;
    in.ReadObjectInto(kPairClass, [&](uint32_t v) {
        version = v;
        value = in.ReadByte();
    });
    EXPECT_EQ(in.State(), c.state);
    EXPECT_EQ(value, c.value);
    if (c.value != -1) {
        EXPECT_EQ(version, c.version);
    }
    // A failed stream reads nothing more, even where bytes remain.
    if (c.state == StreamState::Failure) {
        EXPECT_EQ(in.ReadWord(), 0);
    }
}

std::string Frame(std::string_view name, uint32_t v = 257, bool end = true) {
    StreamBytes b(v);
    b.Begin(name, 5).Byte(7);
    if (end) {
        b.End();
    }
    b.Word(0x11111111);
    return b.bytes;
}

std::string WithHeader(std::string_view body) {
    return StreamBytes().bytes + std::string(body);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ObjectFrameTest,
    ::testing::Values(
        FrameCase{"registered", Frame("TPair"), StreamState::Good, 7, 5},
        FrameCase{"v0 has no version word", Frame("TPair", 0), StreamState::Good, 7, 0},
        FrameCase{"unregistered name", Frame("TPairX"), StreamState::Failure, -1, 0},
        FrameCase{"another registered class", Frame("TPilot"), StreamState::Failure, -1, 0},
        FrameCase{"empty name", Frame(""), StreamState::Failure, -1, 0},
        FrameCase{"name of 128 characters", Frame(std::string(128, 'T')), StreamState::Failure, -1,
                  0},
        FrameCase{"missing suffix", Frame("TPair", 257, false), StreamState::Failure, 7, 5},
        FrameCase{"null reference", WithHeader(std::string(1, '\0')), StreamState::Failure, -1, 0},
        FrameCase{"back reference", WithHeader(std::string("\x01\x01\x00\x00\x00", 5)),
                  StreamState::Failure, -1, 0},
        FrameCase{"pointer frame", WithHeader("\x02" + Frame("TPair").substr(5)),
                  StreamState::Failure, -1, 0},
        FrameCase{"cut in the name", StreamBytes().Byte(0x5B).Word32(5).Raw("TP").bytes,
                  StreamState::EndOfFile, -1, 0},
        FrameCase{"cut before the version", StreamBytes().Byte(0x5B).Text("TPair").bytes,
                  StreamState::EndOfFile, -1, 0}),
    [](const ::testing::TestParamInfo<FrameCase>& param) {
        std::string name = param.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) {
                c = '_';
            }
        }
        return name;
    });

TEST(ObjectFrameTest, FailedStreamLeavesLaterObjectsUntouched) {
    StreamBytes b;
    b.Byte(0x00).Begin("TPair", 5).Byte(7).End();
    ObjectReader in(b.bytes);
    int first = -1;
    int second = -1;
    in.ReadObjectInto(kPairClass, [&](uint32_t) { first = in.ReadByte(); });
    in.ReadObjectInto(kPairClass, [&](uint32_t) { second = in.ReadByte(); });
    EXPECT_EQ(first, -1);
    EXPECT_EQ(second, -1);
    EXPECT_EQ(in.State(), StreamState::Failure);
}

TEST(PersistentClassTest, RegistryHoldsPilotAndPair) {
    ASSERT_NE(FindPersistentClass("TPilot"), nullptr);
    EXPECT_EQ(FindPersistentClass("TPilot")->version, 3u);
    ASSERT_NE(FindPersistentClass("TPair"), nullptr);
    EXPECT_EQ(FindPersistentClass("TPair")->version, 5u);
    EXPECT_EQ(FindPersistentClass("TPilotX"), nullptr);
    EXPECT_EQ(FindPersistentClass("tpair"), nullptr);
}

}  // namespace
}  // namespace tallow
