#include "fabric/ui/palettewindow.h"

#include <QCloseEvent>
#include <algorithm>

#include "fabric/colourtexts.h"
#include "fabric/palettegrid.h"
#include "fabric/ui/colourchooser.h"
#include "fabric/ui/colourwidgets.h"
#include "model/draft.h"
#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"

namespace hm {

TPalWin::TPalWin(CommandContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), ctx_(ctx) {
    InitColourResources();
    setObjectName(QStringLiteral("TPalWin"));
    colorBox_ = new PaletteGridWidget(ctx.draft, QStringLiteral("ColorBox1"), this);
    colPanel_ = new ColourPanel(QStringLiteral("ColPanel"), this);
    connect(colorBox_, &PaletteGridWidget::cellClicked, this, &TPalWin::ColorBox1Click);
    connect(colorBox_, &PaletteGridWidget::cellDoubleClicked, this, &TPalWin::ColorBox1DblClick);
    connect(colPanel_, &ColourPanel::clicked, this, &TPalWin::ColPanelClick);
    // The caption's word comes from the general messages, which must switch
    // language before this window's component does; they exist from now on.
    GeneralMessages();
    lang_ = new TMultiLang(this, QStringLiteral("palette"));
    lang_->AfterLanguageChanged = [this] { UpdateCaption(); };
    Rebuild();
}

void TPalWin::Rebuild() {
    const PaletteGrid grid = PaletteWindowGrid(ctx_.draft.PaletteSize);
    colorBox_->SetGrid(grid);
    colorBox_->move(0, 0);
    const QSize gridSize = grid.PixelSize();
    colPanel_->setGeometry(0, gridSize.height(), gridSize.width(), PanelHeight);
    setFixedSize(gridSize.width(), gridSize.height() + PanelHeight);
    ShowCurrentColor(ctx_.view.CurrentColor);
}

void TPalWin::ShowCurrentColor(int index) {
    index = std::clamp(index, 0, PaletteEntries - 1);
    colorBox_->SetMarked(index);
    colorBox_->update();
    colPanel_->SetColour(ctx_.draft.Palette[static_cast<size_t>(index)]);
    current_ = index;
    UpdateCaption();
}

void TPalWin::UpdateCaption() {
    setWindowTitle(PaletteWindowCaption(current_));
}

void TPalWin::ColorBox1Click(int index) {
    ctx_.view.CurrentColor = index;
    ctx_.host.SetCurrentColor(index);
    ShowCurrentColor(index);
}

void TPalWin::ColorBox1DblClick(int index) {
    // The host refreshes this window through PaletteChanged; a test host does not.
    if (EditPaletteColour(ctx_, index)) Rebuild();
}

void TPalWin::ColPanelClick() {
    ctx_.draft.PaletteSize = NextPaletteSize(ctx_.draft.PaletteSize);
    Rebuild();
}

void TPalWin::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_ || !parentWidget()) return;
    // The first time beside the right edge of the main window, below its tool bar.
    placed_ = true;
    const QRect owner = parentWidget()->frameGeometry();
    move(std::max(owner.left(), owner.right() - width() - 40), owner.top() + 110);
}

void TPalWin::closeEvent(QCloseEvent* event) {
    ctx_.view.PaletteWindowOn = false;
    ctx_.host.UpdateMenuState();
    QWidget::closeEvent(event);
}

TPalWin& PaletteWindow(CommandContext& ctx) {
    if (TPalWin* window = ctx.Find<TPalWin>()) return *window;
    auto* window = new TPalWin(ctx, ctx.dialogParent);
    ctx.Register(window);
    return *window;
}

} // namespace hm
