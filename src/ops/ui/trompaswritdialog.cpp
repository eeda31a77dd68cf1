#include "ops/ui/trompaswritdialog.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ops/ui/structuredialogtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

namespace {

// English texts; the translation table replaces them in this order.
constexpr std::array<const char*, TrompKinds> KindTexts{
    "Threading A to Treadling A", "Treadling A to Threading A", "Threading B to Treadling B",
    "Treadling B to Threading B", "Warp Colors to Weft Colors", "Weft Colors to Warp Colors",
    "Switch Warp/Weft Colors"};

} // namespace

Ttrompaswdlg::Ttrompaswdlg(const Draft& d, QWidget* parent) : QDialog(parent) {
    InitStructureDialogResources();
    setObjectName(QStringLiteral("Ttrompaswdlg"));
    setWindowTitle(QStringLiteral("Tromp as Writ"));
    setModal(true);

    QGroupBox* group = MakeRadioGroup(this, "CopyGroup", "Copy");
    for (int i = 0; i < TrompKinds; ++i) {
        const QByteArray name = "KindButton" + QByteArray::number(i + 1);
        QRadioButton* b = AddRadio(group, name.constData(), KindTexts[static_cast<size_t>(i)]);
        b->setEnabled(TrompKindEnabled(d, static_cast<TrompKind>(i + 1)));
        kinds_[static_cast<size_t>(i)] = b;
    }
    kinds_[0]->setChecked(true);

    QVBoxLayout* buttons = OkCancelColumn(this);
    AddPreviewButton(buttons, this, "PreviewBtn", PreviewClicked);
    PlaceBesideButtons(this, group, buttons);

    new TMultiLang(this, QStringLiteral("trompaswrit"));
}

TrompKind Ttrompaswdlg::Kind() const {
    for (int i = 0; i < TrompKinds; ++i)
        if (kinds_[static_cast<size_t>(i)]->isChecked()) return static_cast<TrompKind>(i + 1);
    return TrompKind::ThreadingAToTreadlingA;
}

} // namespace hm
