#pragma once
// Today and now, behind an interface so that dated names (backups, the
// event log's copies) are testable.

#include "core/model/date.h"

namespace tallow {

struct DateTime {
    Date date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual DateTime Now() const = 0;
    Date Today() const { return Now().date; }
};

// The machine's local time.
class SystemClock final : public Clock {
  public:
    DateTime Now() const override;
};

// A clock that shows whatever the test sets.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(DateTime now) : now_(now) {}
    DateTime Now() const override { return now_; }
    void Set(DateTime now) { now_ = now; }

  private:
    DateTime now_;
};

}  // namespace tallow
