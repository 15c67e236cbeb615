#include "core/model/move_employee_form.h"

#include "core/model/schedule.h"
#include "core/model/text_format.h"

namespace tallow {

MoveEmployeeForm::MoveEmployeeForm(TSchedule& schedule, int32_t row)
    : schedule_(schedule), row_(row) {}

void MoveEmployeeForm::Load() {
    rows_ = schedule_.ListedRows();
    lines.clear();
    selection = -1;
    for (const int32_t row : rows_) {
        if (row == row_) {
            selection = static_cast<int>(lines.size());
        }
        lines.push_back(
            Format("%03d %s", row + 1, schedule_.employees[static_cast<size_t>(row)].name.c_str()));
    }
    const bool known = row_ >= 0 && row_ < schedule_.RowsInUse();
    const std::string name = known ? schedule_.employees[static_cast<size_t>(row_)].name : "";
    prompt = Format("Select Position to Move %s to.", name.c_str());
}

bool MoveEmployeeForm::Ok() {
    if (selection < 0 || selection >= static_cast<int>(rows_.size())) {
        return false;
    }
    const int32_t to = rows_[static_cast<size_t>(selection)];
    const int32_t from = row_;
    if (!schedule_.MoveEmployee(from, to)) {
        return false;
    }
    schedule_.undoHistory.RemapRows(
        [from, to](int32_t row) { return RowAfterMove(row, from, to); });
    // Every row's belowLine is refreshed by the next block-holder computation.
    schedule_.lastBlockHolder = -1;
    return true;
}

}  // namespace tallow
