#include "core/model/schedule.h"

#include <algorithm>
#include <limits>
#include <new>

#include "core/model/text_format.h"
#include "core/platform/desktop.h"

namespace tallow {
namespace {

constexpr int64_t kMaxEmployeeNumber = 999999999;
constexpr size_t kMaxNameLength = 20;

// Seat days come from files, and INT32_MIN has no negative.
int32_t Negated(int32_t value) {
    return value == std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::max()
                                                        : -value;
}

}  // namespace

TSchedule::TSchedule()
    : employees(kMaxEmployees), pairings(kPairingSlots), toolboxCodes(kMaxToolboxCodes) {}

std::unique_ptr<TSchedule> TSchedule::Create(Desktop& desktop) {
    try {
        return std::make_unique<TSchedule>();
    } catch (const std::bad_alloc&) {
        ShowInfo(desktop, "Not Enough Memory. Try quitting other Programs", "Fatal Error",
                 MessageIcon::Stop);
        return nullptr;
    }
}

void TSchedule::ZeroData(bool employeesToo, bool pairingsToo) {
    logFile.Write("ZeroDataBegin\n");
    if (employeesToo) {
        for (TPilot& employee : employees) {
            employee.Clear();
        }
        employeeCount = 0;
    }
    if (pairingsToo) {
        for (size_t s = 0; s < static_cast<size_t>(kMaxPairings); ++s) {
            pairings[s].Clear();
        }
        lastPairing = -1;
        lastImportedPairing = -1;
    }
    logFile.Write("ZeroDataEnd\n");
}

void TSchedule::DeleteAll() {
    logFile.Write("BeginDeleteAll\n");
    ZeroData(true, true);

    fileKind = FileKind::Working;
    setup[kSetupReserved0] = 1;
    setup[kAvgBlockCredit] = 4650;
    setup[kMaxBlockCredit] = 4800;
    setup[kMinBlockCredit] = 4500;
    setup[kReducedMaxBlockCredit] = 3420;
    setup[kReducedMinBlockCredit] = 2820;
    setup[kReducedMinDaysOff] = 12;
    setup[kCheckPilotMaxCredit] = kDefaultCheckPilotMaxCredit;
    setup[kSetupFirstWeekday] = 0;
    setup[kSetupDayCount] = 0;
    dayCount = 0;
    firstWeekday = 0;

    currentPairing = 0;
    fileName.clear();
    scheduleTitle.clear();
    for (std::string& text : reservedTexts) {
        text.clear();
    }
    fileNotes.clear();
    for (std::string& filter : pairingFilters) {
        filter.clear();
    }
    previousDays.fill(CalendarDate{});
    dayBalance.fill(0);
    lastBlockHolder = 0;
    reservedWord = 0;
    for (auto& text : reservedShortTexts) {
        text.fill('\0');
    }

    undoHistory.Clear();
    toolboxCodeCount = 0;

    modified = 0;
    boardBuilt = 0;
    searchActive = 0;
    showAssignedPairings = 1;
    freshFile = 1;
    logFile.Write("EndDeleteAll\n");
}

void TSchedule::MarkTwoCaptainDays() {
    logFile.Write("FlagTwoCaptPairsBegin\n");
    ExtendCalendar();
    // operates[] holds only the pairing's first 31 days.
    const int periodDays = PeriodDays();
    const int lastSeat = std::min(lastPairing, kPairingSlots - 1);
    if (crewGroup == CrewGroup::FirstOfficers) {
        for (int r = 0; r < RowsInUse(); ++r) {
            const TPilot& row = employees[static_cast<size_t>(r)];
            if (!row.IsPlaceholder()) {
                continue;
            }
            for (int d = 0; d < periodDays; ++d) {
                const int32_t seat = row.dayPairing[static_cast<size_t>(d)];
                if (seat >= 0 && seat <= lastSeat) {
                    int32_t& value =
                        pairings[static_cast<size_t>(seat)].operates[static_cast<size_t>(d)];
                    value = Negated(value);
                }
            }
        }
    } else if (crewGroup == CrewGroup::Captains) {
        const int lastImported = std::min(lastImportedPairing, lastSeat);
        for (int s = std::max(lastImported + 1, 0); s <= lastSeat; ++s) {
            TPair& extra = pairings[static_cast<size_t>(s)];
            const auto first =
                std::find_if(extra.operates.begin(), extra.operates.begin() + periodDays,
                             [](int32_t value) { return value != 0; });
            if (first == extra.operates.begin() + periodDays) {
                continue;
            }
            *first = Negated(*first);
            const auto d = static_cast<size_t>(first - extra.operates.begin());
            for (int k = 0; k <= lastImported; ++k) {
                TPair& imported = pairings[static_cast<size_t>(k)];
                if (imported.number == extra.number) {
                    imported.operates[d] = Negated(imported.operates[d]);
                    break;
                }
            }
        }
    }
    logFile.Write("FlagTwoCaptPairsEnd\n");
}

RosterEditResult TSchedule::InsertEmployee(int position, const std::string& name, int64_t number,
                                           Desktop& desktop) {
    if (employeeCount >= kMaxEmployees) {
        ShowInfo(
            desktop,
            Format("The Roster is full. It cannot hold more than %d Employees.", kMaxEmployees),
            "Oops");
        return RosterEditResult::RosterFull;
    }
    if (position < 1 || position - 1 > employeeCount) {
        ShowInfo(desktop, "Invalid Roster Number!", "Oops");
        return RosterEditResult::BadPosition;
    }
    if (name.empty()) {
        ShowInfo(desktop, "Name must be 1 + letters!", "Oops");
        return RosterEditResult::BadName;
    }
    if (name.size() > kMaxNameLength) {
        ShowInfo(desktop, "Name too long!", "Oops");
        return RosterEditResult::BadName;
    }
    if (number < 0 || number > kMaxEmployeeNumber) {
        ShowInfo(desktop, "Invalid Employee Number!", "Oops");
        return RosterEditResult::BadNumber;
    }
    if (number != 0) {
        for (int r = 0; r < RowsInUse(); ++r) {
            const TPilot& other = employees[static_cast<size_t>(r)];
            if (other.employeeNumber == number) {
                ShowInfo(desktop, Format("Duplicate Employee Number with %s", other.name.c_str()),
                         "Oops");
                return RosterEditResult::Duplicate;
            }
        }
    }

    const int target = position - 1;
    for (int r = employeeCount; r > target; --r) {
        employees[static_cast<size_t>(r)].CopyFrom(employees[static_cast<size_t>(r - 1)]);
    }
    TPilot& inserted = employees[static_cast<size_t>(target)];
    inserted.Clear();
    inserted.name = name;
    inserted.employeeNumber = static_cast<int32_t>(number);
    ++employeeCount;
    undoHistory.Clear();
    modified = 1;
    return RosterEditResult::Done;
}

bool TSchedule::DeleteEmployee(int row, Desktop& desktop) {
    if (row < 0 || row >= RowsInUse()) {
        ShowInfo(desktop, "I Don't know who to Delete!", "Oops");
        return false;
    }
    TPilot& leaving = employees[static_cast<size_t>(row)];
    if (leaving.IsPlaceholder()) {
        ShowInfo(desktop, "Cannot delete Capt Pairings Lines. Use Edit.. Setup Crew Types",
                 "Tallowbright");
        return false;
    }

    const int periodDays = PeriodDays();
    const int lastSeat = std::min(lastPairing, kPairingSlots - 1);
    for (int d = 0; d < periodDays; ++d) {
        const int32_t seat = leaving.dayPairing[static_cast<size_t>(d)];
        if (seat >= 0 && seat <= lastSeat) {
            int32_t& value = pairings[static_cast<size_t>(seat)].operates[static_cast<size_t>(d)];
            // Unlike a removal, deleting a row treats a day marked 0 as an extra-crew day.
            value = value <= 0 ? -1 : 1;
        }
    }

    const int count = RowsInUse();
    for (int r = row; r < count - 1; ++r) {
        employees[static_cast<size_t>(r)].CopyFrom(employees[static_cast<size_t>(r + 1)]);
    }
    employees[static_cast<size_t>(count - 1)].Clear();
    employeeCount = count - 1;
    undoHistory.Clear();
    modified = 1;
    return true;
}

bool TSchedule::MoveEmployee(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= RowsInUse() || to >= RowsInUse()) {
        return false;
    }
    if (employees[static_cast<size_t>(from)].IsPlaceholder()) {
        return false;
    }
    TPilot spare;
    spare.CopyFrom(employees[static_cast<size_t>(from)]);
    const int step = from < to ? 1 : -1;
    for (int r = from; r != to; r += step) {
        employees[static_cast<size_t>(r)].CopyFrom(employees[static_cast<size_t>(r + step)]);
    }
    employees[static_cast<size_t>(to)].CopyFrom(spare);
    modified = 1;
    return true;
}

std::vector<int32_t> TSchedule::ListedRows() const {
    std::vector<int32_t> rows;
    for (int r = 0; r < RowsInUse(); ++r) {
        if (employees[static_cast<size_t>(r)].employeeNumber >= 0) {
            rows.push_back(r);
        }
    }
    return rows;
}

int32_t RowAfterMove(int32_t row, int32_t from, int32_t to) {
    if (row == from) {
        return to;
    }
    if (from < to && row > from && row <= to) {
        return row - 1;
    }
    if (from > to && row >= to && row < from) {
        return row + 1;
    }
    return row;
}

}  // namespace tallow
