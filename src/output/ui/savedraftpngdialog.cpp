#include "output/ui/savedraftpngdialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/dialogparts.h"

namespace hm {

TSaveDraftPngDlg::TSaveDraftPngDlg(const DraftPngChoice& start, const DraftRangeLimits& limits,
                                   QWidget* parent)
    : QDialog(parent), fields_(this, limits, start.range, start.fill) {
    setObjectName(QStringLiteral("TSaveDraftPngDlg"));
    setWindowTitle(QStringLiteral("Save Draft as PNG-image"));
    setModal(true);

    numbers_ = MakeBox(this, "NumbersBox", "Fill with Numbers", start.numbers);
    grayGrid_ = MakeBox(this, "GrayGridBox", "Gray Grid Color", start.grayGrid);
    fields_.boxLayout()->addWidget(numbers_);
    fields_.boxLayout()->addWidget(grayGrid_);
    pixelsPerEnd_ =
        MakeSpin(this, "PixelsSpin", {MinPixelsPerEnd, MaxPixelsPerEnd}, start.pixelsPerEnd);
    auto* pixels = new QHBoxLayout;
    pixels->addWidget(MakeLabel(this, "PixelsLabel", "Pixels per end:", pixelsPerEnd_));
    pixels->addWidget(pixelsPerEnd_);
    pixels->addStretch();
    fields_.LayOutAndTranslate("savedraftpng", pixels);
}

DraftPngChoice TSaveDraftPngDlg::Choice() const {
    DraftPngChoice c;
    c.range = fields_.Range();
    c.fill = fields_.Fill();
    c.numbers = numbers_->isChecked();
    c.grayGrid = grayGrid_->isChecked();
    c.pixelsPerEnd = pixelsPerEnd_->value();
    return c;
}

} // namespace hm
