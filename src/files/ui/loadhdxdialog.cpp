#include "files/ui/loadhdxdialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/ui/filecommandtexts.h"
#include "settings/ui/multilang.h"
#include "ui/dialogbuttons.h"
#include "ui/dialogparts.h"

namespace hm {

namespace {

constexpr int Boxes = 14;
std::array<bool, Boxes> remembered{}; // nothing checked at the start of a run

struct BoxSpec {
    const char* name;
    const char* key; // shared caption key, or nullptr for the dialog's own text
    const char* text;
};

// In the order of the Box enumeration.
constexpr BoxSpec specs[Boxes] = {
    {"PatternThreadingBox", "@monsolv", "Pattern Threading"},
    {"LiftplanBox", "@dragnota", "Liftplan"},
    {"ThreadingABox", "@skaftgrupp_a", "Threading A"},
    {"ThreadingBBox", "@skaftgrupp_b", "Threading B"},
    {"TreadlingABox", "@trampning_a", "Treadling A"},
    {"TreadlingBBox", "@trampning_b", "Treadling B"},
    {"TieupAABox", "@tieup_aa", "Tie-up AA"},
    {"TieupABBox", "@tieup_ab", "Tie-up AB"},
    {"TieupBABox", "@tieup_ba", "Tie-up BA"},
    {"TieupBBBox", "@tieup_bb", "Tie-up BB"},
    {"WarpColorsBox", nullptr, "Warp Colors"},
    {"WeftColorsBox", nullptr, "Weft Colors"},
    {"PaletteBox", nullptr, "Color Palette"},
    {"NoteBox", nullptr, "Note"},
};

} // namespace

TLoadHdxDlg::TLoadHdxDlg(bool patternThreadingOn, bool threadingBOn, bool treadlingBOn,
                         QWidget* parent)
    : QDialog(parent) {
    InitFileCommandResources();
    setObjectName(QStringLiteral("TLoadHdxDlg"));
    setWindowTitle(QStringLiteral("Load components"));
    setModal(true);

    auto* grid = new QGridLayout;
    for (int i = 0; i < BoxCount; ++i) {
        auto* box = MakeBox(this, specs[i].name, specs[i].text, remembered[static_cast<size_t>(i)]);
        // Two columns: the draft's plans on the left, colours, palette and note below.
        grid->addWidget(box, i < 10 ? i / 2 : 5 + (i - 10) / 2, i < 10 ? i % 2 : (i - 10) % 2);
        boxes_[static_cast<size_t>(i)] = box;
    }
    boxes_[PatternThreading]->setEnabled(patternThreadingOn);
    boxes_[Liftplan]->setEnabled(patternThreadingOn);
    boxes_[ThreadingB]->setEnabled(threadingBOn);
    boxes_[TreadlingB]->setEnabled(treadlingBOn);

    QVBoxLayout* buttons = OkCancelColumn(this);
    QPushButton* help = AddColumnButton(buttons, this, "HelpButton", "Help");
    connect(help, &QPushButton::clicked, this, &TLoadHdxDlg::HelpRequested);
    PlaceBesideButtons(this, grid, buttons);

    lang_ = new TMultiLang(this, QStringLiteral("loadhdx"));
    lang_->AfterLanguageChanged = [this] { ApplyKeyCaptions(); };
    ApplyKeyCaptions();
}

void TLoadHdxDlg::ApplyKeyCaptions() {
    for (int i = 0; i < BoxCount; ++i)
        if (specs[i].key)
            boxes_[static_cast<size_t>(i)]->setText(
                KeyCaption(specs[i].key, QString::fromLatin1(specs[i].text)));
}

HdxComponents TLoadHdxDlg::Selection() const {
    auto taken = [this](Box b) { return BoxTaken(boxes_[static_cast<size_t>(b)]); };
    HdxComponents c = HdxComponents::None();
    c.patternThreading = taken(PatternThreading);
    c.liftplan = taken(Liftplan);
    c.threadingA = taken(ThreadingA);
    c.threadingB = taken(ThreadingB);
    c.treadlingA = taken(TreadlingA);
    c.treadlingB = taken(TreadlingB);
    c.tieupAA = taken(TieupAA);
    c.tieupAB = taken(TieupAB);
    c.tieupBA = taken(TieupBA);
    c.tieupBB = taken(TieupBB);
    c.warpColors = taken(WarpColors);
    c.weftColors = taken(WeftColors);
    c.palette = taken(Palette);
    c.note = taken(Note);
    return c;
}

void TLoadHdxDlg::OfferOnly(const HdxComponents& available) {
    const std::array<bool, BoxCount> offered = {
        available.patternThreading, available.liftplan,   available.threadingA,
        available.threadingB,       available.treadlingA, available.treadlingB,
        available.tieupAA,          available.tieupAB,    available.tieupBA,
        available.tieupBB,          available.warpColors, available.weftColors,
        available.palette,          available.note};
    for (int i = 0; i < BoxCount; ++i)
        if (!offered[static_cast<size_t>(i)]) boxes_[static_cast<size_t>(i)]->setEnabled(false);
}

void TLoadHdxDlg::ResetRemembered() {
    remembered.fill(false);
}

void TLoadHdxDlg::done(int result) {
    StoreCheckMarks(boxes_, remembered);
    QDialog::done(result);
}

} // namespace hm
