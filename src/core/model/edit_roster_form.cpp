#include "core/model/edit_roster_form.h"

#include <charconv>

#include "core/model/schedule.h"
#include "core/model/text_format.h"

namespace tallow {
namespace {

// The number typed in a field: blank is 0, anything that is not a whole
// number is -1, which the roster edits refuse.
int64_t FieldNumber(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return 0;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return -1;
    }
    return value;
}

int FieldPosition(std::string_view text) {
    const int64_t value = FieldNumber(text);
    return value > 0 && value <= kMaxEmployees + 1 ? static_cast<int>(value) : 0;
}

RosterField FieldAtFault(RosterEditResult result) {
    switch (result) {
        case RosterEditResult::BadName:
            return RosterField::Name;
        case RosterEditResult::BadNumber:
        case RosterEditResult::Duplicate:
            return RosterField::EmployeeNumber;
        case RosterEditResult::Done:
        case RosterEditResult::BadPosition:
        case RosterEditResult::RosterFull:
            break;
    }
    return RosterField::Index;
}

}  // namespace

EditRosterForm::EditRosterForm(TSchedule& schedule, Desktop& desktop)
    : schedule_(schedule), desktop_(desktop) {}

void EditRosterForm::Load() {
    rows_ = schedule_.ListedRows();
    lines.clear();
    for (const int32_t row : rows_) {
        const TPilot& employee = schedule_.employees[static_cast<size_t>(row)];
        lines.push_back(Format("%03d   %s   %ld", row + 1, employee.name.c_str(),
                               static_cast<long>(employee.employeeNumber)));
    }
    if (selection >= static_cast<int>(lines.size())) {
        selection = -1;
    }
}

int32_t EditRosterForm::RowOf(int line) const {
    if (line < 0 || line >= static_cast<int>(rows_.size())) {
        return -1;
    }
    return rows_[static_cast<size_t>(line)];
}

bool EditRosterForm::InsertEmployee() {
    const RosterEditResult result =
        schedule_.InsertEmployee(FieldPosition(index), name, FieldNumber(employeeNumber), desktop_);
    if (result != RosterEditResult::Done) {
        focus = FieldAtFault(result);
        return false;
    }
    Load();
    return true;
}

bool EditRosterForm::DeleteSelectedEmployee() {
    if (!schedule_.DeleteEmployee(RowOf(selection), desktop_)) {
        return false;
    }
    selection = -1;
    Load();
    return true;
}

void EditRosterForm::Drag(int line, int overLine) {
    const int32_t from = RowOf(line);
    const int32_t over = RowOf(overLine);
    if (from < 0 || over < 0) {
        status.clear();
        return;
    }
    status = Format("MOVE %s TO POSITION %03d",
                    schedule_.employees[static_cast<size_t>(from)].name.c_str(), over + 1);
}

bool EditRosterForm::Drop(int line, int targetLine) {
    const int32_t from = RowOf(line);
    const int32_t to = RowOf(targetLine);
    if (!schedule_.MoveEmployee(from, to)) {
        status.clear();
        return false;
    }
    status = Format("%s MOVED TO POSITION %03d",
                    schedule_.employees[static_cast<size_t>(to)].name.c_str(), to + 1);
    schedule_.undoHistory.Clear();
    Load();
    selection = targetLine;
    return true;
}

}  // namespace tallow
