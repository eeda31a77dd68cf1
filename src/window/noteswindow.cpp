#include "window/noteswindow.h"

#include <QAction>
#include <QDir>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>

#include "model/draft.h"
#include "settings/ui/multilang.h"
#include "window/dialogresources.h"

namespace hm {

namespace {

QAction* AddAction(QMenu* menu, const char* name, const QString& text, QKeySequence keys) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    a->setShortcut(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    return a;
}

} // namespace

TNoteForm::TNoteForm(Draft& draft, int width, int height, int left, QWidget* parent)
    : QWidget(parent, Qt::Window), draft_(draft) {
    InitDialogResources();
    setObjectName(QStringLiteral("TNoteForm"));
    setWindowTitle(QStringLiteral("Note"));

    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("Memo1"));
    editor_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("NoteMenu"));
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("NoteFileMenu"));
    QAction* print =
        AddAction(file, "NotePrintItem", QStringLiteral("&Print..."), QKeySequence::Print);
    file->addSeparator();
    QAction* close = AddAction(file, "NoteCloseItem", QStringLiteral("&Close"), QKeySequence());
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("NoteEditMenu"));
    undo_ = AddAction(edit, "NoteUndoItem", QStringLiteral("&Undo"), QKeySequence::Undo);
    edit->addSeparator();
    cut_ = AddAction(edit, "NoteCutItem", QStringLiteral("Cu&t"), QKeySequence::Cut);
    copy_ = AddAction(edit, "NoteCopyItem", QStringLiteral("&Copy"), QKeySequence::Copy);
    QAction* paste =
        AddAction(edit, "NotePasteItem", QStringLiteral("&Paste"), QKeySequence::Paste);
    edit->addSeparator();
    QAction* all = AddAction(edit, "NoteSelectAllItem", QStringLiteral("Select &All"),
                             QKeySequence::SelectAll);

    connect(print, &QAction::triggered, this, &TNoteForm::Print);
    connect(close, &QAction::triggered, this, &QWidget::close);
    connect(undo_, &QAction::triggered, editor_, &QPlainTextEdit::undo);
    connect(cut_, &QAction::triggered, editor_, &QPlainTextEdit::cut);
    connect(copy_, &QAction::triggered, editor_, &QPlainTextEdit::copy);
    connect(paste, &QAction::triggered, editor_, &QPlainTextEdit::paste);
    connect(all, &QAction::triggered, editor_, &QPlainTextEdit::selectAll);
    connect(editor_, &QPlainTextEdit::undoAvailable, undo_, &QAction::setEnabled);
    connect(editor_, &QPlainTextEdit::copyAvailable, this, [this] { UpdateActions(); });
    connect(editor_, &QPlainTextEdit::textChanged, this, &TNoteForm::TextEdited);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(bar);
    layout->addWidget(editor_);

    // The stored size and left edge; a window that would lie off the screen
    // comes back to the screen's left edge.
    resize(std::max(width, 200), std::max(height, 120));
    int top = 100;
    if (const QScreen* screen = this->screen()) {
        const QRect avail = screen->availableGeometry();
        if (left < avail.left() || left + 50 > avail.right()) left = avail.left();
        top = avail.top() + std::max(0, (avail.height() - this->height()) / 3);
    }
    move(left, top);

    new TMultiLang(this, QStringLiteral("notes"));
    LoadFromDraft();
}

void TNoteForm::LoadFromDraft() {
    // While the user types, the draft's note is the editor's text already.
    if (editor_->toPlainText().toStdString() == draft_.Note) return;
    loading_ = true;
    editor_->setPlainText(QString::fromStdString(draft_.Note));
    editor_->document()->clearUndoRedoStacks();
    loading_ = false;
    UpdateActions();
}

void TNoteForm::TextEdited() {
    if (loading_) return;
    draft_.Note = editor_->toPlainText().toStdString();
    emit noteChanged();
}

void TNoteForm::UpdateActions() {
    const bool selected = editor_->textCursor().hasSelection();
    cut_->setEnabled(selected);
    copy_->setEnabled(selected);
    undo_->setEnabled(editor_->document()->isUndoAvailable());
}

void TNoteForm::PrintTo(QPrinter& printer) {
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
    doc.setPlainText(editor_->toPlainText());
    doc.print(&printer);
}

void TNoteForm::Print() {
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir::home().filePath(QStringLiteral("note.pdf")));
    }
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    if (dialog.exec() == QDialog::Accepted) PrintTo(printer);
}

} // namespace hm
