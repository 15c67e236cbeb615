#pragma once
// Test helpers for the generator: reading its files back (lines, fixed
// columns) and a readable name for the options of a month.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/time_text.h"
#include "sample/sample_month.h"

namespace tallow::sample {

// Names a month in test output: "YYZ DH8 CA 2027-04 seed 1".
inline void PrintTo(const SampleOptions& options, std::ostream* out) {
    *out << options.base << ' ' << options.equipment << ' ' << options.status << ' ' << options.year
         << '-' << options.month << " seed " << options.seed << (options.dst ? " dst" : "");
}

}  // namespace tallow::sample

namespace tallow::sample::testing {

// The lines of a text whose every line ends with a newline; a missing final
// newline leaves the last line out, so tests see it as lost.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// Columns [at, at + width) cut at the line's end.
inline std::string Columns(std::string_view line, size_t at, size_t width) {
    if (at >= line.size()) {
        return {};
    }
    return std::string(line.substr(at, width));
}

inline int Number(std::string_view line, size_t at, size_t width) {
    return GetInt(line, at, width);
}

}  // namespace tallow::sample::testing
