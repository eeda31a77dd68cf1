#pragma once
// "Paste Special": how many copies (or Fill Remaining), Insert, Negative, the
// flips, Rotate 90° and Advance, each shown only for the kinds of content it
// applies to. Preview and Help are signals; the command that opens the dialog
// applies the paste.

#include <QDialog>

#include "ops/pastespecial.h"

class QCheckBox;
class QLabel;
class QSpinBox;

namespace hm {

class TMultiLang;

class TPasteSpecialDlg : public QDialog {
    Q_OBJECT
  public:
    // Advance offers 1 - m .. m - 1 (within -16..16) for a group of m.
    explicit TPasteSpecialDlg(const PasteSpecialFields& fields, QWidget* parent = nullptr);

    // The options of the shown fields; the hidden ones are off.
    PasteSpecialOptions Options() const;

  signals:
    void PreviewRequested();
    void HelpRequested();

  private:
    PasteSpecialFields fields_;
    QSpinBox* copies_ = nullptr;
    QCheckBox* fillRemaining_ = nullptr;
    QCheckBox* insert_ = nullptr;
    QCheckBox* negative_ = nullptr;
    QCheckBox* flipHorizontal_ = nullptr;
    QCheckBox* flipVertical_ = nullptr;
    QCheckBox* rotate_ = nullptr;
    QLabel* advanceLabel_ = nullptr;
    QSpinBox* advance_ = nullptr;
    TMultiLang* lang_ = nullptr;
};

} // namespace hm
