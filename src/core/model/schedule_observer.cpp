#include "core/model/schedule_observer.h"

namespace tallow {

ScheduleObserver& NoScheduleObserver() {
    static ScheduleObserver none;
    return none;
}

}  // namespace tallow
