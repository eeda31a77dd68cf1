#pragma once
// The lines of a WIF file as sections of key=value entries, read the way real
// files need: any letter case, CR, LF or CRLF line ends, ';' comment lines,
// blanks around keys and values, anything before the first section header
// skipped. A header is a line that begins with '[' and ends with ']'; a
// section that appears twice continues where it left off, and of a key given
// twice the later entry counts.

#include <QByteArray>
#include <string>
#include <vector>

#include "model/message.h"

namespace hm {

// The problems found in single lines, each reported with its line number; after
// the first few only their number is reported, so that a badly damaged file
// does not bury the reader's other messages.
class WifProblems {
  public:
    // A problem in one line: key is the translation key of what is wrong, the
    // line number and the start of the line follow it.
    void Line(const char* key, int line, const std::string& text);
    void Add(const Message& m) { messages_.push_back(m); }
    // Every message, with the count of problems left unreported at the end.
    Messages Take();

  private:
    Messages messages_;
    int reported_ = 0;
    int unreported_ = 0;
};

struct WifEntry {
    std::string key;   // upper case, without surrounding blanks
    std::string value; // without surrounding blanks, bytes as in the file
    std::string text;  // the whole line, for messages
    int line = 0;
};

struct WifSection {
    std::string name; // upper case, without the brackets and surrounding blanks
    std::vector<WifEntry> entries;
};

class WifSections {
  public:
    WifSections(const QByteArray& bytes, WifProblems& problems);

    const WifSection* Find(const std::string& name) const;
    // The last entry of the key in the section, or null.
    const WifEntry* Value(const std::string& section, const std::string& key) const;
    bool Has(const std::string& name) const { return Find(name) != nullptr; }

  private:
    std::vector<WifSection> sections_;
};

// true/false, yes/no, on/off and 1/0 in any letter case; false for anything else.
bool ParseWifBool(const std::string& value, bool& result);

} // namespace hm
