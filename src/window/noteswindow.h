#pragma once
// The notes window: a plain text editor over the draft's note, which travels
// with the pattern. A separate window that is not modal. The editor stops at
// the length a pattern file keeps and shows how much of it is used.

#include <QWidget>

class QAction;
class QLabel;
class QPlainTextEdit;
class QPrinter;

namespace hm {

class Draft;
class TMultiLang;

class TNoteForm : public QWidget {
    Q_OBJECT
  public:
    // width, height and left are the stored "Memow", "Memoh" and "Memoleft".
    TNoteForm(Draft& draft, int width, int height, int left, QWidget* parent = nullptr);

    // Shows the draft's note (after a load, a clear or an undo) without reporting
    // a change; nothing happens when the editor shows it already.
    void LoadFromDraft();

    QPlainTextEdit* Editor() const { return editor_; }
    // "n of 3000 characters", or the notice that the note is full.
    QLabel* LengthLabel() const { return length_; }

    // The size and left position to store when the program closes.
    int StoredWidth() const { return width(); }
    int StoredHeight() const { return height(); }
    int StoredLeft() const { return x(); }

    // Prints the note on a printer (or into a PDF file) that is already set up.
    void PrintTo(QPrinter& printer);
    // Asks for a printer and prints; without any printer installed the dialog
    // offers printing into a PDF file.
    void Print();

  signals:
    // The user changed the note; the draft's note already holds the new text.
    void noteChanged();

  private:
    void TextEdited();
    // Takes back the end of what was just typed or pasted until the note fits.
    void CutToFit();
    void UpdateActions();
    void UpdateLength(bool full = false);

    Draft& draft_;
    QPlainTextEdit* editor_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* cut_ = nullptr;
    QAction* copy_ = nullptr;
    QLabel* length_ = nullptr;
    TMultiLang* lang_ = nullptr;
    bool loading_ = false;
    bool full_ = false;
};

} // namespace hm
