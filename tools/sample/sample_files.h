#pragma once
// The month's files under the names the import choosers look for:
// "toolboxYYMM.box", "pairingsYYMM.PRG", "YYMMperp.ext" / "YYMMperc.ext" and
// "YYMMabsp.ext" / "YYMMabsc.ext"; last month's "YYMMactp.ext" / "YYMMactc.ext"
// with "YYMMprgp.ext" / "YYMMprgc.ext", the listing "LISMONYY.LIS" (the
// month's name in it, as the scan asks) and the pilots' "bidsYYMM.csv".

#include <string>
#include <vector>

#include "sample/sample_month.h"

namespace tallow::sample {

struct SampleFile {
    std::string name;
    std::string text;
};

std::string ToolboxFileName(const SampleMonth& month);
std::string PrgFileName(const SampleMonth& month);
std::string RosterFileName(const SampleMonth& month);
std::string AbsencesFileName(const SampleMonth& month);
std::string ActivityFileName(const SampleMonth& month);
std::string PriorPairingFileName(const SampleMonth& month);
std::string LisFileName(const SampleMonth& month);
std::string BidsFileName(const SampleMonth& month);

// Toolbox, roster, absences and pairings, in the order a new file loads them.
std::vector<SampleFile> SampleFiles(const SampleMonth& month);

// The files above, then last month's activity and prior pairings, the LIS
// listing and, for pilots, the bids.
std::vector<SampleFile> AllSampleFiles(const SampleMonth& month);

// Writes the files into `directory`, which is created when missing. Returns
// the paths written, or sets `error` and returns what was written before it.
std::vector<std::string> WriteSampleFiles(const std::vector<SampleFile>& files,
                                          const std::string& directory, std::string& error);

}  // namespace tallow::sample
