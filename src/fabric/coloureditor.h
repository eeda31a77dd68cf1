#pragma once
// The rules of the colour editor ("Edit Colors"), without widgets: the dialog
// creates one ColourEditor when it opens, forwards every control to it and
// repaints what it reports as changed. Indices are palette indices 0..255, as
// the editor's grid and status bar show them.

#include <QString>
#include <cstdint>

#include "fabric/colourcopies.h"
#include "fabric/paletteyarns.h"
#include "model/draft.h"

namespace hm {

class TBaseMultiLang;

// The editor's selection, kept for the whole run: the selected index and the
// first and second chosen indices (all 0 at start-up).
struct ColourEditorSelection {
    int selected = 0;
    int first = 0;
    int second = 0;
};
// Indices that the grid of this palette size no longer shows become 0.
void FitSelection(ColourEditorSelection& selection, int paletteSize);

class ColourEditor {
  public:
    // Opening the dialog: copies of the palette and the colours are taken and
    // the changed mark is cleared.
    ColourEditor(Draft& d, ColourEditorSelection& selection);

    const ColourEditorSelection& Selection() const { return selection_; }
    int PaletteSize() const { return draft_.PaletteSize; }
    // The dialog changed something since it opened (or since Revert).
    bool Changed() const { return changed_; }

    // SizeCombo: 0 = 16, 1 = 64, 2 = 256 colours shown.
    void SetPaletteSize(int paletteSize);
    // A click on a grid cell; indices not shown are ignored.
    void Select(int index);
    // A click on Panel1 or Panel2: the selected index becomes the first or
    // second chosen index.
    void TakeSelectedAsFirst() { selection_.first = selection_.selected; }
    void TakeSelectedAsSecond() { selection_.second = selection_.selected; }

    // Each edit returns whether the palette or the colours changed: then the
    // grid, panels, status bar and colour selector are refreshed and the draft
    // repainted.
    // The colour chooser returned a colour for an entry (double click, ColPanel).
    bool SetColour(int index, uint32_t colour);
    bool Switch(); // first <-> second
    bool Copy();   // first -> second
    bool Blend();  // the entries between first and second
    // Row buttons: row 1..7 against grid row 0. CopyTopRow comes after the
    // question of CopyTopRowQuestion (paletteedit.h).
    bool RowButtonsShown() const;
    bool ExchangeRow(int row);
    bool CopyTopRow(int row);
    // Tools menu.
    PaletteChange MoveUsedToTop();
    PaletteChange ClearUnused();

    // Revert (the dialog stays open) and Cancel: when anything changed, the
    // copies taken at opening come back. Returns whether the draft must be
    // repainted.
    bool Revert();
    bool Cancel() { return Revert(); }

    // Status bar panels: "Index: 12" in the language of the editor's table
    // (key "@colindex"), and "R:200, G:100, B:0" of the selected entry.
    QString IndexStatus(const TBaseMultiLang& texts) const;
    QString RgbStatus() const;

  private:
    bool Note(bool changed);

    Draft& draft_;
    ColourEditorSelection& selection_;
    ColourCopies copies_;
    bool changed_ = false;
};

} // namespace hm
