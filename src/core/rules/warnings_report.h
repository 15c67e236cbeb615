#pragma once
// The Exceptions and Warnings report: every line's exception and warning
// items, under the current duty-time rules and then under the old ones.

#include <string>
#include <vector>

namespace tallow {

class Desktop;
class TSchedule;

// The report's list lines, in order. Runs the rules on every line and leaves
// every line with the results of the current rules.
std::vector<std::string> WarningsReportLines(TSchedule& schedule);

// "Copy to Windows Clipboard": the lines joined with CR LF, then the outcome.
void CopyReportToClipboard(Desktop& desktop, const std::vector<std::string>& lines);

}  // namespace tallow
