#pragma once
// The report window of the Analyze menu: the report's lines in a read-only
// memo in "Courier New", with Print and Close. Print asks for the printer in
// the print dialog and sends the lines as plain text.

#include <QDialog>
#include <QStringList>
#include <functional>

#include "model/message.h"

class QPlainTextEdit;
class QPrinter;

namespace hm {

class TMultiLang;

class TRtxtDlg : public QDialog {
    Q_OBJECT
  public:
    // How the window runs the print dialog and shows a failure; the command
    // passes its context's, so that tests answer both.
    struct Hooks {
        std::function<int(QDialog&)> exec;        // default: exec()
        std::function<void(const Message&)> show; // default: a message box
    };

    TRtxtDlg(const QString& title, const QStringList& lines, QWidget* parent = nullptr,
             Hooks hooks = {});

    QStringList Lines() const;

    // Print: the print dialog, then the lines on the printer it set up.
    // Returns whether anything was printed.
    bool Print();

  private:
    // Where the print goes when no printer is installed: a PDF in the home folder.
    void PrepareOutput(QPrinter& printer) const;

    QStringList lines_;
    QPlainTextEdit* memo_ = nullptr;
    TMultiLang* lang_ = nullptr;
    Hooks hooks_;
};

} // namespace hm
