#include "core/import/prior_pairing_extract.h"

#include "core/import/extract_line_reader.h"

namespace tallow {

using namespace prior_pairing_extract;

bool LooksLikePriorPairingExtract(std::string_view text) {
    return ExtractLineLength(text, 0) == kLineLength;
}

PriorPairingExtract::PriorPairingExtract(std::string_view text) {
    ExtractLineReader reader(text, kMaxLineLength);
    std::string_view line;
    while (reader.Next(line) == LineStatus::Line && line.size() >= kLineLength) {
        lines_.push_back(line);
    }
}

std::optional<std::string_view> PriorPairingExtract::Find(std::string_view designator,
                                                          std::string_view pairingDate) const {
    for (std::string_view line : lines_) {
        if (ColumnText(line, kDesignator) == designator &&
            ColumnText(line, kPairingDate) == pairingDate) {
            return line;
        }
    }
    return std::nullopt;
}

}  // namespace tallow
