#pragma once
// The per-user settings store: QSettings in INI format under the user's
// configuration folder, organisation and application "Heddlemark". Options and
// window state live in the group "Software/Heddlemark/CDOptions", the recent
// files in "Software/Heddlemark/CDFiles".
//
// A value that is missing, or stored with another type than its own, keeps its
// default. A store that cannot be written is skipped silently.

#include <QLocale>
#include <QString>

#include "settings/settingsvalues.h"

namespace hm {

class Draft;

inline constexpr const char* OptionsGroup = "Software/Heddlemark/CDOptions";
inline constexpr const char* FilesGroup = "Software/Heddlemark/CDFiles";

class SettingsStore {
  public:
    // The user's store.
    SettingsStore();
    // A store in a given INI file (for tools and tests).
    explicit SettingsStore(const QString& iniFile);

    SettingsValues values;        // live values
    SettingsSnapshot snapshot;    // what the second write group writes
    bool startDesignMode = false; // "DesignMode" as read at start-up, written back as it was
    int startLanguage = 0;        // language in use at start-up

    // The whole start-up read: the language default from the system language,
    // then "Language", then every option in order, then the recent files; then
    // the snapshot is taken.
    void ReadAll(QLocale::Language systemLanguage = QLocale::system().language());
    void TakeSnapshot();

    // Window state: "Zoom", "ViewZoom", "DesignMode", "LineOn", "Fabric Window",
    // "Wposfull", "Wbredde", "Whoyde", "SaveSettings", "Lagrpos", "NufilPath",
    // "Memow", "Memoh", "Memoleft".
    void WriteWindowState();
    // Options: "Shed", "Shafts", "Inches", "ExpertMode", "Style", "Design Grid",
    // "BottomStart", "RightStart", "CkoLeftStart", "Ashafts", "Bshafts",
    // "Atreadles", "Btreadles" (the snapshot's values where it has them).
    void WriteOptions();
    void WriteRecentFiles();
    void WriteTipOfDay();
    void WriteLanguage();

    // Closing the main window (its window state already in `values`):
    // "NufilPath" cleared, window state, options when "SaveSettings" is on, the
    // recent files, and "Language" when it differs from the start-up language.
    void WriteOnClose();
    // Menu "Save Settings": window state and options.
    void WriteAllSettings();
    // Options dialog "Save Settings" (its fields already applied): the snapshot
    // is taken and the options are written.
    void SaveOptionsNow();

    // The notes window's size and place, read when that window is created.
    void ReadNotesWindow();

    // Adds a path to the front of the recent-file list; an equal path already in
    // the list moves to the front instead of appearing twice. Empty paths and
    // pictures (".bmp") are not added.
    void AddRecentFile(const QString& path);

    // The draft-held options into a draft: shed, counts (clamped to the
    // capacities), unit, design mode, drawdown style, palette size, start
    // positions, zoom and fabric zoom. The main window keeps the rest.
    void ApplyTo(Draft& d) const;
    // The same options back from the draft (not "DesignMode", which is written as
    // it was read).
    void TakeFrom(const Draft& d);

    // The file the store lives in.
    QString FileName() const;

  private:
    QString iniFile_; // empty: the user's store
};

} // namespace hm
