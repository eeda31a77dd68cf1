#include "fabric/ui/coloreditdialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "fabric/colourtexts.h"
#include "fabric/ui/colourchooser.h"
#include "fabric/ui/colourwidgets.h"
#include "model/draft.h"
#include "settings/ui/multilang.h"
#include "ui/commandcontext.h"
#include "ui/commandhost.h"
#include "ui/dialogbuttons.h"

namespace hm {

namespace {

constexpr int RowButtonWidth = 24;
constexpr int RowButtonGap = 2;

QToolButton* RowButton(QWidget* parent, const QString& name, const QString& text) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLabel* IndexLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setMinimumWidth(30);
    return l;
}

} // namespace

TColEditDlg::TColEditDlg(CommandContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), editor_(ctx.draft, ctx.Own<ColourEditorSelection>()) {
    InitColourResources();
    setObjectName(QStringLiteral("TColEditDlg"));
    setWindowTitle(QStringLiteral("Edit Colors"));
    setModal(true);

    auto* root = new QVBoxLayout(this);
    BuildToolsMenu(root);

    auto* sizeRow = new QHBoxLayout;
    auto* sizeLabel = new QLabel(QStringLiteral("Display:"), this);
    sizeLabel->setObjectName(QStringLiteral("SizeLabel"));
    sizeCombo_ = new QComboBox(this);
    sizeCombo_->setObjectName(QStringLiteral("SizeCombo"));
    sizeCombo_->addItems(
        {QStringLiteral("16 Colors"), QStringLiteral("64 Colors"), QStringLiteral("256 Colors")});
    sizeLabel->setBuddy(sizeCombo_);
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(sizeCombo_);
    sizeRow->addStretch();
    connect(sizeCombo_, &QComboBox::activated, this, &TColEditDlg::SizeComboChange);

    auto* gridArea = new QWidget(this);
    gridArea->setObjectName(QStringLiteral("GridArea"));
    auto* gridRow = new QHBoxLayout(gridArea);
    gridRow->setContentsMargins(0, 0, 0, 0);
    gridRow->setSpacing(4);
    BuildGrid(gridArea);
    BuildRowButtons(gridArea);
    gridRow->addWidget(grid_, 0, Qt::AlignTop);
    gridRow->addWidget(rowButtons_, 0, Qt::AlignTop);

    auto* left = new QVBoxLayout;
    left->addLayout(sizeRow);
    left->addWidget(gridArea);
    left->addStretch();

    auto* buttons = OkCancelColumn(this);
    BuildButtons(buttons);

    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(BuildChosenColours(), 0, Qt::AlignTop);
    top->addLayout(buttons);
    root->addLayout(top);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setSizeGripEnabled(false);
    indexStatus_ = new QLabel(status);
    indexStatus_->setObjectName(QStringLiteral("IndexStatus"));
    indexStatus_->setMinimumWidth(120);
    rgbStatus_ = new QLabel(status);
    rgbStatus_->setObjectName(QStringLiteral("RgbStatus"));
    status->addWidget(indexStatus_);
    status->addWidget(rgbStatus_, 1);
    root->addWidget(status);

    lang_ = new TMultiLang(this, QStringLiteral("coloredit"));
    lang_->AfterLanguageChanged = [this] { ShowSelection(); };
    ShowAll();
}

void TColEditDlg::BuildToolsMenu(QVBoxLayout* layout) {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("EditorMenu"));
    QMenu* tools = bar->addMenu(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("ToolsMenu"));
    auto add = [tools](const char* name, const char* text) {
        QAction* a = tools->addAction(QString::fromLatin1(text));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    connect(add("MoveToTopItem", "Move yarns in use to top"), &QAction::triggered, this,
            [this] { ShowPaletteChange(editor_.MoveUsedToTop()); });
    connect(add("ClearUnusedItem", "Clear unused yarns"), &QAction::triggered, this, [this] {
        const PaletteChange change = editor_.ClearUnused();
        ShowPaletteChange(change);
        if (change.changed) ctx_.host.MarkModified();
    });
    add("ImportYarnItem", "Import Yarn"); // has no behaviour
    layout->setMenuBar(bar);
}

void TColEditDlg::BuildGrid(QWidget* area) {
    grid_ = new PaletteGridWidget(ctx_.draft, QStringLiteral("EdColorBox"), area);
    connect(grid_, &PaletteGridWidget::cellClicked, this, &TColEditDlg::EdColorBoxClick);
    connect(grid_, &PaletteGridWidget::cellDoubleClicked, this, [this](int index) {
        EdColorBoxClick(index);
        ChangeColour(index);
    });
}

void TColEditDlg::BuildRowButtons(QWidget* area) {
    rowButtons_ = new QWidget(area);
    rowButtons_->setObjectName(QStringLiteral("RowButtons"));
    rowButtons_->setFixedSize(2 * RowButtonWidth + RowButtonGap, GridPixels);
    for (int row = 1; row <= PaletteRowButtons; ++row) {
        const size_t i = static_cast<size_t>(row - 1);
        exchangeButtons_[i] =
            RowButton(rowButtons_, QStringLiteral("SpeedButton%1").arg(row), QStringLiteral("↕"));
        copyButtons_[i] =
            RowButton(rowButtons_, QStringLiteral("SpeedBut%1").arg(row), QStringLiteral("↓"));
        connect(exchangeButtons_[i], &QToolButton::clicked, this,
                [this, row] { AfterEdit(editor_.ExchangeRow(row)); });
        connect(copyButtons_[i], &QToolButton::clicked, this,
                [this, row] { CopyTopRowClick(row); });
    }
}

