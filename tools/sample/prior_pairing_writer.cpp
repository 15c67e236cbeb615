#include "sample/prior_pairing_writer.h"

#include "sample/fixed_line.h"

namespace tallow::sample {

std::string PriorPairingText(const SampleMonth& month, const SampleLastMonth& last) {
    std::string text;
    for (const PriorPairing& pairing : last.pairings) {
        FixedLine line(kPriorPairingWidth);
        std::string date = TimelineDateText(month, pairing.startDay);
        line.Put(0, pairing.designator);
        line.Put(6, date);
        line.Put(14, date);
        line.PutNumber(22, 4, pairing.report);
        line.PutNumber(44, 6, pairing.totalCredit);
        line.PutNumber(50, 8, pairing.tafb);
        line.PutNumber(66, 4, pairing.minRest);
        for (size_t j = 0; j < kPriorDutySlots; ++j) {
            size_t at = kPriorDutyColumn + j * kPriorDutyStep;
            if (j < pairing.duties.size()) {
                const PriorDuty& duty = pairing.duties[j];
                line.Put(at, TimelineDateText(month, duty.day));
                line.PutNumber(at + 8, 4, duty.start);
                line.PutNumber(at + 20, 4, duty.end);
            } else {
                line.PutNumber(at, 8, 0);
            }
        }
        for (size_t k = 0; k < kPriorBlocks; ++k) {
            size_t at = kPriorBlockColumn + k * kPriorBlockStep;
            if (k < pairing.blocks.size()) {
                line.Put(at, pairing.blocks[k].station);
            }
            line.PutNumber(at + 3, 4, k < pairing.blocks.size() ? pairing.blocks[k].hardTime : 0);
            line.PutNumber(at + 7, 4, k < pairing.blocks.size() ? pairing.blocks[k].credit : 0);
        }
        text += line.Text() + "\n";
    }
    return text;
}

}  // namespace tallow::sample
