#pragma once
// Object-stream bytes built by hand, item by item, so that tests check the
// writer and the reader against the format rather than against each other.

#include <cstdint>
#include <string>
#include <string_view>

namespace tallow::testing {

class StreamBytes {
  public:
    // V = 0 streams have no header; every other version starts with 3A and V.
    explicit StreamBytes(uint32_t streamVersion = 257) : v_(streamVersion) {
        if (v_ != 0) {
            Byte(0x3A).Word32(v_);
        }
    }

    StreamBytes& Byte(uint8_t value) {
        bytes.push_back(static_cast<char>(value));
        return *this;
    }
    StreamBytes& Word32(uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            Byte(static_cast<uint8_t>(value >> shift));
        }
        return *this;
    }
    // 4 bytes, or 2 in a V = 0 stream.
    StreamBytes& Word(int32_t value) {
        if (v_ != 0) {
            return Word32(static_cast<uint32_t>(value));
        }
        return Byte(static_cast<uint8_t>(value)).Byte(static_cast<uint8_t>(value >> 8));
    }
    StreamBytes& Words(std::initializer_list<int32_t> values) {
        for (int32_t value : values) {
            Word(value);
        }
        return *this;
    }
    StreamBytes& Flag(uint32_t value) { return Word32(value); }
    StreamBytes& Raw(std::string_view raw) {
        bytes.append(raw);
        return *this;
    }
    // Length word32 when V > 256, else one length byte.
    StreamBytes& Text(std::string_view text) {
        if (v_ > 256) {
            Word32(static_cast<uint32_t>(text.size()));
        } else {
            Byte(static_cast<uint8_t>(text.size()));
        }
        return Raw(text);
    }
    // An object frame's prefix; the object version is absent when V = 0.
    StreamBytes& Begin(std::string_view className, uint32_t objectVersion) {
        Byte(0x5B).Text(className);
        if (v_ != 0) {
            Word32(objectVersion);
        }
        return *this;
    }
    StreamBytes& End() { return Byte(0x5D); }

    uint32_t StreamVersion() const { return v_; }

    std::string bytes;

  private:
    uint32_t v_;
};

// "5B 05 00 00 00" for readable comparisons.
inline std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (char c : bytes) {
        auto b = static_cast<uint8_t>(c);
        if (!text.empty()) {
            text += ' ';
        }
        text += kDigits[b >> 4];
        text += kDigits[b & 15];
    }
    return text;
}

}  // namespace tallow::testing
