#pragma once
// The one table of every menu, submenu, menu item and toolbar button of the main
// window: object name, caption, shortcut, hint, the rules that enable, show and
// check it, the handler and the wrapper around it. The window builds its menu bar
// and tool bar from this table and UpdateMenuState() walks it again. Handlers
// are free functions over the command context, declared beside their
// subsystems; a new command is one row here and one function there.

#include <array>
#include <span>
#include <string_view>

#include "ui/commandcontext.h"
#include "ui/commandwrappers.h"

namespace hm {

// Everything the enabling, visibility and check rules look at.
struct CommandState {
    bool designMode = false;
    bool fabricView = false;
    int fabricKind = 0; // 0 Fabric, 1 Drapery, 2 Interlacement
    bool patternThreadingOn = true;
    bool showPatternThreading = true;
    bool threadingBOn = true;
    bool treadlingBOn = true;
    bool showThreading = true;
    bool revertAvailable = false;
    bool hasSelection = false;
    bool clipboardHasContent = false; // text or a picture
    bool undoAvailable = false;
    bool lineOn = true;
    bool selectionTool = false;
    bool fabricWindowOn = false;
    bool paletteWindowOn = false;
    int language = 0;
    std::array<bool, 5> recentFilled{};

    // The Draft view: neither Design nor a fabric view.
    bool draftView() const { return !designMode && !fabricView; }
};

using CommandRule = bool (*)(const CommandState&);

enum class CommandKind { Menu, Submenu, Item, Separator, ToolButton, ToolSeparator, Widget };

struct Command {
    CommandKind kind = CommandKind::Item;
    const char* name = "";
    const char* parent = ""; // the menu it belongs to; tool bar entries: "ToolBar"
    const char* caption = "";
    const char* shortcut = "";
    const char* hint = "";          // "short|long": tool tip | status line text
    const char* captionKey = "";    // caption set at run time from this key
    const char* captionSuffix = ""; // ... followed by this text
    const char* copyCaptionOf = ""; // caption copied from this item
    const char* icon = "";          // ":/icons/<icon>.svg"
    const char* twin = "";          // tool bar: the menu item whose rules and handler it shares
    const char* group = "";         // exclusive check group
    bool checkable = false;
    bool hidden = false;           // hidden in the form, never shown
    CommandRule enabled = nullptr; // none: always enabled
    CommandRule visible = nullptr; // none: always visible (unless hidden)
    CommandRule checked = nullptr;
    WrapperKind wrapper = WrapperKind::None;
    CommandHandler handler = nullptr; // none: the operation does not exist yet; disabled

    // Builder steps used by the table.
    Command& Keys(const char* s) {
        shortcut = s;
        return *this;
    }
    Command& Hint(const char* s) {
        hint = s;
        return *this;
    }
    Command& Tr(const char* key, const char* suffix = "") {
        captionKey = key;
        captionSuffix = suffix;
        return *this;
    }
    Command& CopyOf(const char* s) {
        copyCaptionOf = s;
        return *this;
    }
    Command& Icon(const char* s) {
        icon = s;
        return *this;
    }
    Command& Twin(const char* s) {
        twin = s;
        return *this;
    }
    Command& Group(const char* s) {
        group = s;
        checkable = true;
        return *this;
    }
    Command& Checkable() {
        checkable = true;
        return *this;
    }
    Command& Hidden() {
        hidden = true;
        return *this;
    }
    Command& When(CommandRule r) {
        enabled = r;
        return *this;
    }
    Command& ShowWhen(CommandRule r) {
        visible = r;
        return *this;
    }
    Command& Check(CommandRule r) {
        checked = r;
        checkable = true;
        return *this;
    }
    Command& Run(CommandHandler h, WrapperKind w = WrapperKind::None) {
        handler = h;
        wrapper = w;
        return *this;
    }
};

// The whole table in menu order: menus, then their entries, then the tool bar.
std::span<const Command> Commands();
const Command* FindCommand(std::string_view name);

// The entry whose handler and wrapper a command runs: the entry itself when it
// has a handler, else a tool bar button's twin.
const Command& HandlerSource(const Command& c);

// The rules of an entry as UpdateMenuState applies them (tool bar entries use
// their twin's rules). An entry without a handler (of its own or its twin's) is
// never enabled, except menus and submenus, which open so that their items can
// be seen.
bool CommandEnabled(const Command& c, const CommandState& s);
bool CommandVisible(const Command& c, const CommandState& s);
bool CommandChecked(const Command& c, const CommandState& s);

} // namespace hm
