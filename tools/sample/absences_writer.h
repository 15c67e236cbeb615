#pragma once
// The crew-tracking system's absences extract ("????absp.ext" for pilots,
// "????absc.ext" for cabin crew): a 443-character line per employee with
// absences, the employee number in columns 0-8 and up to 31 entries of 14
// characters from column 9: code, first and last day of the month, start and
// end time in minutes. A line for employee 99999 ends the extract.

#include <cstddef>
#include <string>

#include "sample/sample_month.h"

namespace tallow::sample {

inline constexpr size_t kAbsenceEntryWidth = 14;
inline constexpr size_t kAbsenceEntries = 31;
inline constexpr size_t kAbsencesWidth = 9 + kAbsenceEntries * kAbsenceEntryWidth;
inline constexpr int kAbsencesEndNumber = 99999;

std::string AbsencesText(const SampleMonth& month);

}  // namespace tallow::sample
