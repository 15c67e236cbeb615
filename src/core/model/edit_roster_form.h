#pragma once
// The roster editor ("EDIT ROSTER"): insert an employee at a position, delete
// the selected one, or drag an entry of the list to another position. The
// list shows the rows that are not placeholder rows; positions are row
// numbers, so they skip over placeholder rows the list does not show.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallow {

class Desktop;
class TSchedule;

enum class RosterField { Index, Name, EmployeeNumber };

class EditRosterForm {
  public:
    static constexpr std::string_view kTitle = "EDIT ROSTER";
    static constexpr std::string_view kNote = "Note: Changing the Roster with Erase Undo Data";
    static constexpr size_t kIndexDigits = 4;
    static constexpr size_t kNameLength = 20;
    static constexpr size_t kNumberDigits = 10;

    EditRosterForm(TSchedule& schedule, Desktop& desktop);

    // What the controls hold.
    std::string index;
    std::string name;
    std::string employeeNumber;
    std::vector<std::string> lines;
    int selection = -1;
    std::string status;
    // The field that gets the focus; a refused insert moves it to the field at fault.
    RosterField focus = RosterField::Index;

    // Fills the list from the roster.
    void Load();
    // "Insert Employee". True when the employee was inserted.
    bool InsertEmployee();
    // "Delete Selected Employee". True when a row was deleted.
    bool DeleteSelectedEmployee();
    // An entry of the list is dragged over another one.
    void Drag(int line, int overLine);
    // The dragged entry is dropped on another one. True when the row moved.
    bool Drop(int line, int targetLine);
    // The mouse left the list.
    void LeaveList() { status.clear(); }

    // The row behind a list line; -1 for no line.
    int32_t RowOf(int line) const;

  private:
    TSchedule& schedule_;
    Desktop& desktop_;
    std::vector<int32_t> rows_;
};

}  // namespace tallow
