#pragma once
// A desktop for unattended runs (fuzz targets, benchmarks): says No to every question, cancels
// every chooser, shows nothing and cannot write the clipboard.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/desktop.h"

namespace tallow {

class QuietDesktop final : public Desktop {
  public:
    Answer ShowMessage(const Message& message) override {
        ++messages;
        return message.IsQuestion() ? Answer::No : Answer::Ok;
    }
    std::optional<std::string> ChooseOpenFile(const FileChooser&) override { return {}; }
    std::vector<std::string> ChooseOpenFiles(const FileChooser&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const FileChooser&) override { return {}; }
    void ShowList(const std::string&, const std::vector<std::string>& lines) override {
        listedLines += lines.size();
    }
    std::unique_ptr<ProgressView> OpenProgress(const std::string&) override { return nullptr; }
    void SetWaitCursor(bool) override {}
    void Beep() override {}
    bool SetClipboardText(const std::string&) override { return false; }
    std::string ClipboardText() override { return {}; }
    MailResult MailFile(const std::string&) override { return {}; }
    bool StartCalculator() override { return false; }

    int messages = 0;
    size_t listedLines = 0;
};

}  // namespace tallow
