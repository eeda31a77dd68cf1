#pragma once
// The clipboard commands' translation tables: the two dialogs' and the
// commands' own messages ("@clipformat"), joined to the shared message tables.

namespace hm {

// Registers the tables (compiled into a static library) and adds the messages
// to the shared ones; each dialog and command calls it before use.
void InitClipboardResources();

} // namespace hm
