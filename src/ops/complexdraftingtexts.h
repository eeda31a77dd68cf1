#pragma once
// The translation tables of the complex-drafting commands: their own messages
// ("complexcommands", added to the shared message tables) and the tables of the
// Expand Pattern and Insert in Pattern Threading dialogs. They are compiled
// into the core library, so they must be registered before use; the menu
// handlers and the headless tool call this first.

namespace hm {

void InitComplexDraftingTexts();

} // namespace hm
