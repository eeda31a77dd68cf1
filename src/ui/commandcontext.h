#pragma once
// What a command handler works on. A handler is a free function
//
//     bool MyItemClick(CommandContext& ctx);
//
// kept beside its subsystem (ops/ui/editcommands.cpp, files/ui/filemenu.cpp) and
// named in the command table. Through the context it reaches the document (draft,
// undo store, document and view state, settings), the main window's operations
// (ctx.host), the draft view, questions (Ask) and modal dialogs (Exec), and the
// long-lived objects of the subsystems (Find / Register / Own). The main window
// builds one context over its members; tests build one over a recording host
// and answer the questions and dialogs themselves.
//
// A new menu command with a dialog, e.g. in ops/ui/:
//   1. the dialog in a file of its own (ops/ui/insertdeletedialog.{h,cpp});
//   2. the handler in the menu's file (ops/ui/utilitycommands.cpp): build the
//      dialog with ctx.dialogParent, run it with ctx.Exec(dialog), call the
//      operation, show its messages with ctx.Show(...);
//   3. one row in window/commandtable.cpp: .Run(&MyItemClick, WrapperKind::W2).
// The main window itself does not change.

#include <QString>
#include <functional>

#include "model/message.h"
#include "ui/messagebox.h"
#include "ui/objectregistry.h"
#include "ui/windowstate.h"

class QDialog;
class QWidget;

namespace hm {

class CommandHost;
class Draft;
class DraftView;
class SettingsStore;
class UndoStore;

class CommandContext {
  public:
    CommandContext(Draft& draft, UndoStore& undo, DocumentState& doc, ViewState& view,
                   SettingsStore& settings, CommandHost& host);
    CommandContext(const CommandContext&) = delete;
    CommandContext& operator=(const CommandContext&) = delete;

    Draft& draft;
    UndoStore& undo;
    DocumentState& doc;
    ViewState& view;
    SettingsStore& settings;
    CommandHost& host;
    // The draft view of the main window; nullptr without one (tests of handlers
    // that do not paint).
    DraftView* draftView = nullptr;
    // Parent of dialogs and message boxes.
    QWidget* dialogParent = nullptr;

    // ---- questions ----
    // Shows a message box for the message (its key translated, "?" after a
    // question) and returns the answer; a test's answerer replaces the box.
    BoxAnswer Ask(const Message& m);
    BoxAnswer Ask(MessageKind kind, const char* key, const QString& suffix = {});
    // Shows every message of a list in order.
    void Show(const Messages& messages);
    using Answerer = std::function<BoxAnswer(const Message& m, const QString& text)>;
    // An empty answerer restores the real message boxes.
    void SetAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }

    // ---- modal dialogs ----
    // Runs a dialog the handler has built and returns its result
    // (QDialog::Accepted, Rejected or a dialog's own code). By default this is
    // dialog.exec(); a test's runner may fill in the dialog and return at once.
    int Exec(QDialog& dialog);
    using DialogRunner = std::function<int(QDialog& dialog)>;
    // An empty runner restores exec().
    void SetDialogRunner(DialogRunner runner) { runner_ = std::move(runner); }

    // ---- long-lived objects of the subsystems ----
    template <typename T> T* Find() const { return objects_.Find<T>(); }
    template <typename T> void Register(T* object) { objects_.Register(object); }
    template <typename T> T& Own() { return objects_.Own<T>(); }

  private:
    Answerer answerer_;
    DialogRunner runner_;
    ObjectRegistry objects_;
};

// A command handler: returns whether it applied a change (the dialog wrappers
// mark Undo available only then).
using CommandHandler = bool (*)(CommandContext& ctx);

} // namespace hm
