#include "ops/ui/pastespecialdialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ops/ui/clipboardtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

namespace {

constexpr int AdvanceRange = 16;

QCheckBox* AddBox(QWidget* parent, QVBoxLayout* column, const char* name, const char* text,
                  bool shown) {
    QCheckBox* box = MakeBox(parent, name, text);
    box->setVisible(shown);
    column->addWidget(box);
    return box;
}

} // namespace

TPasteSpecialDlg::TPasteSpecialDlg(const PasteSpecialFields& fields, QWidget* parent)
    : QDialog(parent), fields_(fields) {
    InitClipboardResources();
    setObjectName(QStringLiteral("TPasteSpecialDlg"));
    setWindowTitle(QStringLiteral("Paste Special"));
    setModal(true);

    copies_ = MakeSpin(this, "CopiesEdit", {1, MaxPasteCopies}, 1);
    auto* copiesRow = new QFormLayout;
    AddLabelledRow(copiesRow, "CopiesLabel", "No. of Copies:", copies_);

    auto* boxes = new QVBoxLayout;
    fillRemaining_ = AddBox(this, boxes, "FillRemainingBox", "Fill Remaining", true);
    insert_ = AddBox(this, boxes, "InsertBox", "Insert", fields.insert);
    negative_ = AddBox(this, boxes, "NegativeBox", "Negative", fields.negative);
    flipHorizontal_ =
        AddBox(this, boxes, "FlipHorizontalBox", "Flip Horizontal", fields.flipHorizontal);
    flipVertical_ = AddBox(this, boxes, "FlipVerticalBox", "Flip Vertical", fields.flipVertical);
    rotate_ = AddBox(this, boxes, "RotateBox", "Rotate 90°", fields.rotate);
    connect(fillRemaining_, &QCheckBox::toggled, copies_, &QWidget::setDisabled);

    const int reach = std::min(fields.advanceLimit, AdvanceRange);
    advance_ = MakeSpin(this, "AdvanceEdit", {-reach, reach}, 0);
    auto* advanceRow = new QFormLayout;
    advanceLabel_ = AddLabelledRow(advanceRow, "AdvanceLabel", "Advance:", advance_);
    advance_->setVisible(fields.advance);
    advanceLabel_->setVisible(fields.advance);

    auto* fieldsColumn = new QVBoxLayout;
    fieldsColumn->addLayout(copiesRow);
    fieldsColumn->addLayout(boxes);
    fieldsColumn->addLayout(advanceRow);
    fieldsColumn->addStretch();

    QVBoxLayout* buttons = OkCancelColumn(this);
    QPushButton* preview = AddColumnButton(buttons, this, "PreviewButton", "Preview");
    QPushButton* help = AddColumnButton(buttons, this, "HelpButton", "Help");
    connect(preview, &QPushButton::clicked, this, &TPasteSpecialDlg::PreviewRequested);
    connect(help, &QPushButton::clicked, this, &TPasteSpecialDlg::HelpRequested);
    PlaceBesideButtons(this, fieldsColumn, buttons);

    lang_ = new TMultiLang(this, QStringLiteral("pastespecial"));
}

PasteSpecialOptions TPasteSpecialDlg::Options() const {
    PasteSpecialOptions o;
    o.copies = copies_->value();
    o.fillRemaining = fillRemaining_->isChecked();
    o.insert = insert_->isChecked();
    o.negative = negative_->isChecked();
    o.flipHorizontal = flipHorizontal_->isChecked();
    o.flipVertical = flipVertical_->isChecked();
    o.rotate = rotate_->isChecked();
    o.advance = advance_->value();
    return OptionsForKind(o, fields_);
}

} // namespace hm
