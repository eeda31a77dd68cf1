#include "ops/ui/numberpairdialog.h"

#include "ui/dialogbuttons.h"

namespace hm {

TDlgNum2::TDlgNum2(const NumberPairSetup& setup, RememberedNumbers start, QWidget* parent)
    : NumberPairDialogBase(setup, start, parent) {
    setObjectName(QStringLiteral("TDlgNum2"));
    LayOutAndTranslate(OkCancelColumn(this), "numberpair");
}

} // namespace hm
