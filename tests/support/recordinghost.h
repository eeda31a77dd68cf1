#pragma once
// A CommandHost that records every window step by name, for driving commands
// and wrappers without the main window. Given the document, the undo steps and
// MarkModified also do what they stand for.

#include <QStringList>

#include "model/undo.h"
#include "ui/commandhost.h"
#include "ui/windowstate.h"

namespace hm::test {

class RecordingHost : public CommandHost {
  public:
    QStringList steps; // in the order they ran
    bool selection = false;
    bool saveAsResult = false;
    DocumentState* doc = nullptr; // MarkModified sets Modified
    UndoStore* undo = nullptr;    // snapshots of draft; MarkUndoAvailable sets the flag
    Draft* draft = nullptr;

    void Update() override { steps << "Update"; }
    void RepaintDraft() override { steps << "RepaintDraft"; }
    void ClearAndRepaint() override { steps << "ClearAndRepaint"; }
    void TakeUndoSnapshot() override {
        steps << "TakeUndoSnapshot";
        if (undo && draft) undo->TakeSnapshot(*draft);
    }
    void MarkUndoAvailable() override {
        steps << "MarkUndoAvailable";
        if (undo) undo->MarkChanged();
    }
    void DisableUndo() override { steps << "DisableUndo"; }
    void MarkModified() override {
        steps << "MarkModified";
        if (doc) doc->Modified = true;
    }
    void SetModified() override {
        steps << "SetModified";
        if (doc) doc->Modified = true;
    }
    void RefreshFabricWindow() override { steps << "RefreshFabricWindow"; }
    bool HasSelection() const override { return selection; }
    void ResetTool() override { steps << "ResetTool"; }
    void EraseMarks(ViewArea) override { steps << "EraseMarks"; }
    void UpdateTitle() override { steps << "UpdateTitle"; }
    void UpdateCaptions() override { steps << "UpdateCaptions"; }
    void UpdateMenuState() override { steps << "UpdateMenuState"; }
    void AfterLoad() override { steps << "AfterLoad"; }
    void NoteChanged() override { steps << "NoteChanged"; }
    void PaletteChanged() override { steps << "PaletteChanged"; }
    void SetCurrentColor(int index) override { steps << QString("SetCurrentColor %1").arg(index); }
    void SyncZoomSlider() override { steps << "SyncZoomSlider"; }
    void SetZoom(int zoom) override { steps << QString("SetZoom %1").arg(zoom); }
    void LeaveFabricView() override { steps << "LeaveFabricView"; }
    void RecentFilesChanged() override { steps << "RecentFilesChanged"; }
    void ResetFillPattern() override { steps << "ResetFillPattern"; }
    void LanguageChanged() override { steps << "LanguageChanged"; }
    void ShowStatus(int panel, const QString& text) override {
        steps << QString("ShowStatus %1 %2").arg(panel).arg(text);
    }
    void ShowCellInfo(int kind, int a, int b) override {
        steps << QString("ShowCellInfo %1 %2 %3").arg(kind).arg(a).arg(b);
    }
    bool SaveAs() override {
        steps << "SaveAs";
        return saveAsResult;
    }
    void StoreWindowState() override { steps << "StoreWindowState"; }
    void ShowHelp(const QString& page) override { steps << "ShowHelp " + page; }
    void CloseWindow() override { steps << "CloseWindow"; }
};

} // namespace hm::test
