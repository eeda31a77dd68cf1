#include "fabric/ui/fillcolorsdialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "fabric/colourtexts.h"
#include "fabric/palettegrid.h"
#include "fabric/ui/colourchooser.h"
#include "fabric/ui/colourwidgets.h"
#include "model/draft.h"
#include "settings/ui/multilang.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"
#include "ui/dialogbuttons.h"

namespace hm {

namespace {

constexpr int CellPixels = 18;

} // namespace

Tfillcoldlg::Tfillcoldlg(CommandContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), session_(ctx.draft, ctx.Own<FillColourChoice>()) {
    InitColourResources();
    setObjectName(QStringLiteral("Tfillcoldlg"));
    setWindowTitle(QStringLiteral("Fill Colors"));
    setModal(true);

    auto* buttons = new QVBoxLayout;
    QPushButton* warp = AddColumnButton(buttons, this, "FillWarpButton", "Fill Warp");
    QPushButton* weft = AddColumnButton(buttons, this, "FillWeftButton", "Fill Weft");
    buttons->addSpacing(12);
    QPushButton* revert = AddColumnButton(buttons, this, "RevertButton", "Revert");
    QPushButton* close = AddColumnButton(buttons, this, "CloseButton", "Close");
    buttons->addStretch();
    connect(warp, &QPushButton::clicked, this, [this] { FillClick(ColourFillTarget::Warp); });
    connect(weft, &QPushButton::clicked, this, [this] { FillClick(ColourFillTarget::Weft); });
    connect(revert, &QPushButton::clicked, this, &Tfillcoldlg::RevertClick);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    warp->setDefault(true);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildColourColumn(QStringLiteral("A"), gridA_, panelA_, labelA_, "ColorBoxA",
                                        "panelA", "Labela"),
                      0, Qt::AlignTop);
    layout->addWidget(BuildColourColumn(QStringLiteral("B"), gridB_, panelB_, labelB_, "ColorBoxB",
                                        "PanelB", "LabelB"),
                      0, Qt::AlignTop);
    layout->addWidget(BuildOrderGroup(), 0, Qt::AlignTop);
    layout->addLayout(buttons);

    connect(gridA_, &PaletteGridWidget::cellClicked, this, [this](int index) {
        session_.ChooseA(index);
        ShowChoice();
    });
    connect(gridB_, &PaletteGridWidget::cellClicked, this, [this](int index) {
        session_.ChooseB(index);
        ShowChoice();
    });
    connect(panelA_, &ColourPanel::clicked, this, [this] { PanelClick(session_.Choice().a); });
    connect(panelB_, &ColourPanel::clicked, this, [this] { PanelClick(session_.Choice().b); });

    lang_ = new TMultiLang(this, QStringLiteral("fillcolors"));
    ShowChoice();
}

QWidget* Tfillcoldlg::BuildColourColumn(const QString& title, PaletteGridWidget*& grid,
                                        ColourPanel*& panel, QLabel*& label, const char* gridName,
                                        const char* panelName, const char* labelName) {
    // The letters A and B read alike in every language.
    auto* box = new QGroupBox(title, this);
    box->setObjectName(QStringLiteral("Group") + title);
    auto* column = new QVBoxLayout(box);
    grid = new PaletteGridWidget(ctx_.draft, QString::fromLatin1(gridName), box);
    grid->SetGrid(MakePaletteGrid(FillGridPaletteSize, CellPixels));
    column->addWidget(grid);
    auto* row = new QHBoxLayout;
    panel = new ColourPanel(QString::fromLatin1(panelName), box);
    panel->setFixedSize(64, 32);
    label = new QLabel(box);
    label->setObjectName(QString::fromLatin1(labelName));
    row->addWidget(panel);
    row->addWidget(label);
    row->addStretch();
    column->addLayout(row);
    return box;
}

QWidget* Tfillcoldlg::BuildOrderGroup() {
    auto* group = new QGroupBox(QStringLiteral("Fill"), this);
    group->setObjectName(QStringLiteral("ABgroup"));
    auto* column = new QVBoxLayout(group);
    orders_ = new QButtonGroup(group);
    for (int i = 0; i < FillOrderCount; ++i) {
        const std::string_view name = FillOrderName(FillOrderAt(i));
        auto* radio = new QRadioButton(QString::fromLatin1(name.data(), name.size()), group);
        radio->setObjectName(QStringLiteral("ABgroupItem%1").arg(i));
        orders_->addButton(radio, i);
        column->addWidget(radio);
    }
    orders_->button(0)->setChecked(true);
    return group;
}

FillOrder Tfillcoldlg::SelectedOrder() const {
    return FillOrderAt(orders_->checkedId());
}

void Tfillcoldlg::FillClick(ColourFillTarget target) {
    session_.Fill(target, SelectedOrder());
    filled_ = true;
    ctx_.host.RepaintDraft();
    ctx_.host.MarkModified();
}

void Tfillcoldlg::RevertClick() {
    session_.Revert();
    ShowChoice();
    ctx_.host.PaletteChanged();
    ctx_.host.RepaintDraft();
    ctx_.host.RefreshFabricWindow();
}

void Tfillcoldlg::PanelClick(int index) {
    if (EditPaletteColour(ctx_, index)) ShowChoice();
}

void Tfillcoldlg::ShowChoice() {
    const FillColourChoice& c = session_.Choice();
    gridA_->SetMarked(c.a);
    gridB_->SetMarked(c.b);
    gridA_->update();
    gridB_->update();
    panelA_->SetColour(ctx_.draft.Palette[static_cast<size_t>(c.a)]);
    panelB_->SetColour(ctx_.draft.Palette[static_cast<size_t>(c.b)]);
    labelA_->setText(QString::number(c.a));
    labelB_->setText(QString::number(c.b));
}

} // namespace hm
