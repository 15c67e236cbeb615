#include "core/files/record_io.h"

#include <array>

#include <cstdint>

namespace tallow {

namespace {

// The sign of operates marks extra crew and is not stored.
uint32_t Magnitude(int32_t value) {
    return value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
}

void WriteDays(ObjectWriter& out, const PairDays& values) {
    for (int32_t value : values) {
        out.WriteWord(value);
    }
}

void ReadDays(ObjectReader& in, PairDays& values) {
    in.ReadWords(values);
}

}  // namespace

void WritePair(ObjectWriter& out, const TPair& pair) {
    out.WriteObject(kPairClass, [&] {
        out.WriteWord(pair.reportTime);
        out.WriteWord(pair.releaseTime);
        out.WriteWord(pair.totalCredit);
        out.WriteByte(pair.lengthDays);
        out.WriteWord(pair.tafb);
        out.WriteWord(pair.number);
        out.WriteWord(pair.valid != 0 ? 1 : 0);
        for (int32_t value : pair.operates) {
            out.WriteWord32(Magnitude(value));
        }
        for (size_t k = 0; k < kPairDays; ++k) {
            out.WriteWord(pair.dailyStart[k]);
            out.WriteWord(pair.dailyDuty[k]);
            out.WriteWord(pair.dailyCredit[k]);
            out.WriteWord(pair.dailyHard[k]);
        }
        out.WriteText(pair.displayText);
        out.WriteText(pair.route);
        out.WriteWord(pair.fatigueUnits);
        out.WriteText(pair.seriesCode);
        WriteRawInt32(out, pair.createdDate.JulianDay());
        out.WriteText(pair.position);
        WriteDays(out, pair.excludedCredit);
        out.WriteWord(pair.minRestAfter);
        out.WriteText(pair.sourceText);
        WriteDays(out, pair.dayType);
    });
}

void ReadPair(ObjectReader& in, TPair& pair) {
    in.ReadObjectInto(kPairClass, [&](uint32_t version) {
        pair.reportTime = in.ReadWord();
        pair.releaseTime = in.ReadWord();
        pair.totalCredit = in.ReadWord();
        pair.lengthDays = in.ReadByte();
        pair.tafb = in.ReadWord();
        pair.number = in.ReadWord();
        pair.valid = in.ReadWord() != 0 ? 1 : 0;
        ReadDays(in, pair.operates);
        std::array<int32_t, 4 * kPairDays> daily{};
        in.ReadWords(daily);
        for (size_t k = 0; k < kPairDays; ++k) {
            pair.dailyStart[k] = daily[4 * k];
            pair.dailyDuty[k] = daily[4 * k + 1];
            pair.dailyCredit[k] = daily[4 * k + 2];
            pair.dailyHard[k] = daily[4 * k + 3];
        }
        in.ReadText(pair.displayText);
        in.ReadText(pair.route);
        pair.fatigueUnits = in.ReadWord();
        in.ReadText(pair.seriesCode);
        pair.createdDate = Date::FromJulianDay(ReadRawInt32(in));
        in.ReadText(pair.position);
        if (version >= 2) {
            ReadDays(in, pair.excludedCredit);
        }
        if (version >= 3) {
            pair.minRestAfter = in.ReadWord();
        }
        if (version >= 4) {
            in.ReadText(pair.sourceText);
        }
        if (version >= 5) {
            ReadDays(in, pair.dayType);
        }
    });
}

}  // namespace tallow
