#include "core/app/ini_file.h"

#include <algorithm>

namespace tallow {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string_view FirstLine(std::string_view text) {
    return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

IniFile::Line IniFile::ParseLine(std::string_view text, bool inSection) {
    Line line;
    line.text = std::string(text);
    std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') {
        return line;
    }
    if (trimmed.front() == '[') {
        size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            line.kind = Kind::Section;
            line.name = std::string(Trim(trimmed.substr(1, close - 1)));
        }
        return line;
    }
    size_t equals = trimmed.find('=');
    std::string_view key = Trim(trimmed.substr(0, equals));
    // Entries outside any section, and lines without "=" or without a key,
    // cannot be looked up; they are kept as text.
    if (!inSection || equals == std::string_view::npos || key.empty()) {
        return line;
    }
    line.kind = Kind::Entry;
    line.name = std::string(key);
    line.value = std::string(Trim(trimmed.substr(equals + 1)));
    return line;
}

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    size_t firstBreak = text.find('\n');
    if (firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r') {
        file.lineEnd_ = "\r\n";
    }
    bool inSection = false;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
        }
        Line line = ParseLine(raw, inSection);
        inSection = inSection || line.kind == Kind::Section;
        file.lines_.push_back(std::move(line));
    }
    return file;
}

std::string IniFile::ToText() const {
    std::string text;
    for (const Line& line : lines_) {
        text += line.text;
        text += lineEnd_;
    }
    return text;
}

bool IniFile::Load(const std::string& path, FileSystem& files) {
    std::string text;
    if (!files.ReadFile(path, text)) {
        *this = IniFile();
        return false;
    }
    *this = Parse(text);
    return true;
}

WriteStatus IniFile::Save(const std::string& path, FileSystem& files) const {
    return files.WriteFileAtomically(path, ToText());
}

std::vector<size_t> IniFile::EntriesOf(std::string_view section) const {
    std::vector<size_t> entries;
    bool inside = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section) {
            inside = SameName(lines_[i].name, section);
        } else if (inside && lines_[i].kind == Kind::Entry) {
            entries.push_back(i);
        }
    }
    return entries;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    for (size_t i : EntriesOf(section)) {
        if (SameName(lines_[i].name, key)) {
            return lines_[i].value;
        }
    }
    return std::nullopt;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    value = Trim(FirstLine(value));
    key = Trim(FirstLine(key));
    for (size_t i : EntriesOf(section)) {
        Line& line = lines_[i];
        if (SameName(line.name, key)) {
            line.value = std::string(value);
            line.text = line.name + "=" + line.value;
            return;
        }
    }
    Line entry;
    entry.kind = Kind::Entry;
    entry.name = std::string(key);
    entry.value = std::string(value);
    entry.text = entry.name + "=" + entry.value;

    auto header = std::find_if(lines_.begin(), lines_.end(), [&](const Line& line) {
        return line.kind == Kind::Section && SameName(line.name, section);
    });
    if (header == lines_.end()) {
        Line newSection;
        newSection.kind = Kind::Section;
        newSection.name = std::string(Trim(FirstLine(section)));
        newSection.text = "[" + newSection.name + "]";
        lines_.push_back(std::move(newSection));
        lines_.push_back(std::move(entry));
        return;
    }
    // After the section's last entry, so that comments and blank lines
    // separating it from the next section stay where they are.
    size_t insertAt = static_cast<size_t>(header - lines_.begin()) + 1;
    for (size_t i = insertAt; i < lines_.size() && lines_[i].kind != Kind::Section; ++i) {
        if (lines_[i].kind == Kind::Entry) {
            insertAt = i + 1;
        }
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
}

bool IniFile::Remove(std::string_view section, std::string_view key) {
    std::vector<size_t> entries = EntriesOf(section);
    bool removed = false;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        if (SameName(lines_[*it].name, key)) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*it));
            removed = true;
        }
    }
    return removed;
}

}  // namespace tallow
