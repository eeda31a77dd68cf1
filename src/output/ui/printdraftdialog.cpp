#include "output/ui/printdraftdialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

TPdraftDlg::TPdraftDlg(const PrintDraftChoice& start, const DraftRangeLimits& limits,
                       QWidget* parent)
    : QDialog(parent), fields_(this, limits, start.range, start.fill) {
    setObjectName(QStringLiteral("TPdraftDlg"));
    setWindowTitle(QStringLiteral("Print Draft"));
    setModal(true);

    printNote_ = MakeOutputBox(this, "PrintNoteBox", "Print Note below the image", start.printNote);
    fields_.boxLayout()->addWidget(printNote_);

    auto* left = new QVBoxLayout;
    left->addLayout(fields_.rangeLayout());
    left->addSpacing(8);
    left->addLayout(fields_.boxLayout());
    left->addStretch();
    QVBoxLayout* buttons = OkCancelColumn(this);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(buttons);

    auto* lang = new TMultiLang(this, QStringLiteral("printdraft"));
    lang->AfterLanguageChanged = [this] { fields_.ApplyKeyCaptions(); };
    fields_.ApplyKeyCaptions();
}

PrintDraftChoice TPdraftDlg::Choice() const {
    PrintDraftChoice c;
    c.range = fields_.Range();
    c.fill = fields_.Fill();
    c.printNote = printNote_->isChecked();
    return c;
}

} // namespace hm
