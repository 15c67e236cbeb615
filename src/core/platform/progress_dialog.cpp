#include "core/platform/progress_dialog.h"

#include <cstdio>

namespace tallow {

ProgressDialog::ProgressDialog(Desktop& desktop, const std::string& title, std::string textFormat,
                               double minimum, double maximum)
    : view_(desktop.OpenProgress(title)),
      textFormat_(std::move(textFormat)),
      minimum_(minimum),
      maximum_(maximum) {}

int ProgressDialog::Percent(double value) const {
    if (maximum_ <= minimum_) {
        return 100;
    }
    double percent = (value - minimum_) * 100.5 / (maximum_ - minimum_);
    if (percent >= 100.0) {
        return 100;
    }
    return percent <= 0.0 ? 0 : static_cast<int>(percent);
}

void ProgressDialog::Update(double value) {
    // The format comes from the calling code, never from data.
    char text[256];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::snprintf(text, sizeof text, textFormat_.c_str(), static_cast<int>(value),
                  static_cast<int>(maximum_));
#pragma GCC diagnostic pop
    Update(value, text);
}

void ProgressDialog::Update(double value, const std::string& text) {
    if (view_) {
        view_->Update(text, Percent(value));
    }
}

}  // namespace tallow
