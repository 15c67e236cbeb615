#pragma once
// The segment summary printed with the pairing report: for every city pair
// flown in the PRG file, the block time and the deadhead count of each column
// code (base letter and equipment digit), over the whole file.

#include <memory>
#include <string>
#include <string_view>

namespace tallow {

inline constexpr size_t kMaxCityPairs = 500;
inline constexpr size_t kMaxColumnCodes = 20;

// Reads every leg and deadhead record of 80 characters or more, whatever its
// base; reading stops at the first city pair or column code beyond the limits.
std::string BuildSegmentSummary(std::string_view content);

// The same summary fed one line at a time, so that the import builds it in
// the pass that reads the records.
class SegmentSummary {
  public:
    SegmentSummary();
    ~SegmentSummary();
    SegmentSummary(const SegmentSummary&) = delete;
    SegmentSummary& operator=(const SegmentSummary&) = delete;

    // Lines after the first one that went beyond the limits are ignored.
    void Add(std::string_view line);
    std::string Text() const;

  private:
    class Table;
    std::unique_ptr<Table> table_;
    bool stopped_ = false;
};

}  // namespace tallow
