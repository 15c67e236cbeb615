#pragma once
// The summary list of an import's warnings. Its text is a run of items each
// ended by "."; every "." ends a list line and is dropped, and whatever
// follows the last "." is not shown. On opening, the lines go to the
// clipboard as plain text, one per line.

#include <string>
#include <string_view>
#include <vector>

namespace tallow {

class Desktop;

std::vector<std::string> SplitSummaryText(std::string_view text);

// Copies the lines to the clipboard (telling the user when it cannot be
// written) and shows them in the list dialog titled `title`.
void ShowSummaryList(Desktop& desktop, const std::string& title, std::string_view text);

}  // namespace tallow
