#pragma once
// The Options menu's handlers for the settings: the Options dialog, Save
// Settings and the Language items.

namespace hm {

class CommandContext;

bool Options2Click(CommandContext& ctx);
bool SaveSettings1Click(CommandContext& ctx);
// Shows every window in the language (0 English, 1 German, 2 Swedish, 3 Finnish).
void SetLanguage(CommandContext& ctx, int language);
template <int Language> bool LanguageClick(CommandContext& ctx) {
    SetLanguage(ctx, Language);
    return false;
}

} // namespace hm
