#pragma once
// The persistent object stream of schedule files, written to and parsed from
// memory; the file layer moves whole buffers.
//
// Layout (all integers little-endian):
//   header   3A, then the stream version V as 4 bytes. Writers use V = 257.
//            A stream whose first byte is not 3A has V = 0 and keeps that byte.
//   byte     1 byte
//   word     4 bytes; 2 bytes zero-extended when V = 0
//   word32   4 bytes whatever V is
//   flag     a word32; any non-zero value reads as 1
//   text     length then the bytes, no terminator. The length is a word32
//            (FF FF FF FF = null) when V > 256, else 1 byte (FF = null).
//            A null text reads as the empty text.
//   object   5B, class name as a text, class version as a word32 (absent when
//            V = 0, read as version 0), the class's data, 5D.
// Errors are a sticky state, never exceptions: after a failure reads deliver
// zeros and empty texts and leave objects as they were; writes do nothing.

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace tallow {

enum class StreamState { Good, EndOfFile, Failure };

// An entry of the class registry: the classes that may appear in an object frame.
struct PersistentClass {
    std::string_view name;
    uint32_t version;
};

inline constexpr PersistentClass kPilotClass{"TPilot", 3};
inline constexpr PersistentClass kPairClass{"TPair", 5};

// The registered class of that name, or null.
const PersistentClass* FindPersistentClass(std::string_view name);

inline constexpr uint8_t kStreamMark = 0x3A;
inline constexpr uint32_t kWrittenStreamVersion = 257;
inline constexpr uint8_t kObjectBegin = 0x5B;
inline constexpr uint8_t kObjectEnd = 0x5D;
inline constexpr size_t kMaxClassNameLength = 127;

class ObjectWriter {
  public:
    // Writes the stream header.
    ObjectWriter();

    StreamState State() const { return state_; }
    bool Good() const { return state_ == StreamState::Good; }
    std::string_view Bytes() const { return std::string_view(buffer_.data(), used_); }
    std::string TakeBytes() {
        buffer_.resize(used_);
        used_ = 0;
        return std::move(buffer_);
    }
    // Makes room for `size` bytes in all, so that the buffer grows once.
    void Reserve(size_t size) {
        if (buffer_.size() < size) {
            buffer_.resize(size);
        }
    }

    void WriteByte(uint8_t value) {
        if (Good()) {
            *Room(1) = static_cast<char>(value);
        }
    }
    void WriteWord(int32_t value) { WriteWord32(static_cast<uint32_t>(value)); }
    void WriteWord32(uint32_t value) {
        if (Good()) {
            char* at = Room(4);
            if constexpr (std::endian::native == std::endian::little) {
                std::memcpy(at, &value, 4);
            } else {
                for (int i = 0; i < 4; ++i) {
                    at[i] = static_cast<char>(value >> (8 * i));
                }
            }
        }
    }
    void WriteFlag(uint8_t value) { WriteWord32(value); }
    void WriteBytes(std::span<const char> bytes) {
        if (Good() && !bytes.empty()) {
            std::memcpy(Room(bytes.size()), bytes.data(), bytes.size());
        }
    }
    // A text too long for its length word puts the stream into failure:
    // FF FF FF FF would read back as a null text.
    void WriteText(std::string_view text) {
        if (text.size() >= 0xFFFFFFFF) {
            state_ = StreamState::Failure;
            return;
        }
        WriteWord32(static_cast<uint32_t>(text.size()));
        WriteBytes(text);
    }

    // The frame of a registered class around the fields `writeData` writes.
    template <typename WriteData>
    void WriteObject(const PersistentClass& cls, WriteData&& writeData) {
        WriteByte(kObjectBegin);
        WriteText(cls.name);
        WriteWord32(cls.version);
        writeData();
        WriteByte(kObjectEnd);
    }

  private:
    // `count` bytes at the end of what is written. The buffer is kept larger
    // than the stream and cut to size when taken: appending to a string
    // item by item costs a library call each time.
    char* Room(size_t count) {
        if (buffer_.size() - used_ < count) {
            Grow(count);
        }
        char* at = buffer_.data() + used_;
        used_ += count;
        return at;
    }
    void Grow(size_t count);

    std::string buffer_;
    size_t used_ = 0;
    StreamState state_ = StreamState::Good;
};

class ObjectReader {
  public:
    // Reads the header; an empty buffer leaves the stream at end of file.
    explicit ObjectReader(std::string_view bytes);

    StreamState State() const { return state_; }
    bool Good() const { return state_ == StreamState::Good; }
    uint32_t StreamVersion() const { return version_; }
    // Bytes not yet taken.
    size_t Remaining() const { return bytes_.size() - position_; }
    // Marks the rest of the stream as unreadable.
    void Fail() { state_ = StreamState::Failure; }

    uint8_t ReadByte() {
        const char* at = Take(1);
        return at == nullptr ? 0 : static_cast<uint8_t>(*at);
    }
    int32_t ReadWord() {
        if (version_ != 0) {
            return static_cast<int32_t>(ReadWord32());
        }
        const char* at = Take(2);
        return at == nullptr ? 0 : static_cast<int32_t>(Byte(at, 0) | Byte(at, 1) << 8);
    }
    uint32_t ReadWord32() {
        const char* at = Take(4);
        return at == nullptr
                   ? 0
                   : Byte(at, 0) | Byte(at, 1) << 8 | Byte(at, 2) << 16 | Byte(at, 3) << 24;
    }
    uint8_t ReadFlag() { return ReadWord32() != 0 ? 1 : 0; }
    // Reads out.size() words as ReadWord does, with one bounds check for the
    // whole run when it is all there: records hold long runs of words.
    void ReadWords(std::span<int32_t> out) {
        const size_t bytes = out.size() * 4;
        if constexpr (std::endian::native == std::endian::little) {
            if (version_ != 0 && Good() && bytes <= Remaining()) {
                std::memcpy(out.data(), bytes_.data() + position_, bytes);
                position_ += bytes;
                return;
            }
        }
        for (int32_t& word : out) {
            word = ReadWord();
        }
    }
    // Fills `out`; with zeros when the stream cannot deliver all of it.
    void ReadBytes(std::span<char> out) {
        const char* at = Take(out.size());
        if (at == nullptr) {
            std::memset(out.data(), 0, out.size());
        } else {
            std::memcpy(out.data(), at, out.size());
        }
    }
    // Replaces `text`; empty for a null text or after a failure.
    void ReadText(std::string& text) {
        // Most texts of a record are short and whole: one check for length and bytes.
        if constexpr (std::endian::native == std::endian::little) {
            if (version_ > 256 && Good() && Remaining() >= 4) {
                uint32_t length = 0;
                std::memcpy(&length, bytes_.data() + position_, 4);
                if (length != 0xFFFFFFFF && length <= Remaining() - 4) {
                    text.assign(bytes_.data() + position_ + 4, length);
                    position_ += 4 + static_cast<size_t>(length);
                    return;
                }
            }
        }
        bool null = false;
        size_t length = TextLength(null);
        const char* at = null ? nullptr : Take(length);
        if (at == nullptr || length == 0) {
            text.clear();
        } else {
            text.assign(at, length);
        }
    }

    // Reads an object frame of class `cls` and lets `readData(version)` read the
    // class's fields. A missing frame byte, an unknown class name or one of
    // another class fails the stream; the object is left untouched unless its
    // frame header was read whole.
    template <typename ReadData>
    void ReadObjectInto(const PersistentClass& cls, ReadData&& readData) {
        uint32_t objectVersion = 0;
        if (!ReadObjectHeader(cls, objectVersion)) {
            return;
        }
        readData(objectVersion);
        if (ReadByte() != kObjectEnd && Good()) {
            Fail();
        }
    }

  private:
    static uint32_t Byte(const char* at, int index) { return static_cast<uint8_t>(at[index]); }
    // The next `count` bytes, or null (and the stream at its end) when they are
    // not all there or the stream already failed.
    const char* Take(size_t count) {
        if (!Good()) {
            return nullptr;
        }
        if (count > Remaining()) {
            state_ = StreamState::EndOfFile;
            position_ = bytes_.size();
            return nullptr;
        }
        const char* at = bytes_.data() + position_;
        position_ += count;
        return at;
    }
    // A text's length: a word32 when V > 256, else one byte; `null` tells
    // the null text (all bits set).
    size_t TextLength(bool& null) {
        if (version_ > 256) {
            uint32_t length = ReadWord32();
            null = length == 0xFFFFFFFF;
            return length;
        }
        uint8_t length = ReadByte();
        null = length == 0xFF;
        return length;
    }
    // The frame's prefix and object version; false when they were not all there.
    bool ReadObjectHeader(const PersistentClass& cls, uint32_t& objectVersion);

    std::string_view bytes_;
    size_t position_ = 0;
    uint32_t version_ = 0;
    StreamState state_ = StreamState::Good;
};

// A 32-bit integer as 4 raw bytes: its little-endian form whatever V is.
inline void WriteRawInt32(ObjectWriter& out, int32_t value) {
    out.WriteWord(value);
}
inline int32_t ReadRawInt32(ObjectReader& in) {
    char raw[4];
    in.ReadBytes(raw);
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint8_t>(raw[0])) |
                                static_cast<uint32_t>(static_cast<uint8_t>(raw[1])) << 8 |
                                static_cast<uint32_t>(static_cast<uint8_t>(raw[2])) << 16 |
                                static_cast<uint32_t>(static_cast<uint8_t>(raw[3])) << 24);
}

}  // namespace tallow
