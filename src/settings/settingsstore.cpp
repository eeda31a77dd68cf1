#include "settings/settingsstore.h"

#include <QSettings>
#include <QVariant>
#include <algorithm>
#include <limits>
#include <memory>

#include "model/draft.h"
#include "settings/localedefaults.h"

namespace hm {

namespace {

// A whole number that fits 32 bits, stored as a number or as its decimal text.
bool ToInt(const QVariant& var, int& out) {
    bool ok = false;
    qlonglong n = 0;
    switch (var.typeId()) {
    case QMetaType::QString:
        n = var.toString().trimmed().toLongLong(&ok, 10);
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        n = var.toLongLong(&ok);
        break;
    default:
        break;
    }
    if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        return false;
    out = static_cast<int>(n);
    return true;
}

// A value of another type (text that is not a whole number, a list, a number
// beyond 32 bits) leaves `v` as it is.
void ReadInt(const QSettings& s, const char* name, int& v) {
    const QString k = QString::fromLatin1(name);
    if (s.contains(k)) ToInt(s.value(k), v);
}

// Booleans are stored as 0 or 1; any other whole number counts as true, and the
// words true and false are accepted too.
void ReadBool(const QSettings& s, const char* name, bool& v) {
    const QString k = QString::fromLatin1(name);
    if (!s.contains(k)) return;
    const QVariant var = s.value(k);
    if (var.typeId() == QMetaType::Bool) {
        v = var.toBool();
        return;
    }
    if (var.typeId() == QMetaType::QString) {
        const QString t = var.toString().trimmed();
        if (t.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0) {
            v = true;
            return;
        }
        if (t.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0) {
            v = false;
            return;
        }
    }
    int n = 0;
    if (ToInt(var, n)) v = n != 0;
}

void ReadString(const QSettings& s, const char* name, QString& v) {
    const QString k = QString::fromLatin1(name);
    if (!s.contains(k)) return;
    const QVariant var = s.value(k);
    if (var.typeId() == QMetaType::QString) v = var.toString();
}

void WriteInt(QSettings& s, const char* name, int v) {
    s.setValue(QString::fromLatin1(name), v);
}
void WriteBool(QSettings& s, const char* name, bool v) {
    s.setValue(QString::fromLatin1(name), v ? 1 : 0);
}
void WriteString(QSettings& s, const char* name, const QString& v) {
    s.setValue(QString::fromLatin1(name), v);
}

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(const QString& iniFile) : iniFile_(iniFile) {}

static std::unique_ptr<QSettings> OpenStore(const QString& iniFile) {
    if (iniFile.isEmpty())
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QStringLiteral("Heddlemark"),
                                           QStringLiteral("Heddlemark"));
    return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}

QString SettingsStore::FileName() const {
    return OpenStore(iniFile_)->fileName();
}

void SettingsStore::ReadAll(QLocale::Language systemLanguage) {
    // The language default, which also decides two start positions.
    const LocaleDefaults ld = DefaultsForLanguage(systemLanguage);
    values = SettingsValues{};
    values.Language = ld.language;
    values.RightStart = ld.threadingFromRight;
    values.CkoLeftStart = ld.shaftOneAtBottom;

    const auto store = OpenStore(iniFile_);
    if (store->status() == QSettings::NoError) {
        QSettings& s = *store;
        s.beginGroup(QString::fromLatin1(OptionsGroup));
        int lang = values.Language;
        ReadInt(s, key::Language, lang);
        if (lang >= 0 && lang <= 3) values.Language = lang;

        ReadInt(s, key::Zoom, values.Zoom);
        ReadInt(s, key::ViewZoom, values.ViewZoom);
        ReadBool(s, key::Shed, values.Shed);
        ReadInt(s, key::Shafts, values.Shafts);
        ReadInt(s, key::Ashafts, values.Ashafts);
        ReadInt(s, key::Bshafts, values.Bshafts);
        ReadInt(s, key::Atreadles, values.Atreadles);
        ReadInt(s, key::Btreadles, values.Btreadles);
        ReadBool(s, key::Inches, values.Inches);
        ReadBool(s, key::DesignMode, values.DesignMode);
        ReadInt(s, key::Style, values.Style);
        ReadBool(s, key::LineOn, values.LineOn);
        ReadBool(s, key::ExpertMode, values.ExpertMode);
        ReadBool(s, key::SaveSettings, values.SaveSettings);
        ReadBool(s, key::FabricWindow, values.FabricWindow);
        ReadBool(s, key::DesignGrid, values.DesignGrid);
        ReadInt(s, key::PalWinSize, values.PalWinSize);
        ReadBool(s, key::BottomStart, values.BottomStart);
        ReadBool(s, key::RightStart, values.RightStart);
        ReadBool(s, key::CkoLeftStart, values.CkoLeftStart);
        ReadBool(s, key::Lagrpos, values.Lagrpos);
        ReadBool(s, key::TipOfDay, values.TipOfDay);
        ReadString(s, key::NufilPath, values.NufilPath);
        ReadInt(s, key::Wposfull, values.Wposfull);
        ReadInt(s, key::Wbredde, values.Wbredde);
        ReadInt(s, key::Whoyde, values.Whoyde);
        ReadInt(s, key::Memow, values.Memow);
        ReadInt(s, key::Memoh, values.Memoh);
        ReadInt(s, key::Memoleft, values.Memoleft);
        s.endGroup();

        s.beginGroup(QString::fromLatin1(FilesGroup));
        for (int i = 0; i < RecentFileCount; ++i) {
            const QByteArray name = "File_" + QByteArray::number(i + 1);
            ReadString(s, name.constData(), values.RecentFiles[static_cast<size_t>(i)]);
        }
        s.endGroup();
    }

    startDesignMode = values.DesignMode;
    startLanguage = values.Language;
    TakeSnapshot();
}

void SettingsStore::ReadNotesWindow() {
    const auto store = OpenStore(iniFile_);
    if (store->status() != QSettings::NoError) return;
    store->beginGroup(QString::fromLatin1(OptionsGroup));
    ReadInt(*store, key::Memow, values.Memow);
    ReadInt(*store, key::Memoh, values.Memoh);
    ReadInt(*store, key::Memoleft, values.Memoleft);
}

void SettingsStore::TakeSnapshot() {
    snapshot.Shed = values.Shed;
    snapshot.Shafts = values.Shafts;
    snapshot.Ashafts = values.Ashafts;
    snapshot.Bshafts = values.Bshafts;
    snapshot.Atreadles = values.Atreadles;
    snapshot.Btreadles = values.Btreadles;
    snapshot.Inches = values.Inches;
    snapshot.BottomStart = values.BottomStart;
    snapshot.RightStart = values.RightStart;
    snapshot.CkoLeftStart = values.CkoLeftStart;
}

void SettingsStore::WriteWindowState() {
    const auto store = OpenStore(iniFile_);
    QSettings& s = *store;
    s.beginGroup(QString::fromLatin1(OptionsGroup));
    WriteInt(s, key::Zoom, values.Zoom);
    WriteInt(s, key::ViewZoom, values.ViewZoom);
    WriteBool(s, key::DesignMode, startDesignMode);
    WriteBool(s, key::LineOn, values.LineOn);
    WriteBool(s, key::FabricWindow, values.FabricWindow);
    WriteInt(s, key::Wposfull, values.Wposfull);
    WriteInt(s, key::Wbredde, values.Wbredde);
    WriteInt(s, key::Whoyde, values.Whoyde);
    WriteBool(s, key::SaveSettings, values.SaveSettings);
    WriteBool(s, key::Lagrpos, values.Lagrpos);
    WriteString(s, key::NufilPath, values.NufilPath);
    WriteInt(s, key::Memow, values.Memow);
    WriteInt(s, key::Memoh, values.Memoh);
    WriteInt(s, key::Memoleft, values.Memoleft);
    s.endGroup();
    s.sync();
}

void SettingsStore::WriteOptions() {
    const auto store = OpenStore(iniFile_);
    QSettings& s = *store;
    s.beginGroup(QString::fromLatin1(OptionsGroup));
    WriteBool(s, key::Shed, snapshot.Shed);
    WriteInt(s, key::Shafts, snapshot.Shafts);
    WriteBool(s, key::Inches, snapshot.Inches);
    WriteBool(s, key::ExpertMode, values.ExpertMode);
    WriteInt(s, key::Style, values.Style);
    WriteBool(s, key::DesignGrid, values.DesignGrid);
    WriteBool(s, key::BottomStart, snapshot.BottomStart);
    WriteBool(s, key::RightStart, snapshot.RightStart);
    WriteBool(s, key::CkoLeftStart, snapshot.CkoLeftStart);
    WriteInt(s, key::Ashafts, snapshot.Ashafts);
    WriteInt(s, key::Bshafts, snapshot.Bshafts);
    WriteInt(s, key::Atreadles, snapshot.Atreadles);
    WriteInt(s, key::Btreadles, snapshot.Btreadles);
    s.endGroup();
    s.sync();
}

void SettingsStore::WriteRecentFiles() {
    const auto store = OpenStore(iniFile_);
    QSettings& s = *store;
    s.beginGroup(QString::fromLatin1(FilesGroup));
    for (int i = 0; i < RecentFileCount; ++i) {
        const QByteArray name = "File_" + QByteArray::number(i + 1);
        WriteString(s, name.constData(), values.RecentFiles[static_cast<size_t>(i)]);
    }
    s.endGroup();
    s.sync();
}

void SettingsStore::WriteTipOfDay() {
    const auto store = OpenStore(iniFile_);
    store->beginGroup(QString::fromLatin1(OptionsGroup));
    WriteBool(*store, key::TipOfDay, values.TipOfDay);
    store->endGroup();
    store->sync();
}

void SettingsStore::WriteLanguage() {
    const auto store = OpenStore(iniFile_);
    store->beginGroup(QString::fromLatin1(OptionsGroup));
    WriteInt(*store, key::Language, values.Language);
    store->endGroup();
    store->sync();
}

void SettingsStore::WriteOnClose() {
    values.NufilPath.clear();
    WriteWindowState();
    if (values.SaveSettings) WriteOptions();
    WriteRecentFiles();
    if (values.Language != startLanguage) WriteLanguage();
}

void SettingsStore::WriteAllSettings() {
    WriteWindowState();
    WriteOptions();
}

void SettingsStore::SaveOptionsNow() {
    TakeSnapshot();
    WriteOptions();
}

void SettingsStore::AddRecentFile(const QString& path) {
    // Pictures opened as a design are not patterns and stay out of the list.
    if (path.isEmpty() || path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive)) return;
    auto& list = values.RecentFiles;
    auto found = std::find(list.begin(), list.end(), path);
    if (found == list.end()) found = list.end() - 1;
    std::move_backward(list.begin(), found, found + 1);
    list[0] = path;
}

