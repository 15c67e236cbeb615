#pragma once
// The stored form of the schedule's records. Seats and rows travel as framed
// objects of the classes "TPair" and "TPilot"; toolbox catalogue entries as
// bare fields. Writers always produce the current object version; readers
// accept every earlier one and leave the fields it lacks as they were (the
// cleared values after a reset).

#include "core/files/object_stream.h"
#include "core/model/absence.h"
#include "core/model/pair.h"
#include "core/model/pilot.h"

namespace tallow {

void WritePair(ObjectWriter& out, const TPair& pair);
void ReadPair(ObjectReader& in, TPair& pair);

void WritePilot(ObjectWriter& out, const TPilot& pilot);
void ReadPilot(ObjectReader& in, TPilot& pilot);

void WriteAbsence(ObjectWriter& out, const TAbsence& code);
void ReadAbsence(ObjectReader& in, TAbsence& code);

}  // namespace tallow
