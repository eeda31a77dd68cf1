#include "ui/commandcontext.h"

#include <QDialog>

namespace hm {

CommandContext::CommandContext(Draft& draft_, UndoStore& undo_, DocumentState& doc_,
                               ViewState& view_, SettingsStore& settings_, CommandHost& host_)
    : draft(draft_), undo(undo_), doc(doc_), view(view_), settings(settings_), host(host_) {}

BoxAnswer CommandContext::Ask(const Message& m) {
    const QString text = MessageBoxText(m);
    if (answerer_) return answerer_(m, text);
    return ShowMessageBox(dialogParent, m.kind, text);
}

BoxAnswer CommandContext::Ask(MessageKind kind, const char* key, const QString& suffix) {
    return Ask(Message{kind, key, suffix.toStdString()});
}

void CommandContext::Show(const Messages& messages) {
    for (const Message& m : messages) Ask(m);
}

int CommandContext::Exec(QDialog& dialog) {
    if (runner_) return runner_(dialog);
    return dialog.exec();
}

} // namespace hm
