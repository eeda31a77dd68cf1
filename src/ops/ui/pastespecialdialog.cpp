#include "ops/ui/pastespecialdialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ops/ui/clipboardtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

namespace {

constexpr int AdvanceRange = 16;

QCheckBox* MakeBox(QWidget* parent, QVBoxLayout* column, const char* name, const QString& text,
                   bool shown) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
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

    copies_ = new QSpinBox(this);
    copies_->setObjectName(QStringLiteral("CopiesEdit"));
    copies_->setRange(1, MaxPasteCopies);
    copies_->setValue(1);
    auto* copiesLabel = new QLabel(QStringLiteral("No. of Copies:"), this);
    copiesLabel->setObjectName(QStringLiteral("CopiesLabel"));
    copiesLabel->setBuddy(copies_);
    auto* copiesRow = new QFormLayout;
    copiesRow->addRow(copiesLabel, copies_);

    auto* boxes = new QVBoxLayout;
    fillRemaining_ =
        MakeBox(this, boxes, "FillRemainingBox", QStringLiteral("Fill Remaining"), true);
    insert_ = MakeBox(this, boxes, "InsertBox", QStringLiteral("Insert"), fields.insert);
    negative_ = MakeBox(this, boxes, "NegativeBox", QStringLiteral("Negative"), fields.negative);
    flipHorizontal_ = MakeBox(this, boxes, "FlipHorizontalBox", QStringLiteral("Flip Horizontal"),
                              fields.flipHorizontal);
    flipVertical_ = MakeBox(this, boxes, "FlipVerticalBox", QStringLiteral("Flip Vertical"),
                            fields.flipVertical);
    rotate_ = MakeBox(this, boxes, "RotateBox", QStringLiteral("Rotate 90°"), fields.rotate);
    connect(fillRemaining_, &QCheckBox::toggled, copies_, &QWidget::setDisabled);

    advance_ = new QSpinBox(this);
    advance_->setObjectName(QStringLiteral("AdvanceEdit"));
    const int reach = std::min(fields.advanceLimit, AdvanceRange);
    advance_->setRange(-reach, reach);
    advance_->setValue(0);
    advanceLabel_ = new QLabel(QStringLiteral("Advance:"), this);
    advanceLabel_->setObjectName(QStringLiteral("AdvanceLabel"));
    advanceLabel_->setBuddy(advance_);
    auto* advanceRow = new QFormLayout;
    advanceRow->addRow(advanceLabel_, advance_);
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
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fieldsColumn);
    layout->addLayout(buttons);

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
