#pragma once
// The pairings window's selection: the seat a click on the board assigns, the
// cell it was picked from, and the selection before it, whose frame the next
// paint erases. Assignment and removal move the selection here.

namespace tallow {

struct PairingSelection {
    int selectedPair = -1;
    int selectedDay = -1;
    int selectedLane = -1;
    int previousPair = -1;
    int previousDay = -1;
    int previousLane = -1;

    void Clear() { *this = PairingSelection(); }
};

}  // namespace tallow
