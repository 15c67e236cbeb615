#pragma once
// The form of the dialog that chooses the new month's period: a month with
// its default period, and start and end moved a day at a time.

#include <string>
#include <string_view>

#include "core/model/date.h"

namespace tallow {

class Desktop;
class TSchedule;

class SetDatesForm {
  public:
    static constexpr std::string_view kTitle = "Set Start and End Dates for the New Month";

    // Opens on the month after today's month.
    void Load(Date today);

    // "<" and ">" under Start Date and End Date. The start never passes the
    // end: a move that would cross them does nothing.
    void StartBack();
    void StartForward();
    void EndBack();
    void EndForward();

    // "<<" and ">>": the previous or next month, with its default period.
    void PreviousMonth();
    void NextMonth();

    Date Start() const { return start_; }
    Date End() const { return end_; }
    int Month() const { return month_; }
    int Year() const { return year_; }
    std::string StartText() const { return start_.LongText(); }
    std::string EndText() const { return end_.LongText(); }

    // OK: sets the schedule's period. False keeps the dialog open.
    bool Ok(TSchedule& schedule, Desktop& desktop) const;

  private:
    void ShowMonth(int month, int year);

    int month_ = 1;
    int year_ = 2000;
    Date start_;
    Date end_;
};

}  // namespace tallow
