#pragma once
// What the open and save commands need from the main window: the document, its
// state, and the window steps that follow a load, a save or a new pattern. The
// main window implements it; tests implement it with a recording fake.

#include <QString>

class QWidget;

namespace hm {

class Draft;
class SettingsStore;
class UndoStore;

class FileCommandHost {
  public:
    virtual ~FileCommandHost() = default;

    // ---- the document ----
    virtual Draft& HostDraft() = 0;
    virtual UndoStore& HostUndo() = 0;
    // Recent files, the saved shed and shaft count, "Lagrpos" and the snapshot.
    virtual SettingsStore& HostSettings() = 0;

    // ---- document state ----
    virtual bool Modified() const = 0;
    virtual void SetModified(bool modified) = 0;
    virtual QString CurrentFile() const = 0;
    // Sets the current file (and the name derived from it); empty forgets it.
    virtual void SetCurrentFile(const QString& path) = 0;
    virtual QString CurrentFolder() const = 0;
    virtual void SetCurrentFolder(const QString& folder) = 0;
    virtual bool RevertAvailable() const = 0;
    // Sets RevertAvailable and enables or disables "Revert to Saved".
    virtual void SetRevertAvailable(bool available) = 0;

    // ---- window steps ----
    virtual void Update() = 0;             // layout, clear, full repaint, Undo disabled
    virtual void AfterLoad() = 0;          // clipboard kind, cursor, zoom slider, windows
    virtual void UpdateTitle() = 0;        // caption and application title
    virtual void UpdateCaptions() = 0;     // captions that depend on translation keys
    virtual void MarkModified() = 0;       // refresh the fabric window, set Modified
    virtual void MarkUndoAvailable() = 0;  // Undo flag and menu item
    virtual void LeaveFabricView() = 0;    // back to the draft view when a fabric view shows
    virtual void ResetTool() = 0;          // pen or line, no selection
    virtual void RecentFilesChanged() = 0; // rebuild the recent-file menu items

    // ---- the steps of New beyond the ones above ----
    // DesignMode that a new pattern starts in (the view last chosen by Draft/Design).
    virtual bool NewPatternDesignMode() const = 0;
    // Densities that a new pattern takes: the ones last confirmed in Options while
    // "Save Settings on Exit" was checked.
    virtual int NewPatternEpi() const = 0;
    virtual int NewPatternPpi() const = 0;
    // The palette was reset to the default: refresh the palette window and make
    // colour 6 the current colour in the colour selector.
    virtual void PaletteReset() = 0;
    virtual void SyncZoomSlider() = 0;      // zoom slider := Zoom
    virtual void RefreshFabricWindow() = 0; // redraw the fabric window if shown
    virtual void ResetFillPattern() = 0;    // the fill pattern of Repeat and Fill
    virtual void NoteChanged() = 0;         // the note text was replaced

    // Parent of dialogs and message boxes.
    virtual QWidget* DialogParent() = 0;
};

} // namespace hm
