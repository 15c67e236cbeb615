#pragma once
// The services the core asks of a desktop: message boxes and questions, file
// choosers, the summary list, progress, the wait cursor, the clipboard, mail
// and the calculator. The GUI implements it with Qt, the CLI on a terminal,
// the tests with a scripted fake.

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tallow {

enum class MessageIcon { None, Information, Question, Exclamation, Stop };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;

    bool IsQuestion() const { return buttons != MessageButtons::Ok; }
};

// A file chooser. `filter` is the chooser's filter text as the user sees it
// described: pairs of "description|patterns" joined by "|", patterns
// separated by ";" ("Schedule Files (*.jx2)|*.jx2|All Files (*.*)|*.*").
struct FileChooser {
    std::string title;
    std::string filter;
    std::string initialFolder;
    std::string initialName;
};

// The window of a long operation. The core computes its text and percentage
// (see ProgressDialog); the desktop only shows them. Closing happens when the
// object is destroyed.
class ProgressView {
  public:
    virtual ~ProgressView() = default;
    virtual void Update(const std::string& text, int percent) = 0;
};

struct MailResult {
    bool sent = false;
    std::string error;  // what to tell the user when nothing was sent
};

class Desktop {
  public:
    virtual ~Desktop() = default;

    // A message box or question; returns the button pressed (Ok for a plain message).
    virtual Answer ShowMessage(const Message& message) = 0;

    virtual std::optional<std::string> ChooseOpenFile(const FileChooser& chooser) = 0;
    // Several files at once; empty when the user cancels.
    virtual std::vector<std::string> ChooseOpenFiles(const FileChooser& chooser) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileChooser& chooser) = 0;

    // The summary list dialog: a title and the lines it lists.
    virtual void ShowList(const std::string& title, const std::vector<std::string>& lines) = 0;

    // A modeless progress window that disables the main window while it lives
    // and lets waiting window messages through on every update.
    virtual std::unique_ptr<ProgressView> OpenProgress(const std::string& title) = 0;

    virtual void SetWaitCursor(bool waiting) = 0;
    virtual void Beep() = 0;

    // False when the clipboard could not be written.
    virtual bool SetClipboardText(const std::string& text) = 0;
    virtual std::string ClipboardText() = 0;

    virtual MailResult MailFile(const std::string& path) = 0;
    // False when no calculator program is available.
    virtual bool StartCalculator() = 0;
};

// Convenience wrappers with the shapes the core uses most.
void ShowInfo(Desktop& desktop, const std::string& text, const std::string& caption,
              MessageIcon icon = MessageIcon::None);
bool AskYesNo(Desktop& desktop, const std::string& text, const std::string& caption,
              MessageIcon icon = MessageIcon::Question);
Answer AskYesNoCancel(Desktop& desktop, const std::string& text, const std::string& caption,
                      MessageIcon icon = MessageIcon::Question);

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
  public:
    explicit WaitCursor(Desktop& desktop) : desktop_(desktop) { desktop_.SetWaitCursor(true); }
    ~WaitCursor() { desktop_.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    Desktop& desktop_;
};

}  // namespace tallow
