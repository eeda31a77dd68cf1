#pragma once
// What an operation on the structure of the draft did: whether the draft
// changed, whether counts changed so that the view must be laid out again, and
// the messages to show. The caller repaints and shows the messages.

#include "model/message.h"

namespace hm {

struct StructureChange {
    bool changed = false; // the draft was changed
    bool layout = false;  // counts changed: lay the view out again instead of only repainting
    Messages messages;    // in the order they arose

    static StructureChange Changed(bool layout = false) { return {true, layout, {}}; }
    static StructureChange Unchanged() { return {}; }
    static StructureChange Information(const char* key) {
        return {false, false, {Message{MessageKind::Information, key, {}}}};
    }
};

} // namespace hm
