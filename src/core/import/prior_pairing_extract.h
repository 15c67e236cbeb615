#pragma once
// The prior-period pairing extract of the crew-tracking system
// ("????prgp.ext" pilots, "????prgc.ext" cabin crew): plain text, one line of
// 1177 characters per pairing, at most 2497. The pairing lines run up to the
// first line shorter than that; a valid extract's first line is a full line.
//
//   columns            width  field
//   0-4                5      pairing designator
//   6-13               8      pairing date, yyyymmdd: finds the line
//   14-21              8      start date, yyyymmdd: places the pairing
//   22-25              4      report time
//   44-49              6      total credit
//   50-57              8      time away from base (TAFB)
//   66-69              4      minimum rest after the pairing
//   70+24j             24     duty j, j = 0..31: date (8), start time at +8
//                             (4), end time at +20 (4); a zero year ends them
//   814+11k            11     day block k: station (3), hard time at +3 (4),
//                             credit at +7 (4)

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/import/fixed_column.h"

namespace tallow {

namespace prior_pairing_extract {

inline constexpr size_t kMaxLineLength = 2497;
inline constexpr size_t kLineLength = 1177;

inline constexpr FixedColumn kDesignator{0, 5};
inline constexpr FixedColumn kPairingDate{6, 8};
inline constexpr FixedColumn kStartDate{14, 8};
inline constexpr FixedColumn kReportTime{22, 4};
inline constexpr FixedColumn kTotalCredit{44, 6};
inline constexpr FixedColumn kTafb{50, 8};
inline constexpr FixedColumn kMinimumRest{66, 4};

inline constexpr int kDuties = 32;
inline constexpr size_t kFirstDuty = 70;
inline constexpr size_t kDutyStep = 24;
// Fields of a duty, from the duty's start (FixedColumn::At).
inline constexpr FixedColumn kDutyDate{0, 8};
inline constexpr FixedColumn kDutyStart{8, 4};
inline constexpr FixedColumn kDutyEnd{20, 4};

inline constexpr size_t kFirstBlock = 814;
inline constexpr size_t kBlockStep = 11;
// Fields of a day block, from the block's start.
inline constexpr FixedColumn kBlockStation{0, 3};
inline constexpr FixedColumn kBlockHard{3, 4};
inline constexpr FixedColumn kBlockCredit{7, 4};

constexpr size_t DutyStart(int duty) {
    return kFirstDuty + kDutyStep * static_cast<size_t>(duty);
}
constexpr size_t BlockStart(int block) {
    return kFirstBlock + kBlockStep * static_cast<size_t>(block);
}

}  // namespace prior_pairing_extract

// Whether the text has the shape of a prior-period pairing extract: a first
// line of full length.
bool LooksLikePriorPairingExtract(std::string_view text);

// The pairing lines of an extract, found by pairing and date. Views into the
// text, which must outlive this object.
class PriorPairingExtract {
  public:
    explicit PriorPairingExtract(std::string_view text);

    size_t LineCount() const { return lines_.size(); }
    // The first line of this pairing designator and pairing date field.
    std::optional<std::string_view> Find(std::string_view designator,
                                         std::string_view pairingDate) const;

  private:
    std::vector<std::string_view> lines_;
};

}  // namespace tallow
