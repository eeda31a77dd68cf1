#include "output/ui/savedraftpngdialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

TSaveDraftPngDlg::TSaveDraftPngDlg(const DraftPngChoice& start, const DraftRangeLimits& limits,
                                   QWidget* parent)
    : QDialog(parent), fields_(this, limits, start.range, start.fill) {
    setObjectName(QStringLiteral("TSaveDraftPngDlg"));
    setWindowTitle(QStringLiteral("Save Draft as PNG-image"));
    setModal(true);

    numbers_ = MakeOutputBox(this, "NumbersBox", "Fill with Numbers", start.numbers);
    grayGrid_ = MakeOutputBox(this, "GrayGridBox", "Gray Grid Color", start.grayGrid);
    fields_.boxLayout()->addWidget(numbers_);
    fields_.boxLayout()->addWidget(grayGrid_);
    pixelsPerEnd_ =
        MakeOutputSpin(this, "PixelsSpin", {MinPixelsPerEnd, MaxPixelsPerEnd}, start.pixelsPerEnd);
    auto* pixels = new QHBoxLayout;
    pixels->addWidget(MakeOutputLabel(this, "PixelsLabel", "Pixels per end:", pixelsPerEnd_));
    pixels->addWidget(pixelsPerEnd_);
    pixels->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(fields_.rangeLayout());
    left->addSpacing(8);
    left->addLayout(fields_.boxLayout());
    left->addLayout(pixels);
    left->addStretch();
    QVBoxLayout* buttons = OkCancelColumn(this);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);

    auto* lang = new TMultiLang(this, QStringLiteral("savedraftpng"));
    lang->AfterLanguageChanged = [this] { fields_.ApplyKeyCaptions(); };
    fields_.ApplyKeyCaptions();
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
