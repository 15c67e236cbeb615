#pragma once
// What the writer and the reader of schedule files share beyond the stream:
// the kind tags, the end marker and the sizes of fixed items.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/model/schedule.h"

namespace tallow {

inline constexpr size_t kKindTagLength = 12;
inline constexpr std::array<std::string_view, 4> kKindTags = {"Tallowbright", "JXViewPrRost",
                                                              "JXViewPrSked", "JXView_Final"};
inline constexpr std::string_view kEndMarker = "EndOfFile";
// Setup words stored with the calendar; words 8..15 come later in the file.
inline constexpr size_t kCalendarSetupWords = 8;
// Bytes stored of monthName, yearText and the two reserved short texts.
inline constexpr size_t kShortTextBytes = 6;

// The tag of a kind; any value past the viewer kinds writes the final viewer's.
inline std::string_view KindTag(FileKind kind) {
    auto index = static_cast<size_t>(kind);
    return index < kKindTags.size() ? kKindTags[index] : kKindTags.back();
}

// The kind a tag names by its first 12 characters.
inline std::optional<FileKind> KindOfTag(std::string_view tag) {
    for (size_t i = 0; i < kKindTags.size(); ++i) {
        if (tag.substr(0, kKindTagLength) == kKindTags[i]) {
            return static_cast<FileKind>(i);
        }
    }
    return std::nullopt;
}

}  // namespace tallow