void SettingsStore::ApplyTo(Draft& d) const {
    d.Zoom = std::clamp(values.Zoom, 1, 20);
    d.FabricZoom = std::clamp(values.ViewZoom, 1, 20);
    d.SinkingShed = values.Shed;
    d.PatternShafts = std::clamp(values.Shafts, 2, MaxPatternShafts);
    d.LiftplanWidth = d.PatternShafts;
    d.ShaftsA = std::clamp(values.Ashafts, 2, MaxShafts);
    d.ShaftsB = std::clamp(values.Bshafts, 2, MaxShafts);
    d.TreadlesA = std::clamp(values.Atreadles, 2, MaxTreadles);
    d.TreadlesB = std::clamp(values.Btreadles, 2, MaxTreadles);
    d.Inches = values.Inches;
    d.DesignMode = values.DesignMode;
    d.DrawdownStyle = (values.Style >= 1 && values.Style <= 4)
                          ? static_cast<DrawdownStyleKind>(values.Style)
                          : DrawdownStyleKind::Normal;
    d.PaletteSize = (values.PalWinSize >= 0 && values.PalWinSize <= 2) ? values.PalWinSize : 1;
    d.LiftplanFromBottom = values.BottomStart;
    d.ThreadingFromRight = values.RightStart;
    d.ShaftOneAtBottom = values.CkoLeftStart;
}

void SettingsStore::TakeFrom(const Draft& d) {
    values.Zoom = d.Zoom;
    values.ViewZoom = d.FabricZoom;
    values.Shed = d.SinkingShed;
    values.Shafts = d.PatternShafts;
    values.Ashafts = d.ShaftsA;
    values.Bshafts = d.ShaftsB;
    values.Atreadles = d.TreadlesA;
    values.Btreadles = d.TreadlesB;
    values.Inches = d.Inches;
    values.Style = static_cast<int>(d.DrawdownStyle);
    values.PalWinSize = d.PaletteSize;
    values.BottomStart = d.LiftplanFromBottom;
    values.RightStart = d.ThreadingFromRight;
    values.CkoLeftStart = d.ShaftOneAtBottom;
}

} // namespace hm
