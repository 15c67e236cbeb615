#pragma once
// A field of a fixed-column record: where it starts (0-based) and how many
// characters it holds. Formats declare their fields as tables of these.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/model/time_text.h"

namespace tallow {

struct FixedColumn {
    size_t start = 0;
    size_t width = 0;

    constexpr FixedColumn At(size_t offset) const { return {start + offset, width}; }
};

// The part of the field the line holds: cut where the line ends, empty when
// the line ends before the field.
inline std::string_view ColumnText(std::string_view line, FixedColumn column) {
    if (column.start >= line.size()) {
        return {};
    }
    return line.substr(column.start, std::min(column.width, line.size() - column.start));
}

// The field as a number (GetInt); 0, logged, when the line is too short for it.
inline int32_t ColumnInt(std::string_view line, FixedColumn column, EventLog* log = nullptr) {
    return GetInt(line, column.start, column.width, log);
}

}  // namespace tallow
