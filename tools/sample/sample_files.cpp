#include "sample/sample_files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/model/text_format.h"
#include "sample/absences_writer.h"
#include "sample/activity_writer.h"
#include "sample/bids_writer.h"
#include "sample/last_month.h"
#include "sample/lis_writer.h"
#include "sample/prg_writer.h"
#include "sample/prior_pairing_writer.h"
#include "sample/roster_writer.h"
#include "sample/toolbox_writer.h"

namespace tallow::sample {

namespace {

std::string MonthTag(const SampleMonth& month) {
    return Format("%02d%02d", month.options.year % 100, month.options.month);
}

}  // namespace

std::string ToolboxFileName(const SampleMonth& month) {
    return "toolbox" + MonthTag(month) + ".box";
}

std::string PrgFileName(const SampleMonth& month) {
    return "pairings" + MonthTag(month) + ".PRG";
}

std::string RosterFileName(const SampleMonth& month) {
    return MonthTag(month) + (month.PilotGroup() ? "perp.ext" : "perc.ext");
}

std::string AbsencesFileName(const SampleMonth& month) {
    return MonthTag(month) + (month.PilotGroup() ? "absp.ext" : "absc.ext");
}

std::string ActivityFileName(const SampleMonth& month) {
    return MonthTag(month) + (month.PilotGroup() ? "actp.ext" : "actc.ext");
}

std::string PriorPairingFileName(const SampleMonth& month) {
    return MonthTag(month) + (month.PilotGroup() ? "prgp.ext" : "prgc.ext");
}

std::string LisFileName(const SampleMonth& month) {
    std::string name = EnglishMonthName(month.options.month).substr(0, 3);
    for (char& c : name) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return Format("LIS%s%02d.LIS", name.c_str(), month.options.year % 100);
}

std::string BidsFileName(const SampleMonth& month) {
    return "bids" + MonthTag(month) + ".csv";
}

std::vector<SampleFile> SampleFiles(const SampleMonth& month) {
    return {
        {ToolboxFileName(month), ToolboxText(month)},
        {RosterFileName(month), RosterText(month)},
        {AbsencesFileName(month), AbsencesText(month)},
        {PrgFileName(month), PrgText(month)},
    };
}

std::vector<SampleFile> AllSampleFiles(const SampleMonth& month) {
    std::vector<SampleFile> files = SampleFiles(month);
    SampleLastMonth last = BuildLastMonth(month);
    files.push_back({ActivityFileName(month), ActivityText(month, last)});
    files.push_back({PriorPairingFileName(month), PriorPairingText(month, last)});
    files.push_back({LisFileName(month), LisText(month)});
    if (month.PilotGroup()) {
        files.push_back({BidsFileName(month), BidsText(BuildBids(month))});
    }
    return files;
}

std::vector<std::string> WriteSampleFiles(const std::vector<SampleFile>& files,
                                          const std::string& directory, std::string& error) {
    std::vector<std::string> written;
    std::error_code code;
    std::filesystem::create_directories(directory, code);
    if (code) {
        error = "cannot create " + directory + ": " + code.message();
        return written;
    }
    for (const SampleFile& file : files) {
        std::string path = (std::filesystem::path(directory) / file.name).string();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(file.text.data(), static_cast<std::streamsize>(file.text.size()));
        out.close();
        if (!out) {
            error = "cannot write " + path;
            return written;
        }
        written.push_back(path);
    }
    return written;
}

}  // namespace tallow::sample
