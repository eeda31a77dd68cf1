#include "output/ui/numbersdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "output/ui/draftrangefields.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

// Resource registration must happen outside any namespace.
static void RegisterNumbersDialogResources() {
    Q_INIT_RESOURCE(outputdialogs_lang);
}

namespace hm {

namespace {

// The dialog's table is compiled into the widget library.
void InitNumbersDialogResources() {
    static const bool done = [] {
        RegisterNumbersDialogResources();
        return true;
    }();
    (void)done;
}

} // namespace

TNumbersDlg::TNumbersDlg(const NumbersDialogFields& fields, QWidget* parent) : QDialog(parent) {
    InitNumbersDialogResources();
    setObjectName(QStringLiteral("TNumbersDlg"));
    setWindowTitle(fields.caption);
    setModal(true);

    first_ = MakeOutputSpin(this, "SpinEdit1", fields.firstLimits, fields.first);
    second_ = MakeOutputSpin(this, "SpinEdit2", fields.secondLimits, fields.second);
    auto* label1 = MakeOutputLabel(this, "Label1", "", first_);
    auto* label2 = MakeOutputLabel(this, "Label2", "", second_);
    label1->setText(fields.firstLabel);
    label2->setText(fields.secondLabel);
    auto* form = new QFormLayout;
    form->addRow(label1, first_);
    form->addRow(label2, second_);

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addStretch();
    QVBoxLayout* buttons = OkCancelColumn(this);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);

    new TMultiLang(this, QStringLiteral("numbers"));
    // Wide enough for the caption, which names the command.
    setMinimumWidth(fontMetrics().horizontalAdvance(fields.caption) + 96);
    first_->setFocus();
    first_->selectAll();
}

int TNumbersDlg::First() const {
    return first_->value();
}

int TNumbersDlg::Second() const {
    return second_->value();
}

} // namespace hm
