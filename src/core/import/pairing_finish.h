#pragma once
// What a pairing import does to the seats once the file is read: the credit
// fix and the continuous-duty test of each seat, the reconciliation of the
// employees' assignments with the new table, and the release moved by the
// period's daylight-saving change.

#include <cstdint>

namespace tallow {

class TPair;
class TSchedule;

// A day count held within lengthDays' range.
uint8_t LengthDaysField(int64_t days);

// The daily credits are made to add up to the total (the difference goes to
// the last day when it has credit, or the pairing is one day long, else to
// the day before), the length is recomputed from report and TAFB, and a short
// pairing releasing before 02:00, earlier than it reports, is a continuous duty.
void FinishImportedSeat(TPair& seat);

// An employee keeps a seat on a day only where the seat now at that index
// operates that day (and becomes assigned there); other pairing days are freed.
void ReconcileAssignments(TSchedule& schedule);

// Each seat that starts before the period's clock change and releases at or
// after it has its release and length moved by the shift.
void AdjustForClockChange(TSchedule& schedule);

}  // namespace tallow
