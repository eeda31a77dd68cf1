#include "files/ui/blendliftplandialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "files/ui/filecommandtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"

namespace hm {

namespace {

constexpr BlendMode modeOf[4] = {BlendMode::Append, BlendMode::Add, BlendMode::Invert,
                                 BlendMode::Subtract};

} // namespace

TBlendDlg::TBlendDlg(QWidget* parent) : QDialog(parent) {
    InitFileCommandResources();
    setObjectName(QStringLiteral("TBlendDlg"));
    setWindowTitle(QStringLiteral("Blend Liftplan"));
    setModal(true);

    auto* group = new QGroupBox(QStringLiteral("Blend Liftplan"), this);
    group->setObjectName(QStringLiteral("BlendGroup"));
    auto* groupLayout = new QVBoxLayout(group);
    static const char* const captions[4] = {"Append", "Add", "Invert", "Subtract"};
    static const char* const names[4] = {"AppendButton", "AddButton", "InvertButton",
                                         "SubtractButton"};
    for (int i = 0; i < 4; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(captions[i]), group);
        r->setObjectName(QString::fromLatin1(names[i]));
        groupLayout->addWidget(r);
        modes_[static_cast<size_t>(i)] = r;
    }
    modes_[0]->setChecked(true); // every blend starts on Append

    QVBoxLayout* buttons = OkCancelColumn(this);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    lang_ = new TMultiLang(this, QStringLiteral("blendliftplan"));
}

BlendMode TBlendDlg::Mode() const {
    for (int i = 0; i < 4; ++i)
        if (modes_[static_cast<size_t>(i)]->isChecked()) return modeOf[i];
    return BlendMode::Append;
}

} // namespace hm
