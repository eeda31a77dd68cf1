#include "ops/ui/trompaswritdialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ops/ui/structuredialogtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

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

    auto* group = new QGroupBox(QStringLiteral("Copy"), this);
    group->setObjectName(QStringLiteral("CopyGroup"));
    auto* groupLayout = new QVBoxLayout(group);
    for (int i = 0; i < TrompKinds; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(KindTexts[static_cast<size_t>(i)]), group);
        b->setObjectName(QStringLiteral("KindButton%1").arg(i + 1));
        b->setEnabled(TrompKindEnabled(d, static_cast<TrompKind>(i + 1)));
        groupLayout->addWidget(b);
        kinds_[static_cast<size_t>(i)] = b;
    }
    kinds_[0]->setChecked(true);

    QVBoxLayout* buttons = OkCancelColumn(this);
    QPushButton* preview = AddColumnButton(buttons, this, "PreviewBtn", "Preview");
    connect(preview, &QPushButton::clicked, this, [this] {
        if (PreviewClicked) PreviewClicked();
    });
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    new TMultiLang(this, QStringLiteral("trompaswrit"));
}

TrompKind Ttrompaswdlg::Kind() const {
    for (int i = 0; i < TrompKinds; ++i)
        if (kinds_[static_cast<size_t>(i)]->isChecked()) return static_cast<TrompKind>(i + 1);
    return TrompKind::ThreadingAToTreadlingA;
}

} // namespace hm
