#pragma once
// The translation tables of the palette window ("palette"), the colour editor
// ("coloredit") and the fill-colours dialog ("fillcolors"). They are compiled
// into the core library, so they must be registered before a window loads its
// table with LoadLangTable(LangTablePath(name)).

namespace hm {

void InitColourResources();

} // namespace hm
