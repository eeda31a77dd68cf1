#pragma once
// The draft as one JSON object, for heddlemark-cli dump.

#include <string>

#include "model/draft.h"
#include "model/message.h"

namespace hm {

// Numbers, flags, arrays over ends 1..Ends and picks 1..Picks, the tie-ups, the
// palette, the note, the design picture in Design mode, and the messages given.
std::string DraftToJson(const Draft& d, const Messages& messages);

// English text of a message: fixed texts as they are, then the suffix.
std::string MessageKeyText(const Message& m);

} // namespace hm
