#include "core/files/object_stream.h"

#include <algorithm>
#include <array>

namespace tallow {

namespace {

constexpr std::array kRegistry = {kPilotClass, kPairClass};
constexpr size_t kFirstBuffer = 4096;

}  // namespace

const PersistentClass* FindPersistentClass(std::string_view name) {
    for (const PersistentClass& cls : kRegistry) {
        if (cls.name == name) {
            return &cls;
        }
    }
    return nullptr;
}

ObjectWriter::ObjectWriter() {
    WriteByte(kStreamMark);
    WriteWord32(kWrittenStreamVersion);
}

void ObjectWriter::Grow(size_t count) {
    buffer_.resize(std::max({buffer_.size() * 2, used_ + count, kFirstBuffer}));
}

ObjectReader::ObjectReader(std::string_view bytes) : bytes_(bytes) {
    if (bytes_.empty()) {
        state_ = StreamState::EndOfFile;
        return;
    }
    if (static_cast<uint8_t>(bytes_.front()) == kStreamMark) {
        position_ = 1;
        version_ = ReadWord32();
    }
}

bool ObjectReader::ReadObjectHeader(const PersistentClass& cls, uint32_t& objectVersion) {
    uint8_t begin = ReadByte();
    if (!Good()) {
        return false;
    }
    if (begin != kObjectBegin) {
        Fail();
        return false;
    }
    bool null = false;
    size_t length = TextLength(null);
    if (!Good()) {
        return false;
    }
    if (null || length == 0 || length > kMaxClassNameLength) {
        Fail();
        return false;
    }
    const char* at = Take(length);
    if (at == nullptr) {
        return false;
    }
    const PersistentClass* found = FindPersistentClass(std::string_view(at, length));
    if (found == nullptr || found->name != cls.name) {
        Fail();
        return false;
    }
    objectVersion = version_ != 0 ? ReadWord32() : 0;
    return Good();
}

}  // namespace tallow
