#include "fabric/coloureditor.h"

#include "fabric/paletteedit.h"
#include "fabric/palettegrid.h"
#include "settings/basemultilang.h"

namespace hm {

void FitSelection(ColourEditorSelection& selection, int paletteSize) {
    for (int* index : {&selection.selected, &selection.first, &selection.second})
        if (!IsShownIndex(paletteSize, *index)) *index = 0;
}

ColourEditor::ColourEditor(Draft& d, ColourEditorSelection& selection)
    : draft_(d), selection_(selection), copies_(ColourCopies::Take(d)) {
    FitSelection(selection_, d.PaletteSize);
}

void ColourEditor::SetPaletteSize(int paletteSize) {
    draft_.PaletteSize = ValidPaletteSize(paletteSize);
    FitSelection(selection_, draft_.PaletteSize);
}

void ColourEditor::Select(int index) {
    if (IsShownIndex(draft_.PaletteSize, index)) selection_.selected = index;
}

bool ColourEditor::SetColour(int index, uint32_t colour) {
    return Note(SetPaletteColour(draft_, index, colour));
}

bool ColourEditor::Switch() {
    return Note(SwitchPaletteEntries(draft_, selection_.first, selection_.second));
}

bool ColourEditor::Copy() {
    return Note(CopyPaletteEntry(draft_, selection_.first, selection_.second));
}

bool ColourEditor::Blend() {
    return Note(BlendPaletteEntries(draft_, selection_.first, selection_.second));
}

bool ColourEditor::RowButtonsShown() const {
    return PaletteRowButtonsShown(draft_.PaletteSize);
}

bool ColourEditor::ExchangeRow(int row) {
    return Note(ExchangePaletteRows(draft_, draft_.PaletteSize, row));
}

bool ColourEditor::CopyTopRow(int row) {
    return Note(CopyTopPaletteRow(draft_, draft_.PaletteSize, row));
}

PaletteChange ColourEditor::MoveUsedToTop() {
    PaletteChange change = MoveUsedYarnsToTop(draft_);
    Note(change.changed);
    return change;
}

PaletteChange ColourEditor::ClearUnused() {
    PaletteChange change = ClearUnusedYarns(draft_);
    Note(change.changed);
    return change;
}

bool ColourEditor::Revert() {
    if (!changed_) return false;
    copies_.Restore(draft_);
    changed_ = false;
    return true;
}

QString ColourEditor::IndexStatus(const TBaseMultiLang& texts) const {
    return texts.Translate(QStringLiteral("@colindex")) + QString::number(selection_.selected);
}

QString ColourEditor::RgbStatus() const {
    const auto& rgb = draft_.PaletteRGB[static_cast<size_t>(selection_.selected)];
    return QStringLiteral("R:%1, G:%2, B:%3").arg(rgb[0]).arg(rgb[1]).arg(rgb[2]);
}

bool ColourEditor::Note(bool changed) {
    changed_ |= changed;
    return changed;
}

} // namespace hm
