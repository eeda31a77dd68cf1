#pragma once
// The state the main window keeps beside the draft: the document's (modified
// flag, current file) and the view's (fabric view, visible counts, tools).
// Zoom, scroll offsets, DesignMode and the threading switches live in the draft.

#include <QString>

namespace hm {

// What File > New starts from beyond the New Pattern dialog's own choices.
struct NewPatternDefaults {
    bool DesignMode = false; // the view last chosen by Draft / Design
    // Densities last confirmed in Options while "Save Settings on Exit" was checked.
    int Epi = 25;
    int Ppi = 25;
};

struct DocumentState {
    bool Modified = false;
    QString CurrentFile;
    QString CurrentName;
    QString CurrentFolder;
    bool RevertAvailable = false;
    NewPatternDefaults NewPattern;
};

struct ViewState {
    bool FabricView = false;
    int FabricKind = 0; // 0 Fabric, 1 Drapery, 2 Interlacement
    int InterlacementZoom = 11;
    int VisibleEnds = 0;
    int VisiblePicks = 0;
    bool LineOn = true;
    bool SelectionTool = false;
    int CurrentColor = 0;
    bool FabricWindowOn = false;
    bool PaletteWindowOn = false;
    bool NoteOpened = false;
    bool ExpertMode = false;
    bool FirstShow = true;
    bool PaintedOnce = false;
    bool ZoomEventsOn = true;
    bool MouseButtonDown = false;
};

} // namespace hm
