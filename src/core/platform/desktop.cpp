#include "core/platform/desktop.h"

namespace tallow {

void ShowInfo(Desktop& desktop, const std::string& text, const std::string& caption,
              MessageIcon icon) {
    desktop.ShowMessage({text, caption, icon, MessageButtons::Ok});
}

bool AskYesNo(Desktop& desktop, const std::string& text, const std::string& caption,
              MessageIcon icon) {
    return desktop.ShowMessage({text, caption, icon, MessageButtons::YesNo}) == Answer::Yes;
}

Answer AskYesNoCancel(Desktop& desktop, const std::string& text, const std::string& caption,
                      MessageIcon icon) {
    return desktop.ShowMessage({text, caption, icon, MessageButtons::YesNoCancel});
}

}  // namespace tallow
