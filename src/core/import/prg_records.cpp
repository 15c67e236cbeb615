#include "core/import/prg_records.h"

namespace tallow {

bool IsBlank(std::string_view line, FixedColumn column) {
    for (char c : ColumnText(line, column)) {
        if (c != ' ') {
            return false;
        }
    }
    return true;
}

PrgDate ReadDate(std::string_view line, const DateColumns& columns, EventLog* log) {
    return {ColumnInt(line, columns.year, log), ColumnInt(line, columns.month, log),
            ColumnInt(line, columns.day, log)};
}

int64_t DayNumber(const PrgDate& date) {
    // Days from civil date with March as the first month of the year, so that
    // the leap day falls at the end; months outside 1..12 still give a number.
    const int64_t month = date.month;
    const int64_t year = static_cast<int64_t>(date.year) - (month <= 2 ? 1 : 0);
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra + static_cast<int64_t>(date.day) - 1;
}

}  // namespace tallow
