#pragma once
// What the windows showing a schedule want to hear about. The board, the
// pairings window and the tool bar implement it; the core calls it after
// every change so that the views repaint only what changed. Every method
// does nothing by default, so a view overrides only what it shows.

#include <cstdint>

namespace tallow {

class ScheduleObserver {
  public:
    virtual ~ScheduleObserver() = default;

    // Board cells of `row` from `firstDay` over `dayCount` days.
    virtual void RepaintCells(int /*row*/, int /*firstDay*/, int /*dayCount*/) {}
    // The whole row of an employee (after the rules ran on it).
    virtual void RepaintRow(int /*row*/) {}
    virtual void RepaintCredit(int /*row*/) {}
    virtual void RepaintNames() {}
    virtual void RepaintDayBalance(int /*day*/) {}
    // The block-holder line moved: the board filters apply again.
    virtual void BlockHolderLineChanged() {}
    // Seats were assigned or opened: the pairings window lays out again.
    virtual void PairingsChanged() {}
    // The sum of the time banks shown on the tool bar (" TB %d:%02d").
    virtual void TimeBankChanged(int32_t /*minutes*/) {}
    // The open credit of the month shown by the tool bar's gauge.
    virtual void OpenCreditChanged() {}
};

// The observer used when no view is attached.
ScheduleObserver& NoScheduleObserver();

}  // namespace tallow
