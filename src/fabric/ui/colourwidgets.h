#pragma once
// The small colour widgets that the palette window and the two colour dialogs
// share: a grid of palette colours that reports clicks by palette index, and a
// clickable panel that shows one colour.

#include <QFrame>
#include <QWidget>
#include <cstdint>

#include "fabric/palettegrid.h"

namespace hm {

class Draft;

// The palette entries 0 .. grid.Count() - 1 as square cells, row after row.
// One cell may carry a frame (the current or selected colour).
class PaletteGridWidget : public QWidget {
    Q_OBJECT
  public:
    PaletteGridWidget(const Draft& draft, const QString& name, QWidget* parent = nullptr);

    // The widget takes exactly the grid's size.
    void SetGrid(const PaletteGrid& grid);
    const PaletteGrid& Grid() const { return grid_; }
    // The framed cell; an index outside the grid frames none.
    void SetMarked(int index);
    int Marked() const { return marked_; }
    // The middle of a cell, where a click selects it.
    QPoint CellCentre(int index) const { return grid_.CellRect(index).center(); }

  signals:
    void cellClicked(int index);
    void cellDoubleClicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    const Draft& draft_;
    PaletteGrid grid_;
    int marked_ = -1;
};

// A sunken panel filled with one colour; a left click reports clicked().
class ColourPanel : public QFrame {
    Q_OBJECT
  public:
    explicit ColourPanel(const QString& name, QWidget* parent = nullptr);

    void SetColour(uint32_t colour); // 0x00BBGGRR
    uint32_t Colour() const { return colour_; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    uint32_t colour_ = 0xFFFFFF;
};

} // namespace hm
