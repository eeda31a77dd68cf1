#pragma once
// The translation tables of the insert, delete, switch and transform dialogs.
// The tables are compiled into a static library, so each dialog registers them
// before its translation component loads one.

namespace hm {

void InitStructureDialogResources();

} // namespace hm
