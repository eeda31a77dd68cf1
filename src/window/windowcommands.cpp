#include "window/windowcommands.h"

#include <QDesktopServices>
#include <QUrl>

#include "model/draft.h"
#include "settings/settingsstore.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"
#include "window/aboutbox.h"
#include "window/helpbrowser.h"
#include "window/noteswindow.h"

namespace hm {

TNoteForm* NotesWindow(CommandContext& ctx) {
    if (TNoteForm* notes = ctx.Find<TNoteForm>()) return notes;
    const SettingsValues& v = ctx.settings.values;
    auto* notes = new TNoteForm(ctx.draft, v.Memow, v.Memoh, v.Memoleft, ctx.dialogParent);
    QObject::connect(notes, &TNoteForm::noteChanged, notes, [&ctx] {
        ctx.host.MarkModified();
        ctx.host.NoteChanged();
    });
    ctx.Register(notes);
    return notes;
}

void ShowHelpPage(CommandContext& ctx, const QString& page) {
    HelpBrowser* help = ctx.Find<HelpBrowser>();
    if (!help) {
        help = new HelpBrowser(ctx.dialogParent);
        ctx.Register(help);
    }
    if (page.isEmpty())
        help->ShowContents();
    else
        help->ShowPage(page);
}

bool Note1Click(CommandContext& ctx) {
    TNoteForm* notes = NotesWindow(ctx);
    notes->LoadFromDraft();
    notes->show();
    notes->raise();
    notes->activateWindow();
    ctx.view.NoteOpened = true;
    ctx.doc.Modified = true;
    return false;
}

bool ToolButtonNoteClick(CommandContext& ctx) {
    // The button toggles the notes window: it closes it while it is shown.
    if (TNoteForm* shown = ctx.Find<TNoteForm>(); shown && shown->isVisible()) {
        shown->close();
        return false;
    }
    TNoteForm* notes = NotesWindow(ctx);
    ctx.view.NoteOpened = true;
    notes->LoadFromDraft();
    notes->show();
    notes->raise();
    return false;
}

bool HelpContentsItemClick(CommandContext& ctx) {
    ShowHelpPage(ctx, {});
    return false;
}

bool HeddlemarkHomePage1Click(CommandContext& ctx) {
    const QUrl page(QString::fromLatin1(HomePageAddress));
    // Without a browser the weaver still learns where to go.
    if (!QDesktopServices::openUrl(page))
        ctx.Ask(MessageKind::Information, "@nobrowser", QStringLiteral(" ") + page.toString());
    return false;
}

bool HelpAboutItemClick(CommandContext& ctx) {
    TAboutBox box(ctx.dialogParent);
    ctx.Exec(box);
    return false;
}

} // namespace hm
