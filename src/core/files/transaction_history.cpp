#include "core/files/transaction_history.h"

#include "core/model/calendar.h"
#include "core/model/pair.h"
#include "core/model/pilot.h"
#include "core/model/text_format.h"
#include "core/model/time_text.h"

namespace tallow {

namespace {

constexpr size_t kCountDigits = 4;
constexpr size_t kEntryLength = 14;

// Whether `index` addresses one of the first `used` entries of a table of `size`.
bool InRange(int32_t index, int32_t used, size_t size) {
    return index >= 0 && index < used && static_cast<size_t>(index) < size;
}

}  // namespace

void TransactionHistory::Record(int32_t row, int32_t pairing, int32_t day, ActionKind kind) {
    entries_.push_front(TAction{static_cast<int8_t>(kind), day, row, pairing});
    if (entries_.size() > kMaxEntries) {
        entries_.pop_back();
    }
}

void TransactionHistory::DropFront() {
    if (!entries_.empty()) {
        entries_.pop_front();
    }
}

std::string TransactionHistory::ToText() const {
    std::string text = Format("%04d", static_cast<int>(entries_.size()));
    for (const TAction& action : entries_) {
        text += Format("%02d%04d%04d%04d", action.kind, action.day, action.row, action.pairing);
    }
    return text;
}

void TransactionHistory::FromText(std::string_view text) {
    entries_.clear();
    int32_t count = GetInt(text, 0, kCountDigits);
    size_t position = kCountDigits;
    // A history never holds more than its limit, whatever a file claims.
    for (int32_t i = 0; i < count && entries_.size() < kMaxEntries; ++i) {
        if (text.size() < position + kEntryLength) {
            break;
        }
        TAction action;
        action.kind = static_cast<int8_t>(GetInt(text, position, 2));
        action.day = GetInt(text, position + 2, 4);
        action.row = GetInt(text, position + 6, 4);
        action.pairing = GetInt(text, position + 10, 4);
        entries_.push_back(action);
        position += kEntryLength;
    }
}

std::vector<std::string> TransactionHistory::DisplayLines(const ScheduleCalendar& calendar,
                                                          const std::vector<TPair>& pairings,
                                                          int32_t lastPairing,
                                                          const std::vector<TPilot>& employees,
                                                          int32_t employeeCount) const {
    std::vector<std::string> lines;
    lines.reserve(entries_.size());
    for (const TAction& action : entries_) {
        // Entries come from files too: an index outside the tables shows a placeholder.
        std::string number = "?";
        if (InRange(action.pairing, lastPairing + 1, pairings.size())) {
            number = Format("%d", pairings[static_cast<size_t>(action.pairing)].number);
        }
        std::string date = "--/--/----";
        if (InRange(action.day, calendar.dayCount, calendar.days.size())) {
            const CalendarDate& day = calendar.days[static_cast<size_t>(action.day)];
            date = Format("%02d/%02d/%04d", day.day, day.month, day.year);
        }
        std::string name = "?";
        if (InRange(action.row, employeeCount, employees.size())) {
            name = employees[static_cast<size_t>(action.row)].name;
        }
        bool assigned = action.kind == static_cast<int8_t>(ActionKind::Assigned);
        lines.push_back(std::string(assigned ? "Assign" : "Remove") + '\t' + number + '\t' + date +
                        '\t' + name);
    }
    return lines;
}

}  // namespace tallow
