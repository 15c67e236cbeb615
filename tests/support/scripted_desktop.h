#pragma once
// A Desktop for tests: records every message, question, list, progress step
// and clipboard text; answers questions and choosers from queues; and fails
// the running test on a question nobody queued an answer for, or on answers
// left unused at the end.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/desktop.h"

namespace tallow::testing {

struct ProgressRecord {
    std::string title;
    std::vector<std::pair<std::string, int>> updates;  // text, percent
    bool closed = false;
};

class ScriptedDesktop : public Desktop {
  public:
    ~ScriptedDesktop() override;

    // Queues the answer to the next question.
    void Answer(tallow::Answer answer) { answers_.push_back(answer); }
    // Queues the next chooser result; std::nullopt cancels it.
    void ChooseFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    void ChooseFiles(std::vector<std::string> paths) { fileLists_.push_back(std::move(paths)); }
    void FailClipboard() { clipboardFails_ = true; }

    tallow::Answer ShowMessage(const Message& message) override;
    std::optional<std::string> ChooseOpenFile(const FileChooser& chooser) override;
    std::vector<std::string> ChooseOpenFiles(const FileChooser& chooser) override;
    std::optional<std::string> ChooseSaveFile(const FileChooser& chooser) override;
    void ShowList(const std::string& title, const std::vector<std::string>& lines) override;
    std::unique_ptr<ProgressView> OpenProgress(const std::string& title) override;
    void SetWaitCursor(bool waiting) override;
    void Beep() override { ++beeps; }
    bool SetClipboardText(const std::string& text) override;
    std::string ClipboardText() override { return clipboard; }
    MailResult MailFile(const std::string& path) override;
    bool StartCalculator() override { return ++calculatorStarts, true; }

    // What was shown, in order.
    std::vector<Message> messages;
    std::vector<FileChooser> choosers;
    struct ListRecord {
        std::string title;
        std::vector<std::string> lines;
    };
    std::vector<ListRecord> lists;
    std::deque<ProgressRecord> progress;  // deque: views keep pointers into it
    std::vector<std::string> mailed;
    std::string clipboard;
    int beeps = 0;
    int calculatorStarts = 0;
    int waitCursorDepth = 0;

    // Texts of the messages shown, in order.
    std::vector<std::string> MessageTexts() const;

  private:
    std::deque<tallow::Answer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::deque<std::vector<std::string>> fileLists_;
    bool clipboardFails_ = false;
};

}  // namespace tallow::testing
