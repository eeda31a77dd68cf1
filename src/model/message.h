#pragma once
// Outcomes that the user must be told about travel as values; the UI turns them
// into message boxes. A text beginning with "@" is a translation key.

#include <string>
#include <vector>

namespace hm {

enum class MessageKind {
    Information,  // OK, information icon, titled "Heddlemark"
    Question,     // Yes / No; "?" appended
    ThreeWay,     // Yes / No / Cancel; "?" appended
    Warning,      // Yes / No / Cancel, warning icon
    Confirmation, // OK / Cancel, information icon
    Error,        // OK, error icon
};

struct Message {
    MessageKind kind = MessageKind::Information;
    std::string text;   // a translation key ("@...") or a fixed text
    std::string suffix; // appended after translation (a file name, a number)

    bool IsKey() const { return !text.empty() && text[0] == '@'; }
    bool empty() const { return text.empty(); }
};

using Messages = std::vector<Message>;

// " 12": a number as a message suffix, after the translated text.
inline std::string NumberSuffix(long long number) {
    std::string suffix(1, ' ');
    suffix += std::to_string(number);
    return suffix;
}

} // namespace hm
