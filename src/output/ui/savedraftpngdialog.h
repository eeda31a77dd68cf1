#pragma once
// "Save Draft as PNG-image": the range of ends and picks, which areas are
// filled and whether with numbers, the grid colour and the pixels per end.

#include <QDialog>

#include "output/draftpng.h"
#include "output/ui/draftrangefields.h"

class QCheckBox;
class QSpinBox;

namespace hm {

class TSaveDraftPngDlg : public QDialog {
    Q_OBJECT
  public:
    TSaveDraftPngDlg(const DraftPngChoice& start, const DraftRangeLimits& limits,
                     QWidget* parent = nullptr);

    DraftPngChoice Choice() const;

  private:
    DraftRangeFields fields_;
    QCheckBox* numbers_ = nullptr;
    QCheckBox* grayGrid_ = nullptr;
    QSpinBox* pixelsPerEnd_ = nullptr;
};

} // namespace hm
