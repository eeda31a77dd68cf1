#pragma once
// Registers the resources of the dialogs (their translation tables and the
// manual). They are compiled into a static library, so they must be
// registered explicitly; every dialog calls this before it loads its table.

void InitDialogResources();
