#include "ops/ui/satindialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ops/satinmoves.h"
#include "ops/ui/fillrepeattexts.h"
#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

TSatinDlg::TSatinDlg(int shafts, QWidget* parent) : QDialog(parent), shafts_(shafts) {
    InitFillRepeatResources();
    setObjectName(QStringLiteral("TSatinDlg"));
    setModal(true);

    const SatinMoveList moves = SatinMoves(shafts);
    auto* movesColumn = new QVBoxLayout;
    movesColumn->addWidget(
        MakeLabel(this, "Label1", QStringLiteral("Possible satin move numbers:")));
    // "none" and "very many" are keys, translated with the captions.
    const bool numbers = moves.kind == SatinMoveListKind::Moves;
    numLabel_ =
        MakeLabel(this, "NumLabel", numbers ? QString::fromStdString(moves.numLabel) : QString());
    numLabel2_ = MakeLabel(this, "NumLabel2", QString::fromStdString(moves.numLabel2));
    for (QLabel* l : {numLabel_, numLabel2_}) {
        QFont bold = l->font();
        bold.setBold(true);
        l->setFont(bold);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        movesColumn->addWidget(l);
    }
    numLabel2_->setVisible(!moves.numLabel2.empty());

    move_ = new QSpinBox(this);
    move_->setObjectName(QStringLiteral("SpinEdit1"));
    move_->setRange(1, SatinMaxMove(shafts));
    move_->setValue(std::clamp(moves.firstMove, 1, SatinMaxMove(shafts)));
    auto* moveForm = new QFormLayout;
    QLabel* moveLabel = MakeLabel(this, "Label2", QStringLiteral("Move:"));
    moveLabel->setBuddy(move_);
    moveForm->addRow(moveLabel, move_);
    movesColumn->addSpacing(8);
    movesColumn->addLayout(moveForm);
    movesColumn->addStretch();

    QVBoxLayout* buttons = OkCancelColumn(this);
    QPushButton* help = AddColumnButton(buttons, this, "HelpButton", "&Help");
    connect(help, &QPushButton::clicked, this, &TSatinDlg::HelpRequested);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(movesColumn, 1);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    lang_ = new TMultiLang(this, QStringLiteral("satin"));
    lang_->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
    move_->setFocus();
    move_->selectAll();
}

void TSatinDlg::ApplyKeyCaptions() {
    setWindowTitle(lang_->Translate(QStringLiteral("@satincaption")).arg(shafts_));
    const SatinMoveList moves = SatinMoves(shafts_);
    if (moves.kind != SatinMoveListKind::Moves)
        numLabel_->setText(Tr(QString::fromStdString(moves.numLabel)));
}

int TSatinDlg::Move() const {
    return move_->value();
}

} // namespace hm
