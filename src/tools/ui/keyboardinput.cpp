#include "tools/ui/keyboardinput.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "settings/messages.h"
#include "settings/ui/multilang.h"
#include "tools/ui/toolcommands.h"
#include "view/ui/draftview.h"
#include "view/ui/tooloverlay.h"

namespace hm {

// The entry's repaints, carried out by the view's partial painters.
class TEdKeyForm::ViewPainter final : public EntryPainter {
  public:
    explicit ViewPainter(DraftView* v) : v_(v) {}
    std::function<void(const ClothChange&)> clothChanged;
    void SequenceCell(ViewArea area, int index, bool on) override {
        v_->PaintSequenceCell(area, index, on);
    }
    void TieupCell(int shaft, int treadle, int value) override {
        v_->PaintTieupCell(TieupKind::AA, shaft, treadle, value);
    }
    void LiftplanCell(int j, int column, bool on) override { v_->PaintLiftplanCell(j, column, on); }
    // The drawdown's columns and rows are the cloth's: the fabric window follows.
    void DrawdownColumn(int i) override {
        v_->PaintDrawdownColumn(i);
        Report(ClothChange::Ends({v_->draft().FirstEnd + i}));
    }
    void DrawdownRow(int j) override {
        v_->PaintDrawdownRow(j);
        Report(ClothChange::Picks({v_->draft().FirstPick + j}));
    }
    // Inserted or deleted threads move every later one.
    void ColumnsFrom(int i) override {
        v_->RepaintColumnsFrom(i);
        Report(ClothChange::Whole());
    }
    void RowsFrom(int j) override {
        v_->RepaintRowsFrom(j);
        Report(ClothChange::Whole());
    }
    void RowsWithLiftplan(int j) override {
        v_->RepaintRowsWithLiftplan(j, true);
        Report(ClothChange::Whole());
    }

  private:
    void Report(const ClothChange& c) {
        if (clothChanged) clothChanged(c);
    }
    DraftView* v_;
};

EntryKeyPress EntryKeyOf(int key, Qt::KeyboardModifiers mods) {
    const bool keypad = mods & Qt::KeypadModifier;
    switch (key) {
    case Qt::Key_Up:
        return {EntryKey::Up};
    case Qt::Key_Down:
        return {EntryKey::Down};
    case Qt::Key_Left:
        return {EntryKey::Left};
    case Qt::Key_Right:
        return {EntryKey::Right};
    case Qt::Key_Home:
        return {EntryKey::Home};
    case Qt::Key_End:
        return {EntryKey::End};
    case Qt::Key_Insert:
        return {EntryKey::Insert};
    case Qt::Key_Delete:
        return {EntryKey::Delete};
    case Qt::Key_Space:
    case Qt::Key_Plus:
        return {EntryKey::Toggle};
    case Qt::Key_Equal: // the main keyboard's plus key where "+" needs Shift
        return keypad ? EntryKeyPress{EntryKey::Other} : EntryKeyPress{EntryKey::Toggle};
    case Qt::Key_Period:
        return keypad ? EntryKeyPress{EntryKey::Other} : EntryKeyPress{EntryKey::Period};
    default:
        break;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !keypad) return {EntryKey::Digit, key - Qt::Key_0};
    return {EntryKey::Other};
}

TEdKeyForm::TEdKeyForm(DraftView* view, EntryMode mode, QWidget* parent)
    : QDialog(parent), view_(view), overlay_(ToolOverlay::Of(view)),
      painter_(std::make_unique<ViewPainter>(view)) {
    InitToolResources();
    setObjectName("TEdKeyForm");
    setModal(true);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(17);
    setFont(f);
    const DraftLayout& l = view->layout();
    entry_ = std::make_unique<KeyboardEntry>(view->draft(), mode, l.visibleEnds, l.visiblePicks,
                                             painter_.get());

    auto* grid = new QGridLayout;
    topLabel_ = new QLabel(this);
    topLabel_->setObjectName("TopLabel");
    topNumber_ = new QLabel(this);
    topNumber_->setObjectName("TopNumber");
    bottomLabel_ = new QLabel(this);
    bottomLabel_->setObjectName("BottomLabel");
    bottomNumber_ = new QLabel(this);
    bottomNumber_->setObjectName("BottomNumber");
    for (QLabel* n : {topNumber_, bottomNumber_}) {
        n->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        n->setMinimumWidth(60);
    }
    grid->addWidget(topLabel_, 0, 0);
    grid->addWidget(topNumber_, 0, 1);
    grid->addWidget(bottomLabel_, 1, 0);
    grid->addWidget(bottomNumber_, 1, 1);
    closeButton_ = new QPushButton(QStringLiteral("Close"), this);
    closeButton_->setObjectName("CloseButton");
    // The keys belong to the entry, so the button never takes the focus.
    closeButton_->setFocusPolicy(Qt::NoFocus);
    closeButton_->setAutoDefault(false);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    auto* box = new QVBoxLayout(this);
    box->addLayout(grid);
    box->addWidget(closeButton_, 0, Qt::AlignHCenter);
    setFocusPolicy(Qt::StrongFocus);

    ShowLabels();
    new TMultiLang(this, QStringLiteral("keyboardinput"));
}

TEdKeyForm::~TEdKeyForm() {
    HideCursor();
}

void TEdKeyForm::SetClothChanged(std::function<void(const ClothChange&)> report) {
    painter_->clothChanged = std::move(report);
}

void TEdKeyForm::PlaceOnScreen() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect g = s->geometry();
    adjustSize();
    move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() / 5) * 3);
}

void TEdKeyForm::showEvent(QShowEvent* event) {
    // The caption names the grid being edited.
    setWindowTitle(Tr(entry_->CaptionKey()));
    ShowLabels();
    PlaceOnScreen();
    QDialog::showEvent(event);
    setFocus();
    DrawCursor();
}

void TEdKeyForm::done(int result) {
    HideCursor();
    QDialog::done(result);
}

bool TEdKeyForm::event(QEvent* event) {
    // Every key comes here before the controls see it; Escape still closes.
    if (event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() != Qt::Key_Escape) {
            HandleKey(k->key(), k->modifiers());
            return true;
        }
    }
    return QDialog::event(event);
}

void TEdKeyForm::HandleKey(int qtKey, Qt::KeyboardModifiers mods) {
    HideCursor();
    entry_->Press(EntryKeyOf(qtKey, mods));
    DrawCursor();
    ShowLabels();
}

void TEdKeyForm::DrawCursor() {
    int u = 0, v = 0;
    const DraftLayout& l = view_->layout();
    if (!overlay_ || !entry_->CursorCell(l, u, v)) return;
    const Draft& d = view_->draft();
    const QRgb colour = ToRgb(entry_->CursorCellSet() ? d.BackgroundColor : d.MarkColor);
    overlay_->SetCursorFigure(l.InteriorRect(u, v), l.zoom, colour);
}

void TEdKeyForm::HideCursor() {
    if (overlay_) overlay_->ClearCursor();
}

void TEdKeyForm::ShowLabels() {
    topLabel_->setText(Tr(entry_->TopLabelKey()).left(22));
    bottomLabel_->setText(Tr(entry_->BottomLabelKey()).left(22));
    topNumber_->setText(QString::number(entry_->TopNumber()));
    bottomNumber_->setText(QString::number(entry_->BottomNumber()));
}

} // namespace hm
