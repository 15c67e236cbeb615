// tallow-sample: writes a synthetic month of input files for one crew group.

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "sample/sample_files.h"
#include "sample/sample_month.h"

namespace {

using tallow::sample::SampleOptions;

constexpr const char* kUsage =
    "usage: tallow-sample DIR [--base YYZ] [--eqp DH8] [--status CA|FO|FA] [--month YYYY-MM]\n"
    "                     [--employees N] [--pairings N] [--seed N] [--dst]\n"
    "                     [--lis-bytes N]   (size of the LIS listing, at most 64000000)\n";

template <typename T>
bool ParseNumber(std::string_view text, T& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseMonth(std::string_view text, SampleOptions& options) {
    size_t dash = text.find('-');
    return dash != std::string_view::npos && ParseNumber(text.substr(0, dash), options.year) &&
           ParseNumber(text.substr(dash + 1), options.month);
}

// Fills `options` and `directory`; false on a malformed command line.
bool ParseArguments(const std::vector<std::string_view>& args, SampleOptions& options,
                    std::string& directory) {
    bool monthGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (arg == "--dst") {
            options.dst = true;
            continue;
        }
        if (!arg.starts_with("--")) {
            if (!directory.empty()) {
                return false;
            }
            directory = arg;
            continue;
        }
        if (i + 1 >= args.size()) {
            return false;
        }
        std::string_view value = args[++i];
        bool ok = true;
        if (arg == "--base") {
            options.base = value;
        } else if (arg == "--eqp") {
            options.equipment = value;
        } else if (arg == "--status") {
            options.status = value;
        } else if (arg == "--month") {
            ok = ParseMonth(value, options);
            monthGiven = true;
        } else if (arg == "--employees") {
            ok = ParseNumber(value, options.employees);
        } else if (arg == "--pairings") {
            ok = ParseNumber(value, options.pairings);
        } else if (arg == "--lis-bytes") {
            ok = ParseNumber(value, options.lisBytes);
        } else if (arg == "--seed") {
            ok = ParseNumber(value, options.seed);
        } else {
            ok = false;
        }
        if (!ok) {
            return false;
        }
    }
    if (options.dst && !monthGiven) {
        options.month = 3;
    }
    return !directory.empty();
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    SampleOptions options;
    std::string directory;
    if (!ParseArguments(args, options, directory)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string problem = tallow::sample::CheckOptions(options);
    if (!problem.empty()) {
        std::fprintf(stderr, "tallow-sample: %s\n", problem.c_str());
        return 2;
    }
    tallow::sample::SampleMonth month = tallow::sample::BuildSampleMonth(options);
    std::string error;
    std::vector<std::string> written =
        tallow::sample::WriteSampleFiles(tallow::sample::AllSampleFiles(month), directory, error);
    for (const std::string& path : written) {
        std::printf("%s\n", path.c_str());
    }
    if (!error.empty()) {
        std::fprintf(stderr, "tallow-sample: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
