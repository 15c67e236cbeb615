#pragma once
// Reads the records of a PRG file (see prg_records.h) into the schedule's
// seat table, one line at a time. A pairing is assembled from its first
// operation's header group; the headers of its further operations only add
// operating days. When the next pairing starts, or the file ends, the
// assembled pairing is stored as one seat per crew member of the position
// the schedule builds.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/import/prg_selection.h"
#include "core/model/pair.h"

namespace tallow {

class TSchedule;

enum class PrgLineResult {
    Read,
    TableFull,  // a pairing was stored and the table is full
    Failed,     // a text field lies beyond the end of its line
};

class PrgReader {
  public:
    // Stores into the schedule's table from entry 0 on; the caller has emptied it.
    PrgReader(TSchedule& schedule, PrgSelection selection);

    PrgLineResult Read(std::string_view line);
    // Stores the pairing still being assembled. False when the table could
    // not take all its seats.
    bool Finish();

    // Seats stored so far.
    int32_t Stored() const { return nextFree_ < 0 ? 0 : nextFree_; }
    // Every header's number, each followed by a blank.
    const std::string& NumbersRead() const { return numbersRead_; }

  private:
    PrgLineResult ReadHeader(std::string_view line);
    bool StartPairing(std::string_view line, int32_t number);
    void MarkOperation(std::string_view line);
    bool ReadDetail(std::string_view line);
    bool ReadDuty(std::string_view line);
    void AddRouteStation(int64_t day, std::string_view station);
    // Stores the assembled pairing's seats; false when some did not fit.
    bool StorePairing();
    bool StoreCopies(int32_t count, std::string_view position);

    TSchedule& schedule_;
    PrgSelection selection_;
    bool pilots_;

    TPair pairing_;
    // -1 until the first pairing is started.
    int32_t nextFree_ = -1;
    int32_t previousNumber_ = 0;
    bool newPairing_ = false;
    int64_t startDay_ = 0;
    int64_t lastDutyDay_ = 0;
    // Seats per pairing, from the crew complement: the schedule's own pilot
    // position, or pursers and flight attendants.
    int32_t pilotSeats_ = 0;
    int32_t purserSeats_ = 0;
    int32_t attendantSeats_ = 0;
    std::string numbersRead_;
};

}  // namespace tallow
