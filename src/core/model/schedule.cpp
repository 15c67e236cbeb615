#include "core/model/schedule.h"

#include <new>

#include "core/platform/desktop.h"

namespace tallow {

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

}  // namespace tallow
