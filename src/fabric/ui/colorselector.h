#pragma once
// The colour selector of the main window's toolbar: a combo box of the 256
// palette entries, each drawn as a swatch of its colour and its number.

#include <QComboBox>
#include <QStyledItemDelegate>
#include <cstdint>

namespace hm {

class Draft;

// Draws one entry: white background, a swatch 28 pixels wide with a 2-pixel
// margin, then the number in black.
void PaintColorEntry(QPainter& painter, const QRect& rect, int index, uint32_t color,
                     bool highlighted);

class ColorSelector : public QComboBox {
    Q_OBJECT
  public:
    static constexpr int SwatchWidth = 28;
    static constexpr int Margin = 2;
    static constexpr int SelectorWidth = 77;

    explicit ColorSelector(QWidget* parent = nullptr);

    // The draft whose palette is shown; nullptr shows white swatches.
    void SetDraft(const Draft* draft);
    // Selects an entry without reporting a choice.
    void SetCurrentColor(int index);
    int CurrentColor() const { return currentIndex(); }
    // Redraws the swatches after the palette changed.
    void Refresh();

    uint32_t ColorOf(int index) const;

  signals:
    // The user chose an entry.
    void colorChosen(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Draft* draft_ = nullptr;
};

class ColorEntryDelegate : public QStyledItemDelegate {
  public:
    explicit ColorEntryDelegate(const ColorSelector* selector);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const ColorSelector* selector_;
};

} // namespace hm
