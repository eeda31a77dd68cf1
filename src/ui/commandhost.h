#pragma once
// The main window's operations that commands call: repaints, the undo and
// modified marks, the selection, and the places where the window shows the
// state. The main window implements it; tests implement it with a recorder.

#include <QString>

#include "view/draftlayout.h"

namespace hm {

class CommandHost {
  public:
    virtual ~CommandHost() = default;

    // ---- painting ----
    // Layout, clear, full repaint; ends a selection and disables Undo.
    virtual void Update() = 0;
    // Full repaint without layout.
    virtual void RepaintDraft() = 0;
    // Clear the drawing area and paint it again, without layout.
    virtual void ClearAndRepaint() = 0;

    // ---- undo and the modified mark ----
    virtual void TakeUndoSnapshot() = 0;
    // Sets the undo-available flag and enables Edit > Undo.
    virtual void MarkUndoAvailable() = 0;
    // Disables Edit > Undo (the flag stays as it is).
    virtual void DisableUndo() = 0;
    // Refreshes the fabric window and sets Modified.
    virtual void MarkModified() = 0;
    // Sets Modified only (and schedules the recovery copy), for edits that
    // update the fabric window themselves.
    virtual void SetModified() = 0;
    virtual void RefreshFabricWindow() = 0;

    // ---- selection and tools ----
    virtual bool HasSelection() const = 0;
    // Back to the pen or line tool; ends a selection.
    virtual void ResetTool() = 0;
    // Erases the marks of one threading or treadling area.
    virtual void EraseMarks(ViewArea area) = 0;

    // ---- what the window shows of the state ----
    virtual void UpdateTitle() = 0;     // caption and application title
    virtual void UpdateCaptions() = 0;  // captions that depend on translation keys
    virtual void UpdateMenuState() = 0; // enabling, visibility and checks of the commands
    virtual void AfterLoad() = 0;       // cursor, zoom slider, fabric window, note button
    virtual void NoteChanged() = 0;     // the note was replaced: notes window and button
    virtual void PaletteChanged() = 0;  // the palette changed: colour selector
    virtual void SetCurrentColor(int index) = 0;
    // The zoom slider shows the current view's zoom, without a repaint.
    virtual void SyncZoomSlider() = 0;
    // Moves the zoom slider as the user would (the view follows).
    virtual void SetZoom(int zoom) = 0;
    // Back to the Draft or Design view when a fabric view shows.
    virtual void LeaveFabricView() = 0;
    virtual void RecentFilesChanged() = 0;
    virtual void ResetFillPattern() = 0;
    // The language changed: captions, recent items, title, status line.
    virtual void LanguageChanged() = 0;
    virtual void ShowStatus(int panel, const QString& text) = 0;
    // Status panels 3 and 4 for a place under the mouse: kind 3 is an end a and
    // a pick b; neither number positive clears both panels.
    virtual void ShowCellInfo(int kind, int a, int b) = 0;

    // ---- window-level steps ----
    // Save As, run when a question offers to save first; returns whether it saved.
    virtual bool SaveAs() = 0;
    // Copies the window's size, zoom and tool state into the settings values.
    virtual void StoreWindowState() = 0;
    // Opens the manual at a page ("files.html").
    virtual void ShowHelp(const QString& page) = 0;
    virtual void CloseWindow() = 0;
};

} // namespace hm
