#include "ops/ui/tieupspecialdialog.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "ops/ui/structuredialogtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

TTieupDlg::TTieupDlg(const TieupSpecialChoice& start, QWidget* parent) : QDialog(parent) {
    InitStructureDialogResources();
    setObjectName(QStringLiteral("TTieupDlg"));
    setWindowTitle(QStringLiteral("Tie-up Special Effects"));
    setModal(true);

    auto* boxes = new QVBoxLayout;
    auto box = [&](const char* name, const char* text, bool checked) {
        QCheckBox* b = MakeBox(this, name, text, checked);
        boxes->addWidget(b);
        return b;
    };
    twill1_ = box("Twill1Box", "Make Twill from Shaft 1", start.twill1);
    twill2_ =
        box("Twill2Box", "Make Twill from Shaft 1 and Treadle 1", start.twill2 && !start.twill1);
    flipH_ = box("FlipHBox", "Flip Horizontal", start.flipH);
    flipV_ = box("FlipVBox", "Flip Vertical", start.flipV);
    rotate_ = box("RotateBox", "Rotate 90°", start.rotate);
    connect(twill1_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) twill2_->setChecked(false);
    });
    connect(twill2_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) twill1_->setChecked(false);
    });

    PlaceBesideButtons(this, boxes, OkCancelColumn(this));

    new TMultiLang(this, QStringLiteral("tieupspecial"));
}

TieupSpecialChoice TTieupDlg::Choice() const {
    TieupSpecialChoice c;
    c.SetTwill1(twill1_->isChecked());
    c.SetTwill2(twill2_->isChecked());
    c.flipH = flipH_->isChecked();
    c.flipV = flipV_->isChecked();
    c.rotate = rotate_->isChecked();
    return c;
}

} // namespace hm
