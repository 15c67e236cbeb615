#pragma once
// "Tallowbright Move Employee on Roster", opened from the board for one
// employee: pick the position to move that employee to. Unlike the roster
// editor it keeps the undo history, whose entries follow the moved rows.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallow {

class TSchedule;

class MoveEmployeeForm {
  public:
    static constexpr std::string_view kTitle = "Tallowbright Move Employee on Roster";

    MoveEmployeeForm(TSchedule& schedule, int32_t row);

    // What the controls hold.
    std::vector<std::string> lines;
    std::string prompt;
    int selection = -1;

    // Fills the list and the prompt; selects the employee's own line.
    void Load();
    // Moves the employee to the selected position. True when the row moved;
    // the dialog closes either way.
    bool Ok();

  private:
    TSchedule& schedule_;
    int32_t row_;
    std::vector<int32_t> rows_;
};

}  // namespace tallow
