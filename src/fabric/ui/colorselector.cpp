#include "fabric/ui/colorselector.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "model/draft.h"

namespace hm {

void PaintColorEntry(QPainter& painter, const QRect& rect, int index, uint32_t color,
                     bool highlighted) {
    painter.save();
    painter.fillRect(rect, Qt::white);
    const int m = ColorSelector::Margin;
    const QRect swatch(rect.left() + m, rect.top() + m, ColorSelector::SwatchWidth,
                       std::max(1, rect.height() - 2 * m));
    painter.fillRect(swatch, QColor(ColorRed(color), ColorGreen(color), ColorBlue(color)));
    if (highlighted) {
        // A dotted frame marks the entry under the mouse in the open list.
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.setPen(Qt::black);
    const QRect text(swatch.right() + 1 + 2 * m, rect.top(), rect.right() - swatch.right() - 2 * m,
                     rect.height());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QString::number(index));
    painter.restore();
}

ColorSelector::ColorSelector(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("ComboBoxL"));
    for (int i = 0; i < PaletteEntries; ++i) addItem(QString::number(i));
    setItemDelegate(new ColorEntryDelegate(this));
    setFixedWidth(SelectorWidth);
    setMaxVisibleItems(16);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QComboBox::activated, this, [this](int index) { emit colorChosen(index); });
}

void ColorSelector::SetDraft(const Draft* draft) {
    draft_ = draft;
    Refresh();
}

void ColorSelector::SetCurrentColor(int index) {
    if (index < 0 || index >= PaletteEntries) return;
    setCurrentIndex(index);
}

void ColorSelector::Refresh() {
    update();
    if (view()) view()->viewport()->update();
}

uint32_t ColorSelector::ColorOf(int index) const {
    if (!draft_ || index < 0 || index >= PaletteEntries) return 0xFFFFFF;
    return draft_->Palette[static_cast<size_t>(index)];
}

void ColorSelector::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const int index = currentIndex();
    if (index >= 0) PaintColorEntry(painter, field, index, ColorOf(index), false);
}

ColorEntryDelegate::ColorEntryDelegate(const ColorSelector* selector)
    : QStyledItemDelegate(const_cast<ColorSelector*>(selector)), selector_(selector) {}

void ColorEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const bool highlighted = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
    PaintColorEntry(*painter, option.rect, index.row(), selector_->ColorOf(index.row()),
                    highlighted);
}

QSize ColorEntryDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(std::max(s.height(), 18));
    return s;
}

} // namespace hm
