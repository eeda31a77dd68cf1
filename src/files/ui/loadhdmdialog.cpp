#include "files/ui/loadhdmdialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/ui/filecommandtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

namespace {

// Check marks kept during the run: Threading and Liftplan start checked.
std::array<bool, 6> remembered = {true, true, false, false, false, false};

} // namespace

TLoadHdmDlg::TLoadHdmDlg(bool designMode, bool patternTieupOn, QWidget* parent) : QDialog(parent) {
    InitFileCommandResources();
    setObjectName(QStringLiteral("TLoadHdmDlg"));
    setWindowTitle(QStringLiteral("Load components"));
    setModal(true);

    static const char* const names[BoxCount] = {"ThreadingBox",  "LiftplanBox", "WarpColorsBox",
                                                "WeftColorsBox", "PaletteBox",  "NoteBox"};
    static const char* const captions[BoxCount] = {"Threading",   "Liftplan",      "Warp Colors",
                                                   "Weft Colors", "Color Palette", "Note"};
    auto* boxesColumn = new QVBoxLayout;
    for (size_t i = 0; i < BoxCount; ++i) {
        boxes_[i] = MakeBox(this, names[i], captions[i], remembered[i]);
        boxesColumn->addWidget(boxes_[i]);
    }
    boxesColumn->addStretch();

    const bool threadingOffered = !designMode;
    const bool liftplanOffered = !designMode && !patternTieupOn;
    boxes_[Threading]->setEnabled(threadingOffered);
    boxes_[Liftplan]->setEnabled(liftplanOffered);

    QVBoxLayout* buttons = OkCancelColumn(this);
    QPushButton* help = AddColumnButton(buttons, this, "HelpButton", "Help");
    buttons->addSpacing(12);
    blendButton_ = AddColumnButton(buttons, this, "BlendButton", "Blend Liftplan...");
    blendButton_->setVisible(liftplanOffered);
    connect(help, &QPushButton::clicked, this, &TLoadHdmDlg::HelpRequested);
    connect(blendButton_, &QPushButton::clicked, this, [this] { done(BlendRequested); });
    PlaceBesideButtons(this, boxesColumn, buttons);

    lang_ = new TMultiLang(this, QStringLiteral("loadhdm"));
}

HdmComponents TLoadHdmDlg::Selection() const {
    auto taken = [this](Box b) { return BoxTaken(boxes_[static_cast<size_t>(b)]); };
    HdmComponents c = HdmComponents::None();
    c.threading = taken(Threading);
    c.liftplan = taken(Liftplan);
    c.warpColors = taken(WarpColors);
    c.weftColors = taken(WeftColors);
    c.palette = taken(Palette);
    c.note = taken(Note);
    return c;
}

void TLoadHdmDlg::ResetRemembered() {
    remembered = {true, true, false, false, false, false};
}

void TLoadHdmDlg::done(int result) {
    StoreCheckMarks(boxes_, remembered);
    QDialog::done(result);
}

} // namespace hm
