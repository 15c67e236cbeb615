#pragma once
// An INI file held line by line: "[Section]" headers and "key=value" entries,
// names compared without regard to case. Every line the program does not
// change (comments, blank lines, unknown keys and sections, damaged lines) is
// written back as it was read, in its place.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/file_system.h"

namespace tallow {

class IniFile {
  public:
    // Never fails: a line that is neither a header nor an entry is kept as text.
    static IniFile Parse(std::string_view text);
    std::string ToText() const;

    // False when the file cannot be read; the object is then empty.
    bool Load(const std::string& path, FileSystem& files);
    // Replaces the file in one step, so a failed write leaves the old file whole.
    WriteStatus Save(const std::string& path, FileSystem& files) const;

    // The value of the first matching entry, blanks around it removed.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Changes the first matching entry in place, or adds the entry at the end of
    // the section, or adds the section at the end of the file. A line break in
    // the value ends it: the file cannot hold one.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Removes every matching entry; false when there was none.
    bool Remove(std::string_view section, std::string_view key);

  private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        Kind kind = Kind::Other;
        std::string text;   // as read, or as rebuilt after a change
        std::string name;   // section or key name, trimmed
        std::string value;  // entries only, trimmed
    };

    static Line ParseLine(std::string_view text, bool inSection);
    // Indexes of the entries of every section named `section`, in file order.
    std::vector<size_t> EntriesOf(std::string_view section) const;

    std::vector<Line> lines_;
    std::string lineEnd_ = "\n";
};

}  // namespace tallow
