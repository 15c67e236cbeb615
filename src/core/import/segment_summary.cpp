#include "core/import/segment_summary.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/import/extract_line_reader.h"
#include "core/import/prg_records.h"
#include "core/model/text_format.h"
#include "core/model/time_text.h"

namespace tallow {

namespace {

constexpr size_t kShortestLine = 80;
constexpr FixedColumn kColumnCode{1, 2};

struct Cell {
    int64_t blockTime = 0;
    int32_t deadheads = 0;
};

// The characters of a short field as one number.
uint64_t Packed(std::string_view text) {
    uint64_t key = 0;
    for (char c : text) {
        key = key << 8 | static_cast<unsigned char>(c);
    }
    return key;
}

}  // namespace

class SegmentSummary::Table {
  public:
    Table() { rowOf_.reserve(2 * kMaxCityPairs); }

    // False when the record would need a city pair or code beyond the limits.
    bool Add(std::string_view departure, std::string_view arrival, std::string_view code,
             int32_t blockTime, bool deadhead) {
        const size_t row = Row(departure, arrival);
        const size_t column = row == kNone ? kNone : Column(code);
        if (column == kNone) {
            return false;
        }
        Cell& cell = cells_[row * kMaxColumnCodes + column];
        if (deadhead) {
            ++cell.deadheads;
        } else {
            cell.blockTime += blockTime;
        }
        return true;
    }

    std::string Text() const {
        std::string text(8, ' ');
        for (const std::string& code : codes_) {
            text += Format(" ----- %2s ----- ", code.c_str());
        }
        text += '\n';
        for (size_t row = 0; row < cityPairs_.size(); ++row) {
            text += cityPairs_[row];
            for (size_t column = 0; column < codes_.size(); ++column) {
                const Cell& cell = cells_[row * kMaxColumnCodes + column];
                if (cell.blockTime == 0 && cell.deadheads == 0) {
                    text += std::string(16, ' ');
                    continue;
                }
                const auto block =
                    static_cast<int32_t>(std::clamp<int64_t>(cell.blockTime, INT32_MIN, INT32_MAX));
                text +=
                    Format(" %8s  DH%3d", FormatTime(block, false, true).c_str(), cell.deadheads);
            }
            text += '\n';
        }
        return text;
    }

  private:
    static constexpr size_t kNone = SIZE_MAX;

    size_t Row(std::string_view departure, std::string_view arrival) {
        const uint64_t key = Packed(departure) << 24 | Packed(arrival);
        const auto found = rowOf_.find(key);
        if (found != rowOf_.end()) {
            return found->second;
        }
        if (cityPairs_.size() >= kMaxCityPairs) {
            return kNone;
        }
        cityPairs_.push_back(std::string(departure) + "-" + std::string(arrival));
        rowOf_.emplace(key, cityPairs_.size() - 1);
        return cityPairs_.size() - 1;
    }

    size_t Column(std::string_view code) {
        const auto found = std::find(codes_.begin(), codes_.end(), code);
        if (found != codes_.end()) {
            return static_cast<size_t>(found - codes_.begin());
        }
        if (codes_.size() >= kMaxColumnCodes) {
            return kNone;
        }
        codes_.emplace_back(code);
        return codes_.size() - 1;
    }

    std::vector<std::string> cityPairs_;
    std::unordered_map<uint64_t, size_t> rowOf_;
    std::vector<std::string> codes_;
    std::vector<Cell> cells_ = std::vector<Cell>(kMaxCityPairs * kMaxColumnCodes);
};

SegmentSummary::SegmentSummary() : table_(std::make_unique<Table>()) {}

SegmentSummary::~SegmentSummary() = default;

void SegmentSummary::Add(std::string_view line) {
    if (stopped_ || line.size() < kShortestLine ||
        (line[0] != kPrgLeg && line[0] != kPrgDeadhead)) {
        return;
    }
    const std::string_view code = ColumnText(line, kColumnCode);
    const bool added = line[0] == kPrgLeg
                           ? table_->Add(ColumnText(line, prg_leg::kDeparture),
                                         ColumnText(line, prg_leg::kArrival), code,
                                         ColumnInt(line, prg_leg::kBlockTime), false)
                           : table_->Add(ColumnText(line, prg_deadhead::kDeparture),
                                         ColumnText(line, prg_deadhead::kArrival), code, 0, true);
    stopped_ = !added;
}

std::string SegmentSummary::Text() const {
    return table_->Text();
}

std::string BuildSegmentSummary(std::string_view content) {
    SegmentSummary summary;
    ExtractLineReader lines(content, kPrgLineLength);
    std::string_view line;
    while (lines.Next(line) == LineStatus::Line) {
        summary.Add(line);
    }
    return summary.Text();
}

}  // namespace tallow
