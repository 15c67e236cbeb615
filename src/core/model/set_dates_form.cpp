#include "core/model/set_dates_form.h"

#include "core/model/calendar.h"
#include "core/model/schedule.h"

namespace tallow {

void SetDatesForm::Load(Date today) {
    ShowMonth(today.Month() + 1, today.Year());
}

void SetDatesForm::ShowMonth(int month, int year) {
    if (month > 12) {
        month = 1;
        ++year;
    } else if (month < 1) {
        month = 12;
        --year;
    }
    month_ = month;
    year_ = year;
    const Period period = ScheduleCalendar::DefaultPeriod(month, year);
    start_ = period.start;
    end_ = period.end;
}

void SetDatesForm::StartBack() {
    start_ = start_.Previous();
}

void SetDatesForm::StartForward() {
    if (start_ < end_) {
        start_ = start_.Next();
    }
}

void SetDatesForm::EndBack() {
    if (end_ > start_) {
        end_ = end_.Previous();
    }
}

void SetDatesForm::EndForward() {
    end_ = end_.Next();
}

void SetDatesForm::PreviousMonth() {
    ShowMonth(month_ - 1, year_);
}

void SetDatesForm::NextMonth() {
    ShowMonth(month_ + 1, year_);
}

bool SetDatesForm::Ok(TSchedule& schedule, Desktop& desktop) const {
    if (!schedule.SetPeriod(start_, end_, desktop)) {
        return false;
    }
    schedule.modified = 1;
    return true;
}

}  // namespace tallow
