#include "core/files/record_io.h"

#include <array>
#include <cstddef>
#include <type_traits>

namespace tallow {

namespace {

// The 20-word block; objects of version 1 hold only the first 10 words.
constexpr size_t kBlockWordsV1 = 10;

template <typename Pilot>
auto BlockWords(Pilot& p) {
    using Word = std::conditional_t<std::is_const_v<Pilot>, const int32_t, int32_t>;
    return std::array<Word*, 20>{&p.carryInCredit,
                                 &p.legalCheckIn,
                                 &p.carryInFatigue,
                                 &p.reservedC,
                                 &p.blockComplete,
                                 &p.minBlockOverride,
                                 &p.maxBlockOverride,
                                 &p.minDaysOffOverride,
                                 &p.specialQualification,
                                 &p.ageMedFlags,
                                 &p.trainee,
                                 &p.noTZ,
                                 &p.noYCG,
                                 &p.reservedD[0],
                                 &p.reservedD[1],
                                 &p.reservedD[2],
                                 &p.reservedD[3],
                                 &p.reservedD[4],
                                 &p.reservedD[5],
                                 &p.reservedD[6]};
}

}  // namespace

void WritePilot(ObjectWriter& out, const TPilot& pilot) {
    out.WriteObject(kPilotClass, [&] {
        out.WriteText(pilot.name);
        out.WriteText(pilot.phone1);
        out.WriteText(pilot.phone2);
        out.WriteText(pilot.quickNotes);
        WriteRawInt32(out, pilot.employeeNumber);
        out.WriteWord(pilot.reservedA);
        for (size_t i = 0; i < kCalendarDays; ++i) {
            out.WriteWord(pilot.dayPairing[i]);
            out.WriteByte(pilot.dayOffRequest[i]);
            out.WriteByte(pilot.dayLocked[i]);
            out.WriteText(pilot.dayCode[i]);
            out.WriteText(pilot.dayCrewCode[i]);
            out.WriteText(pilot.historyCode[i]);
            for (size_t j = 0; j < kHistorySlots; ++j) {
                out.WriteWord(pilot.history[i][j]);
                out.WriteWord(pilot.dayDetail[i][j]);
            }
        }
        out.WriteText(pilot.pairingFilterText);
        out.WriteText(pilot.bidText);
        out.WriteText(pilot.qualificationCodes);
        for (const int32_t* word : BlockWords(pilot)) {
            out.WriteWord(*word);
        }
        out.WriteByte(pilot.reserveBidder);
        out.WriteByte(static_cast<uint8_t>(pilot.blockHours));
        out.WriteByte(static_cast<uint8_t>(pilot.blockMinutes));
        out.WriteWord(pilot.draftCredits);
        out.WriteWord(pilot.reservedB);
        out.WriteWord(pilot.extraCredits);
        out.WriteWord(pilot.timeBank);
        out.WriteWord(pilot.trainingAtHome);
        out.WriteWord(pilot.trainingOutsideWindow ? 1 : 0);
        out.WriteText(pilot.hardTimeHistory);
    });
}

void ReadPilot(ObjectReader& in, TPilot& pilot) {
    in.ReadObjectInto(kPilotClass, [&](uint32_t version) {
        in.ReadText(pilot.name);
        in.ReadText(pilot.phone1);
        in.ReadText(pilot.phone2);
        in.ReadText(pilot.quickNotes);
        pilot.employeeNumber = ReadRawInt32(in);
        pilot.reservedA = in.ReadWord();
        for (size_t i = 0; i < kCalendarDays; ++i) {
            pilot.dayPairing[i] = in.ReadWord();
            pilot.dayOffRequest[i] = in.ReadByte();
            pilot.dayLocked[i] = in.ReadByte();
            in.ReadText(pilot.dayCode[i]);
            in.ReadText(pilot.dayCrewCode[i]);
            in.ReadText(pilot.historyCode[i]);
            std::array<int32_t, 2 * kHistorySlots> pairs{};
            in.ReadWords(pairs);
            for (size_t j = 0; j < kHistorySlots; ++j) {
                pilot.history[i][j] = pairs[2 * j];
                pilot.dayDetail[i][j] = pairs[2 * j + 1];
            }
        }
        in.ReadText(pilot.pairingFilterText);
        in.ReadText(pilot.bidText);
        in.ReadText(pilot.qualificationCodes);
        auto block = BlockWords(pilot);
        size_t blockWords = version >= 2 ? block.size() : kBlockWordsV1;
        for (size_t i = 0; i < blockWords; ++i) {
            *block[i] = in.ReadWord();
        }
        pilot.reserveBidder = in.ReadByte();
        pilot.blockHours = static_cast<int8_t>(in.ReadByte());
        pilot.blockMinutes = static_cast<int8_t>(in.ReadByte());
        pilot.draftCredits = in.ReadWord();
        pilot.reservedB = in.ReadWord();
        pilot.extraCredits = in.ReadWord();
        if (version >= 2) {
            pilot.timeBank = in.ReadWord();
            pilot.trainingAtHome = in.ReadWord();
            pilot.trainingOutsideWindow = in.ReadWord() != 0;
        }
        if (version >= 3) {
            in.ReadText(pilot.hardTimeHistory);
        }
    });
}

}  // namespace tallow
