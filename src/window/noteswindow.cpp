#include "window/noteswindow.h"

#include <QAction>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextDocument>
#include <QVBoxLayout>

#include "files/notetext.h"
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

    length_ = new QLabel(this);
    length_->setObjectName(QStringLiteral("NoteLength"));
    length_->setContentsMargins(4, 2, 4, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->addWidget(editor_);
    layout->addWidget(length_);

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

    lang_ = new TMultiLang(this, QStringLiteral("notes"));
    lang_->AfterLanguageChanged = [this] { UpdateLength(full_); };
    LoadFromDraft();
    UpdateLength();
}

void TNoteForm::LoadFromDraft() {
    // While the user types, the draft's note is the editor's text already.
    if (editor_->toPlainText().toStdString() == draft_.Note) return;
    loading_ = true;
    editor_->setPlainText(QString::fromStdString(draft_.Note));
    editor_->document()->clearUndoRedoStacks();
    loading_ = false;
    UpdateActions();
    UpdateLength();
}

void TNoteForm::TextEdited() {
    if (loading_) return;
    const bool full = NoteFileLength(editor_->toPlainText().toStdString()) > MaxNoteFileBytes;
    if (full) CutToFit();
    draft_.Note = editor_->toPlainText().toStdString();
    UpdateLength(full);
    emit noteChanged();
}

void TNoteForm::CutToFit() {
    const QString text = editor_->toPlainText();
    // Normally the new text ends at the cursor; otherwise the note's end goes.
    int end = editor_->textCursor().position();
    auto fits = [&](int removed) {
        const QString kept = text.left(end - removed) + text.mid(end);
        return NoteFileLength(kept.toStdString()) <= MaxNoteFileBytes;
    };
    if (end == 0 || !fits(end)) end = static_cast<int>(text.size());
    // The fewest characters before the cursor whose removal makes the note fit.
    int lo = 1, hi = end;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (fits(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    int removed = lo;
    while (removed < end && text[end - removed].isLowSurrogate()) ++removed;
    QTextCursor cursor = editor_->textCursor();
    cursor.setPosition(end - removed);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    loading_ = true; // the removal is part of this edit
    cursor.removeSelectedText();
    loading_ = false;
    editor_->setTextCursor(cursor);
}

void TNoteForm::UpdateLength(bool full) {
    full_ = full;
    const int used = NoteFileLength(draft_.Note);
    const QString key = full ? QStringLiteral("@notefull") : QStringLiteral("@notelength");
    QString text = lang_ ? lang_->Translate(key) : key;
    length_->setText(full ? text.arg(MaxNoteFileBytes) : text.arg(used).arg(MaxNoteFileBytes));
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
