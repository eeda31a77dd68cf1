#include "output/ui/numbersdialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

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

    fields_ = NumberFields::Make(this, fields.firstLimits, fields.secondLimits, fields.first,
                                 fields.second);
    fields_.label1->setText(fields.firstLabel);
    fields_.label2->setText(fields.secondLabel);
    auto* left = new QVBoxLayout;
    left->addLayout(fields_.layout);
    left->addStretch();
    PlaceBesideButtons(this, left, OkCancelColumn(this));

    new TMultiLang(this, QStringLiteral("numbers"));
    // Wide enough for the caption, which names the command.
    setMinimumWidth(fontMetrics().horizontalAdvance(fields.caption) + 96);
    fields_.spin1->setFocus();
    fields_.spin1->selectAll();
}

int TNumbersDlg::First() const {
    return fields_.spin1->value();
}

int TNumbersDlg::Second() const {
    return fields_.spin2->value();
}

} // namespace hm
