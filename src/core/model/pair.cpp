#include "core/model/pair.h"

#include "core/platform/clock.h"

namespace tallow {

TPair::TPair() : TPair(SystemClock().Today()) {}

TPair::TPair(Date created) : createdDate(created) {}

void TPair::Clear() {
    *this = TPair(createdDate);
}

}  // namespace tallow
