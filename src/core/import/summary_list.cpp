#include "core/import/summary_list.h"

#include "core/platform/desktop.h"

namespace tallow {

std::vector<std::string> SplitSummaryText(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t dot = text.find('.'); dot != std::string_view::npos; dot = text.find('.', start)) {
        lines.emplace_back(text.substr(start, dot - start));
        start = dot + 1;
    }
    return lines;
}

void ShowSummaryList(Desktop& desktop, const std::string& title, std::string_view text) {
    const std::vector<std::string> lines = SplitSummaryText(text);
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            joined += '\n';
        }
        joined += lines[i];
    }
    if (!desktop.SetClipboardText(joined)) {
        ShowInfo(desktop, "Error Copying to Windows Clipboard.", "Tallowbright");
    }
    desktop.ShowList(title, lines);
}

}  // namespace tallow
