#pragma once
// The before and after steps that every command changing the draft follows. The
// command table names a wrapper for each handler and the main window runs it;
// a handler may also wrap a step of its own. The wrappers only call the host,
// so their order of steps can be checked without a window.

#include <functional>

#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

enum class WrapperKind {
    None, // the handler does every step itself
    W1,   // direct edit
    W2,   // dialog edit
    W3,   // generator
    WC,   // clear
    W2Plus,
};

// W1: snapshot, operation, MarkModified (or Update when asked), Undo available.
void RunW1(CommandHost& host, const std::function<void()>& operation, bool update = false);
// W2: the dialog takes its own snapshot when it applies; returns whether it did.
void RunW2(CommandHost& host, const std::function<bool()>& dialog);
// W2+: W2 with a snapshot taken before the dialog. With markAlways, Undo is made
// available whether or not the dialog applied a change.
void RunW2Plus(CommandHost& host, const std::function<bool()>& dialog, bool markAlways = false);
// W3: snapshot, drop a selection, erase the target's marks, generate and fill,
// RepaintDraft, MarkModified, Undo available.
void RunW3(CommandHost& host, ViewArea target, const std::function<void()>& generate);
// WC: snapshot, clear, repaint without layout, refresh the fabric window and mark
// the draft modified (a cleared area is an edit like any other), Undo available.
void RunWC(CommandHost& host, const std::function<void()>& clear);

// Runs a handler under its wrapper (the dispatch of the command table); W3 from
// the table has no target area. Returns what the handler returned.
bool RunWrapped(WrapperKind wrapper, CommandContext& ctx, CommandHandler handler,
                bool markAlways = false);

} // namespace hm
