#pragma once
// The translation tables of the satin and repeat dialogs (":/lang/satin.tsv",
// ":/lang/repeat.tsv"). They are compiled into a static library, so each dialog
// registers them before loading its table.

namespace hm {

void InitFillRepeatResources();

} // namespace hm
