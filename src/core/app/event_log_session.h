#pragma once
// Opening the event log at start-up, with the detection of a previous run
// that did not end normally, and the termination line that marks a normal end.

#include <string>

#include "core/app/event_log.h"
#include "core/platform/clock.h"
#include "core/platform/desktop.h"
#include "core/platform/file_system.h"

namespace tallow {

inline constexpr const char* kEventLogFileName = "JXDebug.txt";

// Creates `folder`, keeps an abnormally ended previous log under a dated name
// (telling the user), and starts the log afresh. When the folder or the file
// cannot be created, or the previous log cannot be kept, the log stays closed
// and the program runs without one. Returns whether the log is open.
bool OpenEventLog(EventLog& log, const std::string& folder, FileSystem& files, const Clock& clock,
                  Desktop& desktop);

// Writes the termination line and closes the log; nothing when it is closed.
void CloseEventLog(EventLog& log);

}  // namespace tallow
