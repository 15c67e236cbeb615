#pragma once
// The model steps of Build Blocks, in their order: the consistency repair,
// seat validation, block credits and the block-holder line, the clock change
// and the extended calendar, the rules on every line, the day balance. The
// board's own steps (reports, windows, layout) hang on the hooks.

namespace tallow {

class Desktop;
class TSchedule;

class BuildBlocksHooks {
  public:
    virtual ~BuildBlocksHooks() = default;
    // After every seat was validated, with the first seat found not valid (-1
    // when all are). False stops the build there.
    virtual bool SeatsValidated(int /*firstInvalid*/) { return true; }
    // After every line's block credit, just before the board counts as built.
    virtual void CreditsComputed() {}
    // The period is named after March or November and has no clock change;
    // building goes on.
    virtual void ClockChangeMissing() {}
};

struct BuildBlocksOutcome {
    bool built = false;  // false when SeatsValidated stopped the build
    bool clockChangeFound = true;
    int firstInvalidSeat = -1;
};

BuildBlocksOutcome RunBuildBlocksSteps(TSchedule& schedule, Desktop& desktop,
                                       BuildBlocksHooks& hooks);

}  // namespace tallow
