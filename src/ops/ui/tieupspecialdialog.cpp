#include "ops/ui/tieupspecialdialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ops/ui/structuredialogtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

TTieupDlg::TTieupDlg(const TieupSpecialChoice& start, QWidget* parent) : QDialog(parent) {
    InitStructureDialogResources();
    setObjectName(QStringLiteral("TTieupDlg"));
    setWindowTitle(QStringLiteral("Tie-up Special Effects"));
    setModal(true);

    auto* boxes = new QVBoxLayout;
    auto box = [&](const char* name, const QString& text, bool checked) {
        auto* b = new QCheckBox(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setChecked(checked);
        boxes->addWidget(b);
        return b;
    };
    twill1_ = box("Twill1Box", QStringLiteral("Make Twill from Shaft 1"), start.twill1);
    twill2_ = box("Twill2Box", QStringLiteral("Make Twill from Shaft 1 and Treadle 1"),
                  start.twill2 && !start.twill1);
    flipH_ = box("FlipHBox", QStringLiteral("Flip Horizontal"), start.flipH);
    flipV_ = box("FlipVBox", QStringLiteral("Flip Vertical"), start.flipV);
    rotate_ = box("RotateBox", QStringLiteral("Rotate 90°"), start.rotate);
    connect(twill1_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) twill2_->setChecked(false);
    });
    connect(twill2_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) twill1_->setChecked(false);
    });

    QVBoxLayout* buttons = OkCancelColumn(this);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);

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
