#pragma once
// The undo history: the newest pairing assignments and removals, newest
// first, stored in the schedule file as one text.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace tallow {

class ScheduleCalendar;
class TPair;
class TPilot;

enum class ActionKind : int8_t { Removed = 0, Assigned = 1 };

struct TAction {
    int8_t kind = 0;  // ActionKind as stored: 1 assigned, 0 removed
    int32_t day = 0;
    int32_t row = 0;
    int32_t pairing = 0;

    friend bool operator==(const TAction&, const TAction&) = default;
};

class TransactionHistory {
  public:
    static constexpr size_t kMaxEntries = 201;

    void Record(int32_t row, int32_t pairing, int32_t day, ActionKind kind);
    void Clear() { entries_.clear(); }
    bool Empty() const { return entries_.empty(); }
    size_t Size() const { return entries_.size(); }
    const TAction& Front() const { return entries_.front(); }
    void DropFront();
    const std::deque<TAction>& Entries() const { return entries_; }
    // Gives each entry the row `newRow` returns for it, so that entries keep
    // naming the same employee after the roster is reordered.
    template <typename RowMap>
    void RemapRows(RowMap newRow) {
        for (TAction& entry : entries_) {
            entry.row = newRow(entry.row);
        }
    }

    // "%04d" count, then "%02d%04d%04d%04d" per entry, newest first.
    std::string ToText() const;
    // Replaces the list with the entries of a stored text; reading stops at the
    // end of the text.
    void FromText(std::string_view text);

    // One line per entry for the history dialog: kind, pairing number, date and
    // name separated by tabs.
    std::vector<std::string> DisplayLines(const ScheduleCalendar& calendar,
                                          const std::vector<TPair>& pairings, int32_t lastPairing,
                                          const std::vector<TPilot>& employees,
                                          int32_t employeeCount) const;

  private:
    std::deque<TAction> entries_;
};

}  // namespace tallow
