#pragma once
// A command context without the main window: its own draft, undo store,
// settings file, document and view state, a recording host and a plain widget
// as the parent of dialogs. Questions and dialogs are answered as the test sets
// up (ctx.SetAnswerer, ctx.SetDialogRunner); without that, real boxes show.

#include <QWidget>
#include <memory>

#include "model/draft.h"
#include "model/undo.h"
#include "settings/settingsstore.h"
#include "support/recordinghost.h"
#include "ui/commandcontext.h"

namespace hm::test {

class TestContext {
  public:
    explicit TestContext(const QString& settingsFile)
        : draftPtr(std::make_unique<Draft>()), settings(settingsFile),
          window(std::make_unique<QWidget>()), ctx(*draftPtr, undo, doc, view, settings, host) {
        host.doc = &doc;
        host.undo = &undo;
        host.draft = draftPtr.get();
        ctx.dialogParent = window.get();
    }

    Draft& draft() { return *draftPtr; }
    QStringList& steps() { return host.steps; }

    std::unique_ptr<Draft> draftPtr;
    UndoStore undo;
    SettingsStore settings;
    DocumentState doc;
    ViewState view;
    RecordingHost host;
    std::unique_ptr<QWidget> window;
    CommandContext ctx;
};

} // namespace hm::test
