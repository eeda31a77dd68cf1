#include "ops/ui/insertdeletedialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ops/ui/structuredialogtexts.h"
#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

namespace {

constexpr std::array<const char*, 4> BoxNames{"MthrBox", "ThrABox", "ThrBBox", "FargBox"};

} // namespace

TInsDelDlg::TInsDelDlg(InsertDeleteKind kind, const Draft& d, QWidget* parent)
    : QDialog(parent), setup_(InsertDeleteFor(kind, d)) {
    InitStructureDialogResources();
    setObjectName(QStringLiteral("TInsDelDlg"));
    setModal(true);

    fields_ = NumberFields::Make(this, setup_.first, setup_.second, 1, 1);
    auto* fields = new QVBoxLayout;
    fields->addLayout(fields_.layout);
    for (size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = MakeBox(this, BoxNames[i], "", true);
        fields->addWidget(boxes_[i]);
    }
    boxes_[0]->setEnabled(setup_.patternBoxEnabled);
    boxes_[2]->setEnabled(setup_.groupBBoxEnabled);

    QVBoxLayout* buttons = OkCancelColumn(this);
    AddPreviewButton(buttons, this, "PreviewBtn", PreviewClicked);
    PlaceBesideButtons(this, fields, buttons);

    auto* lang = new TMultiLang(this, QStringLiteral("insertdelete"));
    lang->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
    fields_.spin1->setFocus();
}

void TInsDelDlg::ApplyKeyCaptions() {
    setWindowTitle(Tr(setup_.caption));
    fields_.SetLabelKeys(setup_.label1, setup_.label2);
    for (size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setText(Tr(setup_.boxes[i]));
}

int TInsDelDlg::First() const {
    return fields_.spin1->value();
}

int TInsDelDlg::Second() const {
    return fields_.spin2->value();
}

InsertDeleteMoves TInsDelDlg::Moves() const {
    InsertDeleteMoves moves{};
    for (size_t i = 0; i < boxes_.size(); ++i) moves[i] = boxes_[i]->isChecked();
    return moves;
}

} // namespace hm
