#pragma once
// The progress of a long import: computes the gauge and the text line from a
// value in a range, and shows them through the desktop's progress window.

#include <memory>
#include <string>

#include "core/platform/desktop.h"

namespace tallow {

class ProgressDialog {
  public:
    // `textFormat` holds two "%d": the current value and the maximum.
    ProgressDialog(Desktop& desktop, const std::string& title, std::string textFormat,
                   double minimum, double maximum);

    void Update(double value);
    // Shows a text of the caller's own with the gauge of `value`.
    void Update(double value, const std::string& text);
    // The gauge: the whole part of (value - minimum) * 100.5 / (maximum - minimum), at most 100.
    int Percent(double value) const;
    void Close() { view_.reset(); }

  private:
    std::unique_ptr<ProgressView> view_;
    std::string textFormat_;
    double minimum_;
    double maximum_;
};

}  // namespace tallow
