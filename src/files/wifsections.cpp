#include "files/wifsections.h"

#include <QString>
#include <algorithm>
#include <cctype>

namespace hm {

namespace {

constexpr int ReportedProblems = 12;
constexpr int QuotedCharacters = 40;

std::string Trimmed(const char* begin, const char* end) {
    while (begin < end && std::isspace(static_cast<unsigned char>(*begin))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(end[-1]))) --end;
    return std::string(begin, end);
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The start of a line for a message: bytes read as Latin-1, control characters
// shown as blanks.
std::string Quoted(const std::string& line) {
    QString text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    for (QChar& c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = u' ';
    if (text.size() > QuotedCharacters) text = text.left(QuotedCharacters) + QChar(0x2026);
    return text.toStdString();
}

} // namespace

void WifProblems::Line(const char* key, int line, const std::string& text) {
    if (reported_ >= ReportedProblems) {
        ++unreported_;
        return;
    }
    ++reported_;
    messages_.push_back({MessageKind::Information, key, NumberSuffix(line) + ": " + Quoted(text)});
}

Messages WifProblems::Take() {
    Messages all = std::move(messages_);
    if (unreported_ > 0)
        all.push_back({MessageKind::Information, "@wifmoreproblems", NumberSuffix(unreported_)});
    messages_.clear();
    reported_ = unreported_ = 0;
    return all;
}

WifSections::WifSections(const QByteArray& bytes, WifProblems& problems) {
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    if (end - p >= 3 && std::equal(p, p + 3, "\xEF\xBB\xBF")) p += 3; // a byte-order mark
    WifSection* current = nullptr;
    int lineNumber = 0;
    while (p < end) {
        const char* lineEnd = std::find_if(p, end, [](char c) { return c == '\n' || c == '\r'; });
        ++lineNumber;
        const std::string line = Trimmed(p, lineEnd);
        p = lineEnd;
        if (p < end && *p == '\r') ++p;
        if (p < end && *p == '\n') ++p;

        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            const std::string name = Upper(Trimmed(line.data() + 1, line.data() + line.size() - 1));
            auto it = std::find_if(sections_.begin(), sections_.end(),
                                   [&](const WifSection& s) { return s.name == name; });
            if (it == sections_.end()) {
                sections_.push_back({name, {}});
                current = &sections_.back();
            } else {
                problems.Line("@wifduplicatesection", lineNumber, line);
                current = &*it;
            }
            continue;
        }
        if (!current) continue; // whatever precedes the first section
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            problems.Line("@wifnoequals", lineNumber, line);
            continue;
        }
        current->entries.push_back({Upper(Trimmed(line.data(), line.data() + equals)),
                                    Trimmed(line.data() + equals + 1, line.data() + line.size()),
                                    line, lineNumber});
    }
}

const WifSection* WifSections::Find(const std::string& name) const {
    for (const WifSection& s : sections_)
        if (s.name == name) return &s;
    return nullptr;
}

const WifEntry* WifSections::Value(const std::string& section, const std::string& key) const {
    const WifSection* s = Find(section);
    if (!s) return nullptr;
    for (auto it = s->entries.rbegin(); it != s->entries.rend(); ++it)
        if (it->key == key) return &*it;
    return nullptr;
}

bool ParseWifBool(const std::string& value, bool& result) {
    const std::string v = Upper(value);
    if (v == "TRUE" || v == "YES" || v == "ON" || v == "1") {
        result = true;
        return true;
    }
    if (v == "FALSE" || v == "NO" || v == "OFF" || v == "0") {
        result = false;
        return true;
    }
    return false;
}

} // namespace hm
