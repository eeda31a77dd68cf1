#include "output/ui/printdraftdialog.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "ui/dialogparts.h"

namespace hm {

TPdraftDlg::TPdraftDlg(const PrintDraftChoice& start, const DraftRangeLimits& limits,
                       QWidget* parent)
    : QDialog(parent), fields_(this, limits, start.range, start.fill) {
    setObjectName(QStringLiteral("TPdraftDlg"));
    setWindowTitle(QStringLiteral("Print Draft"));
    setModal(true);

    printNote_ = MakeBox(this, "PrintNoteBox", "Print Note below the image", start.printNote);
    fields_.boxLayout()->addWidget(printNote_);
    fields_.LayOutAndTranslate("printdraft");
}

PrintDraftChoice TPdraftDlg::Choice() const {
    PrintDraftChoice c;
    c.range = fields_.Range();
    c.fill = fields_.Fill();
    c.printNote = printNote_->isChecked();
    return c;
}

} // namespace hm
