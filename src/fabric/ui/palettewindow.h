#pragma once
// The palette window: a small floating window beside the draft with the first
// 16, 64 or 256 palette colours as a grid and the current drawing colour in a
// panel below it. A click chooses the drawing colour, a double click changes
// a colour, a click on the panel steps the number of colours shown. Created
// once, registered in the command context, shown and hidden by Yarn > Color
// Palette.

#include <QWidget>

namespace hm {

class ColourPanel;
class CommandContext;
class PaletteGridWidget;
class TMultiLang;

class TPalWin : public QWidget {
    Q_OBJECT
  public:
    TPalWin(CommandContext& ctx, QWidget* parent = nullptr);

    // Grid, cell and window size from the palette size; colours, panel, mark
    // and caption from the palette and the current colour.
    void Rebuild();
    // The current drawing colour changed elsewhere (colour selector, draft).
    void ShowCurrentColor(int index);

    PaletteGridWidget* ColorBox() const { return colorBox_; }
    ColourPanel* Panel() const { return colPanel_; }

    static constexpr int PanelHeight = 22;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void ColorBox1Click(int index);
    void ColorBox1DblClick(int index);
    void ColPanelClick();
    void UpdateCaption();

    CommandContext& ctx_;
    PaletteGridWidget* colorBox_ = nullptr;
    ColourPanel* colPanel_ = nullptr;
    TMultiLang* lang_ = nullptr;
    int current_ = 0;
    bool placed_ = false;
};

// The palette window of the run, created and registered on first use.
TPalWin& PaletteWindow(CommandContext& ctx);

} // namespace hm