QWidget* TColEditDlg::BuildChosenColours() {
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("ChosenColours"));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 0, 8, 0);
    colPanel_ = new ColourPanel(QStringLiteral("ColPanel"), box);
    colPanel_->setFixedSize(96, 64);
    connect(colPanel_, &ColourPanel::clicked, this,
            [this] { ChangeColour(editor_.Selection().selected); });
    layout->addWidget(colPanel_);
    layout->addSpacing(12);

    auto chosenRow = [&](ColourPanel*& panel, QLabel*& label, const char* panelName,
                         const char* labelName) {
        auto* row = new QHBoxLayout;
        panel = new ColourPanel(QString::fromLatin1(panelName), box);
        panel->setFixedSize(48, 32);
        label = IndexLabel(box, labelName);
        row->addWidget(panel);
        row->addWidget(label);
        layout->addLayout(row);
    };
    chosenRow(panel1_, label1_, "Panel1", "Label1");
    chosenRow(panel2_, label2_, "Panel2", "Label2");
    connect(panel1_, &ColourPanel::clicked, this, [this] {
        editor_.TakeSelectedAsFirst();
        ShowSelection();
    });
    connect(panel2_, &ColourPanel::clicked, this, [this] {
        editor_.TakeSelectedAsSecond();
        ShowSelection();
    });
    layout->addSpacing(12);

    auto* edits = new QVBoxLayout;
    QDialog* dialog = this;
    connect(AddColumnButton(edits, dialog, "SwitchButton", "Switch"), &QPushButton::clicked, this,
            [this] { AfterEdit(editor_.Switch()); });
    connect(AddColumnButton(edits, dialog, "CopyButton", "Copy"), &QPushButton::clicked, this,
            [this] { AfterEdit(editor_.Copy()); });
    connect(AddColumnButton(edits, dialog, "BlendButton", "Blend"), &QPushButton::clicked, this,
            [this] { AfterEdit(editor_.Blend()); });
    layout->addLayout(edits);
    layout->addStretch();
    return box;
}

void TColEditDlg::BuildButtons(QVBoxLayout* column) {
    connect(AddColumnButton(column, this, "RevertButton", "Revert"), &QPushButton::clicked, this,
            &TColEditDlg::RevertChanges);
    connect(AddColumnButton(column, this, "HelpButton", "Help"), &QPushButton::clicked, this,
            [this] { ctx_.host.ShowHelp(QStringLiteral("colours.html")); });
    column->addStretch();
}

void TColEditDlg::SizeComboChange(int paletteSize) {
    editor_.SetPaletteSize(paletteSize);
    ShowAll();
    ctx_.host.PaletteChanged(); // the palette window shows the new size at once
}

void TColEditDlg::EdColorBoxClick(int index) {
    editor_.Select(index);
    ShowSelection();
}

void TColEditDlg::ChangeColour(int index) {
    if (const std::optional<uint32_t> colour = ChoosePaletteColour(ctx_, index))
        AfterEdit(editor_.SetColour(index, *colour));
}

void TColEditDlg::CopyTopRowClick(int row) {
    if (const std::optional<Message> question = CopyTopRowQuestion(ctx_.view.ExpertMode))
        if (ctx_.Ask(*question) != BoxAnswer::Yes) return;
    AfterEdit(editor_.CopyTopRow(row));
}

void TColEditDlg::ShowPaletteChange(const PaletteChange& change) {
    ctx_.Show(change.messages);
    AfterEdit(change.changed);
}

void TColEditDlg::AfterEdit(bool changed) {
    if (!changed) return;
    ShowAll();
    ctx_.host.PaletteChanged();
    ctx_.host.RepaintDraft();
    ctx_.host.RefreshFabricWindow();
}

void TColEditDlg::RevertChanges() {
    // The copies may also undo a Move yarns in use to top, which renumbered the yarns.
    AfterEdit(editor_.Revert());
}

void TColEditDlg::reject() {
    RevertChanges();
    QDialog::reject();
}

void TColEditDlg::ShowAll() {
    {
        const QSignalBlocker block(sizeCombo_);
        sizeCombo_->setCurrentIndex(editor_.PaletteSize());
    }
    const PaletteGrid grid = FitPaletteGrid(editor_.PaletteSize(), QSize(GridPixels, GridPixels));
    grid_->SetGrid(grid);

    const bool rows = editor_.RowButtonsShown();
    rowButtons_->setVisible(rows);
    const int height = std::min(grid.cellPixels, 24);
    for (int row = 1; row <= PaletteRowButtons; ++row) {
        const size_t i = static_cast<size_t>(row - 1);
        const int y = row * grid.cellPixels + (grid.cellPixels - height) / 2;
        exchangeButtons_[i]->setGeometry(0, y, RowButtonWidth, height);
        copyButtons_[i]->setGeometry(RowButtonWidth + RowButtonGap, y, RowButtonWidth, height);
    }
    ShowSelection();
}

void TColEditDlg::ShowSelection() {
    const ColourEditorSelection& s = editor_.Selection();
    const auto colour = [this](int index) {
        return ctx_.draft.Palette[static_cast<size_t>(std::clamp(index, 0, PaletteEntries - 1))];
    };
    grid_->SetMarked(s.selected);
    colPanel_->SetColour(colour(s.selected));
    panel1_->SetColour(colour(s.first));
    panel2_->SetColour(colour(s.second));
    label1_->setText(QString::number(s.first));
    label2_->setText(QString::number(s.second));
    indexStatus_->setText(editor_.IndexStatus(*lang_));
    rgbStatus_->setText(editor_.RgbStatus());
}

} // namespace hm
