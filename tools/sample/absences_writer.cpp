#include "sample/absences_writer.h"

#include "sample/fixed_line.h"

namespace tallow::sample {

std::string AbsencesText(const SampleMonth& month) {
    std::string text;
    for (size_t i = 0; i < month.employees.size() && i < month.absences.size(); ++i) {
        const std::vector<SampleAbsence>& absences = month.absences[i];
        if (absences.empty()) {
            continue;
        }
        FixedLine line(kAbsencesWidth);
        line.PutNumber(0, 9, month.employees[i].number);
        for (size_t k = 0; k < absences.size() && k < kAbsenceEntries; ++k) {
            const SampleAbsence& absence = absences[k];
            size_t at = 9 + k * kAbsenceEntryWidth;
            line.Put(at, absence.code->trackingCode);
            line.PutNumber(at + 2, 2, absence.firstDay + 1);
            line.PutNumber(at + 4, 2, absence.lastDay + 1);
            line.PutNumber(at + 6, 4, absence.startTime);
            line.PutNumber(at + 10, 4, absence.endTime);
        }
        text += line.Text() + "\n";
    }
    FixedLine end(kAbsencesWidth);
    end.PutNumber(0, 9, kAbsencesEndNumber);
    return text + end.Text() + "\n";
}

}  // namespace tallow::sample
