#pragma once
// "Edit Colors": the colour editor. It shows the palette as a grid, the
// selected colour and the first and second chosen colours, and edits the
// palette with Switch, Copy, Blend, the row buttons and its Tools menu. Every
// change shows at once in the draft; Cancel (and Revert, which keeps the dialog
// open) puts back the palette and the yarn colours of the moment it opened.

#include <QDialog>
#include <array>

#include "fabric/coloureditor.h"
#include "fabric/paletteedit.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace hm {

class ColourPanel;
class CommandContext;
class PaletteGridWidget;
class TMultiLang;

class TColEditDlg : public QDialog {
    Q_OBJECT
  public:
    TColEditDlg(CommandContext& ctx, QWidget* parent = nullptr);

    const ColourEditor& Editor() const { return editor_; }
    // Revert and Cancel: the copies come back if anything changed; safe to call
    // more than once.
    void RevertChanges();

    // The side of the square the grid fills at every palette size.
    static constexpr int GridPixels = 320;

  public slots:
    void reject() override;

  private:
    void BuildGrid(QWidget* area);
    void BuildRowButtons(QWidget* area);
    QWidget* BuildChosenColours();
    void BuildButtons(QVBoxLayout* column);
    void BuildToolsMenu(QVBoxLayout* layout);

    void SizeComboChange(int paletteSize);
    void EdColorBoxClick(int index);
    void ChangeColour(int index);
    void CopyTopRowClick(int row);
    void ShowPaletteChange(const PaletteChange& change);
    // After an edit: the draft, the colour selector and the dialog show it.
    void AfterEdit(bool changed);

    // The grid, the row buttons, the panels and the status bar from the state.
    void ShowAll();
    void ShowSelection();

    CommandContext& ctx_;
    ColourEditor editor_;
    QComboBox* sizeCombo_ = nullptr;
    PaletteGridWidget* grid_ = nullptr;
    QWidget* rowButtons_ = nullptr;
    std::array<QToolButton*, PaletteRowButtons> exchangeButtons_{};
    std::array<QToolButton*, PaletteRowButtons> copyButtons_{};
    ColourPanel* colPanel_ = nullptr;
    ColourPanel* panel1_ = nullptr;
    ColourPanel* panel2_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* indexStatus_ = nullptr;
    QLabel* rgbStatus_ = nullptr;
    TMultiLang* lang_ = nullptr;
};

} // namespace hm
