#pragma once
// "Fill Colors": two palette colours A and B, chosen from two grids, written
// into the warp or the weft colours in one of eight orders (A, B, AB, AABB,
// ABA, ABBA, ABBB, AAAB) repeated over every end or pick. The dialog stays open
// after a fill so that warp and weft can both be filled; Revert puts back the
// colours and the palette of the moment it opened.

#include <QDialog>

#include "fabric/colourfill.h"
#include "fabric/colourfillsession.h"

class QButtonGroup;
class QLabel;

namespace hm {

class ColourPanel;
class CommandContext;
class PaletteGridWidget;
class TMultiLang;

class Tfillcoldlg : public QDialog {
    Q_OBJECT
  public:
    Tfillcoldlg(CommandContext& ctx, QWidget* parent = nullptr);

    const ColourFillSession& Session() const { return session_; }
    // Whether Fill Warp or Fill Weft ran since the dialog opened.
    bool Filled() const { return filled_; }
    // The order of the checked radio button.
    FillOrder SelectedOrder() const;

  private:
    QWidget* BuildColourColumn(const QString& title, PaletteGridWidget*& grid, ColourPanel*& panel,
                               QLabel*& label, const char* gridName, const char* panelName,
                               const char* labelName);
    QWidget* BuildOrderGroup();
    void FillClick(ColourFillTarget target);
    void RevertClick();
    void PanelClick(int index);
    void ShowChoice();

    CommandContext& ctx_;
    ColourFillSession session_;
    PaletteGridWidget* gridA_ = nullptr;
    PaletteGridWidget* gridB_ = nullptr;
    ColourPanel* panelA_ = nullptr;
    ColourPanel* panelB_ = nullptr;
    QLabel* labelA_ = nullptr;
    QLabel* labelB_ = nullptr;
    QButtonGroup* orders_ = nullptr;
    TMultiLang* lang_ = nullptr;
    bool filled_ = false;
};

} // namespace hm
