#pragma once
// "Print Draft": the range of ends and picks to print, which areas are filled,
// and whether the note is printed below the picture.

#include <QDialog>

#include "output/printdraft.h"
#include "output/ui/draftrangefields.h"

class QCheckBox;

namespace hm {

class TPdraftDlg : public QDialog {
    Q_OBJECT
  public:
    TPdraftDlg(const PrintDraftChoice& start, const DraftRangeLimits& limits,
               QWidget* parent = nullptr);

    PrintDraftChoice Choice() const;

  private:
    DraftRangeFields fields_;
    QCheckBox* printNote_ = nullptr;
};

} // namespace hm
