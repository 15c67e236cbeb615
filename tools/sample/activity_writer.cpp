#include "sample/activity_writer.h"

#include "sample/fixed_line.h"

namespace tallow::sample {

namespace {

void PutEntry(FixedLine& line, size_t at, const SampleMonth& month, const SampleLastMonth& last,
              const PriorActivity& entry) {
    if (entry.code == nullptr) {
        const PriorPairing& pairing = last.pairings[entry.pairing];
        line.Put(at + 2, pairing.designator);
        line.Put(at + 8, TimelineDateText(month, pairing.startDay));
        return;
    }
    line.Put(at, entry.code->trackingCode);
    line.Put(at + 16, TimelineDateText(month, entry.firstDay));
    line.PutNumber(at + 24, 4, entry.start);
    line.Put(at + 28, TimelineDateText(month, entry.lastDay));
    line.PutNumber(at + 36, 4, entry.end);
}

}  // namespace

std::string ActivityText(const SampleMonth& month, const SampleLastMonth& last) {
    std::string text;
    for (const EmployeeHistory& history : last.crew) {
        FixedLine line(kActivityWidth);
        line.PutNumber(0, 9, month.employees[history.employee].number);
        for (size_t k = 0; k < history.entries.size() && k < kMaxActivityEntries; ++k) {
            PutEntry(line, kActivityFirstEntry + k * kActivityEntryStep, month, last,
                     history.entries[k]);
        }
        for (size_t k = 0; k < history.hardTime.size(); ++k) {
            line.PutNumber(kActivityHistoryColumn + 4 * k, 4, history.hardTime[k]);
        }
        text += line.Text() + "\n";
    }
    return text;
}

}  // namespace tallow::sample
