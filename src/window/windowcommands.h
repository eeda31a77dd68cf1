#pragma once
// Handlers of the main window's own small windows: the notes window, the help
// browser and the about box. The notes window and the help browser are
// created on first use and registered in the command context.

class QString;

namespace hm {

inline constexpr const char* HomePageAddress = "https://heddlemark.org/";

class CommandContext;
class TNoteForm;

// The notes window, created on first use.
TNoteForm* NotesWindow(CommandContext& ctx);
// Opens the manual at a page ("files.html"), or at its contents when empty.
void ShowHelpPage(CommandContext& ctx, const QString& page);

bool Note1Click(CommandContext& ctx);
bool ToolButtonNoteClick(CommandContext& ctx);
bool HelpContentsItemClick(CommandContext& ctx);
// Opens the product's home page in the default browser.
bool HeddlemarkHomePage1Click(CommandContext& ctx);
bool HelpAboutItemClick(CommandContext& ctx);

} // namespace hm
