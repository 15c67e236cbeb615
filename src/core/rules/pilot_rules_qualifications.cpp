// Pilot rules that apply only to some employees: check pilot credit,
// airport qualifications and USA pairings.

#include <algorithm>
#include <string>

#include "core/model/text_format.h"
#include "core/model/time_text.h"
#include "core/rules/legality_items.h"
#include "core/rules/pilot_rules.h"

namespace tallow {

namespace {

// Pairings on days of the month whose text holds `marker` flag their start day.
void FlagPairingsWith(RuleLine& line, std::string_view marker, std::string_view heading) {
    DayList exceptions;
    for (int d = 0; d < line.len; ++d) {
        const TPair* pairing = line.PairingOn(d);
        if (pairing != nullptr && Contains(pairing->displayText, marker)) {
            exceptions.FlagBoardDay(d);
        }
    }
    AppendDayItem(line.schedule, line.len, line.employee, ItemList::Exceptions, heading, exceptions,
                  kMonthDayList);
}

}  // namespace

void CheckPilotCredit(RuleLine& line) {
    int64_t credit = line.employee.carryInCredit;
    for (int d = 0; d < line.len; ++d) {
        const TPair* pairing = line.PairingOn(d);
        if (pairing == nullptr) {
            continue;
        }
        credit += pairing->CreditInPeriod(d, line.len);
    }
    const int32_t limit = line.schedule.setup[kCheckPilotMaxCredit];
    if (credit > limit) {
        AppendItem(line.employee, ItemList::Exceptions,
                   Format("Check Pilot Pair Credit > %s", FormatTime(limit, false, true).c_str()));
    }
}

void CheckAirportQualification(RuleLine& line, std::string_view airport) {
    const std::string heading = " Not Qualified for " + std::string(airport) + " on";
    FlagPairingsWith(line, airport, heading);
}

void CheckUsaPairings(RuleLine& line) {
    FlagPairingsWith(line, "USA SEGMENT", " USA Pairing on");
}

}  // namespace tallow
