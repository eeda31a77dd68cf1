#include "files/ui/blendliftplandialog.h"

#include <QGroupBox>
#include <QRadioButton>

#include "files/ui/filecommandtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

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

    QGroupBox* group = MakeRadioGroup(this, "BlendGroup", "Blend Liftplan");
    static const char* const captions[4] = {"Append", "Add", "Invert", "Subtract"};
    static const char* const names[4] = {"AppendButton", "AddButton", "InvertButton",
                                         "SubtractButton"};
    for (int i = 0; i < 4; ++i)
        modes_[static_cast<size_t>(i)] = AddRadio(group, names[i], captions[i]);
    modes_[0]->setChecked(true); // every blend starts on Append

    PlaceBesideButtons(this, group, OkCancelColumn(this));

    lang_ = new TMultiLang(this, QStringLiteral("blendliftplan"));
}

BlendMode TBlendDlg::Mode() const {
    for (int i = 0; i < 4; ++i)
        if (modes_[static_cast<size_t>(i)]->isChecked()) return modeOf[i];
    return BlendMode::Append;
}

} // namespace hm
