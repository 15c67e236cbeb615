#include "support/scripted_desktop.h"

#include <gtest/gtest.h>

namespace tallow::testing {

namespace {

class RecordedProgress final : public ProgressView {
  public:
    explicit RecordedProgress(ProgressRecord& record) : record_(record) {}
    ~RecordedProgress() override { record_.closed = true; }
    void Update(const std::string& text, int percent) override {
        record_.updates.emplace_back(text, percent);
    }

  private:
    ProgressRecord& record_;
};

}  // namespace

ScriptedDesktop::~ScriptedDesktop() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " queued answers were never asked for";
    EXPECT_TRUE(files_.empty()) << files_.size() << " queued chooser results were never used";
    EXPECT_TRUE(fileLists_.empty()) << "queued multi-file results were never used";
    EXPECT_EQ(waitCursorDepth, 0) << "the wait cursor was left on";
}

tallow::Answer ScriptedDesktop::ShowMessage(const Message& message) {
    messages.push_back(message);
    if (!message.IsQuestion()) {
        return tallow::Answer::Ok;
    }
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question \"" << message.text << "\" (" << message.caption
                      << ")";
        return message.buttons == MessageButtons::YesNo ? tallow::Answer::No
                                                        : tallow::Answer::Cancel;
    }
    tallow::Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDesktop::ChooseOpenFile(const FileChooser& chooser) {
    choosers.push_back(chooser);
    if (files_.empty()) {
        ADD_FAILURE() << "unexpected file chooser \"" << chooser.title << "\"";
        return std::nullopt;
    }
    std::optional<std::string> path = files_.front();
    files_.pop_front();
    return path;
}

std::vector<std::string> ScriptedDesktop::ChooseOpenFiles(const FileChooser& chooser) {
    choosers.push_back(chooser);
    if (fileLists_.empty()) {
        ADD_FAILURE() << "unexpected multi-file chooser \"" << chooser.title << "\"";
        return {};
    }
    std::vector<std::string> paths = fileLists_.front();
    fileLists_.pop_front();
    return paths;
}

std::optional<std::string> ScriptedDesktop::ChooseSaveFile(const FileChooser& chooser) {
    return ChooseOpenFile(chooser);
}

void ScriptedDesktop::ShowList(const std::string& title, const std::vector<std::string>& lines) {
    lists.push_back({title, lines});
}

std::unique_ptr<ProgressView> ScriptedDesktop::OpenProgress(const std::string& title) {
    progress.push_back({title, {}, false});
    return std::make_unique<RecordedProgress>(progress.back());
}

void ScriptedDesktop::SetWaitCursor(bool waiting) {
    waitCursorDepth += waiting ? 1 : -1;
}

bool ScriptedDesktop::SetClipboardText(const std::string& text) {
    if (clipboardFails_) {
        return false;
    }
    clipboard = text;
    return true;
}

MailResult ScriptedDesktop::MailFile(const std::string& path) {
    mailed.push_back(path);
    return {true, {}};
}

std::vector<std::string> ScriptedDesktop::MessageTexts() const {
    std::vector<std::string> texts;
    for (const Message& message : messages) {
        texts.push_back(message.text);
    }
    return texts;
}

}  // namespace tallow::testing
