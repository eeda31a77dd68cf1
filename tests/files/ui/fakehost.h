#pragma once
// A FileCommandHost that keeps the document state in plain members and records
// every window step, for driving FileCommands without the main window.

#include <QStringList>
#include <QWidget>
#include <memory>

#include "files/ui/filecommandhost.h"
#include "model/draft.h"
#include "model/undo.h"
#include "settings/settingsstore.h"

namespace hm::test {

class FakeHost : public FileCommandHost {
  public:
    explicit FakeHost(const QString& settingsFile)
        : draft(std::make_unique<Draft>()), settings(settingsFile),
          window(std::make_unique<QWidget>()) {}

    std::unique_ptr<Draft> draft;
    UndoStore undo;
    SettingsStore settings;
    std::unique_ptr<QWidget> window;

    bool modified = false;
    QString currentFile;
    QString currentFolder;
    bool revertAvailable = false;
    bool newDesignMode = false;
    int newEpi = 25;
    int newPpi = 25;
    QStringList steps; // window steps in the order they ran

    Draft& HostDraft() override { return *draft; }
    UndoStore& HostUndo() override { return undo; }
    SettingsStore& HostSettings() override { return settings; }
    bool Modified() const override { return modified; }
    void SetModified(bool m) override { modified = m; }
    QString CurrentFile() const override { return currentFile; }
    void SetCurrentFile(const QString& path) override { currentFile = path; }
    QString CurrentFolder() const override { return currentFolder; }
    void SetCurrentFolder(const QString& folder) override { currentFolder = folder; }
    bool RevertAvailable() const override { return revertAvailable; }
    void SetRevertAvailable(bool a) override { revertAvailable = a; }

    void Update() override { steps << "Update"; }
    void AfterLoad() override { steps << "AfterLoad"; }
    void UpdateTitle() override { steps << "UpdateTitle"; }
    void UpdateCaptions() override { steps << "UpdateCaptions"; }
    void MarkModified() override {
        steps << "MarkModified";
        modified = true;
    }
    void MarkUndoAvailable() override {
        steps << "MarkUndoAvailable";
        undo.MarkChanged();
    }
    void LeaveFabricView() override { steps << "LeaveFabricView"; }
    void ResetTool() override { steps << "ResetTool"; }
    void RecentFilesChanged() override { steps << "RecentFilesChanged"; }
    bool NewPatternDesignMode() const override { return newDesignMode; }
    int NewPatternEpi() const override { return newEpi; }
    int NewPatternPpi() const override { return newPpi; }
    void PaletteReset() override { steps << "PaletteReset"; }
    void SyncZoomSlider() override { steps << "SyncZoomSlider"; }
    void RefreshFabricWindow() override { steps << "RefreshFabricWindow"; }
    void ResetFillPattern() override { steps << "ResetFillPattern"; }
    void NoteChanged() override { steps << "NoteChanged"; }
    QWidget* DialogParent() override { return window.get(); }
};

} // namespace hm::test
