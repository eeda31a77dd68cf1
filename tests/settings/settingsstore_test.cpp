// The settings store, in a temporary configuration folder.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "model/draft.h"
#include "settings/localedefaults.h"
#include "settings/settingsstore.h"

using namespace hm;

namespace {

// Points the user's configuration folder at a temporary one before anything
// opens a QSettings, so no test touches the real user's settings.
struct TempConfigHome {
    QTemporaryDir dir;
    TempConfigHome() { qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit()); }
};
TempConfigHome& ConfigHome() {
    static TempConfigHome home;
    return home;
}
const bool kConfigHomeSet = (ConfigHome(), true);

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(kConfigHomeSet);
        Raw().clear();
        Raw().sync();
    }
    static QSettings& Raw() {
        static QSettings s(QSettings::IniFormat, QSettings::UserScope, "Heddlemark", "Heddlemark");
        return s;
    }
    static void Store(const QString& name, const QVariant& v) {
        Raw().setValue(QStringLiteral("Software/Heddlemark/CDOptions/") + name, v);
        Raw().sync();
    }
    static QVariant Stored(const QString& name) {
        Raw().sync();
        return Raw().value(QStringLiteral("Software/Heddlemark/CDOptions/") + name);
    }
};

} // namespace

TEST_F(SettingsStoreTest, LivesInTheTemporaryConfigurationFolder) {
    SettingsStore store;
    EXPECT_TRUE(store.FileName().startsWith(ConfigHome().dir.path()))
        << store.FileName().toStdString();
}

TEST_F(SettingsStoreTest, NothingStoredGivesEveryDefault) {
    SettingsStore store;
    store.ReadAll(QLocale::English);
    const SettingsValues d;
    const SettingsValues& v = store.values;
    EXPECT_EQ(v.Zoom, 10);
    EXPECT_EQ(v.ViewZoom, 2);
    EXPECT_FALSE(v.Shed);
    EXPECT_EQ(v.Shafts, 8);
    EXPECT_EQ(v.Ashafts, 4);
    EXPECT_EQ(v.Bshafts, 2);
    EXPECT_EQ(v.Atreadles, 4);
    EXPECT_EQ(v.Btreadles, 2);
    EXPECT_FALSE(v.Inches);
    EXPECT_FALSE(v.DesignMode);
    EXPECT_EQ(v.Style, 1);
    EXPECT_TRUE(v.LineOn);
    EXPECT_FALSE(v.ExpertMode);
    EXPECT_TRUE(v.SaveSettings);
    EXPECT_FALSE(v.FabricWindow);
    EXPECT_TRUE(v.DesignGrid);
    EXPECT_EQ(v.PalWinSize, 1);
    EXPECT_TRUE(v.BottomStart);
    EXPECT_TRUE(v.RightStart);
    EXPECT_TRUE(v.CkoLeftStart);
    EXPECT_FALSE(v.Lagrpos);
    EXPECT_FALSE(v.TipOfDay);
    EXPECT_TRUE(v.NufilPath.isEmpty());
    EXPECT_EQ(v.Wposfull, 0);
    EXPECT_EQ(v.Wbredde, 0);
    EXPECT_EQ(v.Whoyde, 0);
    EXPECT_EQ(v.Memow, 614);
    EXPECT_EQ(v.Memoh, 462);
    EXPECT_EQ(v.Memoleft, 292);
    EXPECT_EQ(v.Language, 0);
    for (const QString& f : v.RecentFiles) EXPECT_TRUE(f.isEmpty());
    EXPECT_EQ(store.snapshot.Shafts, 8);
    EXPECT_TRUE(store.snapshot.CkoLeftStart);
}

TEST_F(SettingsStoreTest, SystemLanguageDecidesLanguageAndStartPositions) {
    struct Case {
        QLocale::Language system;
        int language;
        bool right, bottom;
    };
    const Case cases[] = {
        {QLocale::English, 0, true, true},          {QLocale::German, 1, false, true},
        {QLocale::Finnish, 3, true, true},          {QLocale::Swedish, 2, true, false},
        {QLocale::NorwegianBokmal, 2, true, false}, {QLocale::NorwegianNynorsk, 2, true, false},
        {QLocale::Danish, 0, true, false},          {QLocale::Icelandic, 0, true, false},
        {QLocale::French, 0, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QLocale::languageToString(c.system).toStdString());
        SettingsStore store;
        store.ReadAll(c.system);
        EXPECT_EQ(store.values.Language, c.language);
        EXPECT_EQ(store.values.RightStart, c.right);
        EXPECT_EQ(store.values.CkoLeftStart, c.bottom);
    }
    // Stored values win over the locale's defaults.
    Store("Language", 3);
    Store("RightStart", 1);
    SettingsStore store;
    store.ReadAll(QLocale::German);
    EXPECT_EQ(store.values.Language, 3);
    EXPECT_TRUE(store.values.RightStart);
    EXPECT_EQ(store.startLanguage, 3);
}

TEST_F(SettingsStoreTest, StoredValuesAreReadBackAndAppliedToTheDraft) {
    Store("Zoom", 3);
    Store("ViewZoom", 5);
    Store("Shed", 1);
    Store("Shafts", 24);
    Store("Ashafts", 6);
    Store("Btreadles", 8);
    Store("Inches", 1);
    Store("Style", 4);
    Store("Pal Win Size", 2);
    Store("CkoLeftStart", 0);
    Store("Fabric Window", 1);
    Store("NufilPath", "/home/weaver/patterns, old");
    Store("Memow", 700);
    SettingsStore store;
    store.ReadAll(QLocale::English);
    EXPECT_EQ(store.values.Zoom, 3); // raised to 7 by the main window, not here
    EXPECT_TRUE(store.values.FabricWindow);
    EXPECT_EQ(store.values.NufilPath, "/home/weaver/patterns, old");
    EXPECT_EQ(store.values.Memow, 700);

    Draft d;
    store.ApplyTo(d);
    EXPECT_EQ(d.Zoom, 3);
    EXPECT_EQ(d.FabricZoom, 5);
    EXPECT_TRUE(d.SinkingShed);
    EXPECT_EQ(d.PatternShafts, 24);
    EXPECT_EQ(d.LiftplanWidth, 24);
    EXPECT_EQ(d.ShaftsA, 6);
    EXPECT_EQ(d.TreadlesB, 8);
    EXPECT_TRUE(d.Inches);
    EXPECT_EQ(d.DrawdownStyle, DrawdownStyleKind::ThreadsOutlined);
    EXPECT_EQ(d.PaletteSize, 2);
    EXPECT_FALSE(d.ShaftOneAtBottom);
    EXPECT_TRUE(d.ThreadingFromRight);

    // And back from the draft.
    d.PatternShafts = 16;
    d.TreadlesA = 10;
    d.LiftplanFromBottom = false;
    store.TakeFrom(d);
    EXPECT_EQ(store.values.Shafts, 16);
    EXPECT_EQ(store.values.Atreadles, 10);
    EXPECT_FALSE(store.values.BottomStart);
}

TEST_F(SettingsStoreTest, WrongTypesAndImpossibleValuesKeepTheirDefaults) {
    Store("Zoom", "large");
    Store("Shafts", QStringList{"8", "9"});
    Store("Shed", "perhaps");
    Store("Wbredde", "99999999999");
    Store("NufilPath", QStringList{"a", "b"});
    Store("Language", 9);
    Store("Style", "4"); // a number written as text is still a number
    SettingsStore store;
    store.ReadAll(QLocale::German);
    EXPECT_EQ(store.values.Zoom, 10);
    EXPECT_EQ(store.values.Shafts, 8);
    EXPECT_FALSE(store.values.Shed);
    EXPECT_EQ(store.values.Wbredde, 0);
    EXPECT_TRUE(store.values.NufilPath.isEmpty());
    EXPECT_EQ(store.values.Language, 1); // the locale's default
    EXPECT_EQ(store.values.Style, 4);

    // Values of the right type but beyond what the draft can hold are clamped.
    store.values.Shafts = 500;
    store.values.Ashafts = -3;
    store.values.Style = 9;
    store.values.PalWinSize = 7;
    store.values.Zoom = 90;
    Draft d;
    store.ApplyTo(d);
    EXPECT_EQ(d.PatternShafts, 128);
    EXPECT_EQ(d.LiftplanWidth, 128);
    EXPECT_EQ(d.ShaftsA, 2);
    EXPECT_EQ(d.DrawdownStyle, DrawdownStyleKind::Normal);
    EXPECT_EQ(d.PaletteSize, 1);
    EXPECT_EQ(d.Zoom, 20);
}

TEST_F(SettingsStoreTest, OptionsAreWrittenFromTheSnapshot) {
    // "Save Settings on Exit" off: closing leaves the stored shed alone.
    Store("Shed", 0);
    Store("SaveSettings", 0);
    {
        SettingsStore store;
        store.ReadAll(QLocale::English);
        Draft d;
        store.ApplyTo(d);
        d.SinkingShed = true; // changed in the Options dialog
        store.TakeFrom(d);
        store.WriteOnClose();
    }
    EXPECT_EQ(Stored("Shed").toInt(), 0);

    // On, but the change was not confirmed in Options: the snapshot is written.
    Store("SaveSettings", 1);
    {
        SettingsStore store;
        store.ReadAll(QLocale::English);
        store.values.Shed = true;
        store.values.Shafts = 32;
        store.values.ExpertMode = true; // written as it is
        store.WriteOnClose();
    }
    EXPECT_EQ(Stored("Shed").toInt(), 0);
    EXPECT_EQ(Stored("Shafts").toInt(), 8);
    EXPECT_EQ(Stored("ExpertMode").toInt(), 1);

    // Options "Save Settings": the snapshot is retaken and written at once.
    {
        SettingsStore store;
        store.ReadAll(QLocale::English);
        store.values.Shed = true;
        store.SaveOptionsNow();
    }
    EXPECT_EQ(Stored("Shed").toInt(), 1);
}

TEST_F(SettingsStoreTest, ClosingClearsNufilPathAndKeepsTheStartDesignMode) {
    Store("NufilPath", "/somewhere");
    Store("DesignMode", 1);
    {
        SettingsStore store;
        store.ReadAll(QLocale::English);
        EXPECT_EQ(store.values.NufilPath, "/somewhere");
        store.values.DesignMode = false; // the user left Design mode
        store.values.Wbredde = 800;
        store.WriteOnClose();
    }
    EXPECT_TRUE(Raw().contains("Software/Heddlemark/CDOptions/NufilPath"));
    EXPECT_EQ(Stored("NufilPath").toString(), "");
    EXPECT_EQ(Stored("DesignMode").toInt(), 1);
    EXPECT_EQ(Stored("Wbredde").toInt(), 800);
}

TEST_F(SettingsStoreTest, WriteGroupsHoldTheirOwnValuesOnly) {
    SettingsStore store;
    store.ReadAll(QLocale::English);
    store.WriteWindowState();
    Raw().sync();
    Raw().beginGroup("Software/Heddlemark/CDOptions");
    QStringList keys = Raw().childKeys();
    keys.sort();
    QStringList group1{"Zoom",      "ViewZoom", "DesignMode", "LineOn",       "Fabric Window",
                       "Wposfull",  "Wbredde",  "Whoyde",     "SaveSettings", "Lagrpos",
                       "NufilPath", "Memow",    "Memoh",      "Memoleft"};
    group1.sort();
    EXPECT_EQ(keys, group1);
    Raw().remove("");
    Raw().endGroup();
    Raw().sync();

    store.WriteOptions();
    Raw().sync();
    Raw().beginGroup("Software/Heddlemark/CDOptions");
    keys = Raw().childKeys();
    keys.sort();
    QStringList group2{"Shed",        "Shafts",      "Inches",     "ExpertMode",   "Style",
                       "Design Grid", "BottomStart", "RightStart", "CkoLeftStart", "Ashafts",
                       "Bshafts",     "Atreadles",   "Btreadles"};
    group2.sort();
    EXPECT_EQ(keys, group2);
    Raw().endGroup();

    // Booleans are stored as 0 or 1.
    EXPECT_EQ(Stored("Design Grid").toString(), "1");
}

TEST_F(SettingsStoreTest, LanguageIsWrittenOnCloseOnlyWhenItChanged) {
    {
        SettingsStore store;
        store.ReadAll(QLocale::Finnish);
        store.WriteOnClose();
    }
    EXPECT_FALSE(Raw().contains("Software/Heddlemark/CDOptions/Language"));
    {
        SettingsStore store;
        store.ReadAll(QLocale::Finnish);
        store.values.Language = 2;
        store.WriteOnClose();
    }
    EXPECT_EQ(Stored("Language").toInt(), 2);
    SettingsStore store;
    store.ReadAll(QLocale::Finnish);
    EXPECT_EQ(store.values.Language, 2);

    store.values.TipOfDay = true;
    store.WriteTipOfDay();
    EXPECT_EQ(Stored("TipOfDay").toInt(), 1);
}

TEST_F(SettingsStoreTest, RecentFilesMostRecentFirst) {
    SettingsStore store;
    store.ReadAll(QLocale::English);
    for (const char* p : {"/a.hdx", "/b.hdx", "/c.hdx", "/d.hdx", "/e.hdx", "/f.hdx"})
        store.AddRecentFile(p);
    EXPECT_EQ(store.values.RecentFiles[0], "/f.hdx");
    EXPECT_EQ(store.values.RecentFiles[4], "/b.hdx"); // "/a.hdx" dropped off the end
    store.AddRecentFile("/d.hdx");                    // moves to the front, no duplicate
    const std::array<QString, 5> expected{"/d.hdx", "/f.hdx", "/e.hdx", "/c.hdx", "/b.hdx"};
    EXPECT_EQ(store.values.RecentFiles, expected);
    store.AddRecentFile("");
    store.AddRecentFile("/design.BMP");
    EXPECT_EQ(store.values.RecentFiles, expected);
    store.WriteRecentFiles();

    Raw().sync();
    EXPECT_EQ(Raw().value("Software/Heddlemark/CDFiles/File_1").toString(), "/d.hdx");
    EXPECT_EQ(Raw().value("Software/Heddlemark/CDFiles/File_5").toString(), "/b.hdx");
    SettingsStore again;
    again.ReadAll(QLocale::English);
    EXPECT_EQ(again.values.RecentFiles, expected);
}

TEST(Density, ConvertsBetweenUnitsRoundedAndWithinRange) {
    EXPECT_EQ(ConvertDensity(10, true), 25); // 10 per cm shows 25 per inch
    EXPECT_EQ(ConvertDensity(25, false), 10);
    EXPECT_EQ(ConvertDensity(12, false), 5);   // 4.72 rounds up
    EXPECT_EQ(ConvertDensity(200, true), 250); // capped
    EXPECT_EQ(ConvertDensity(2, true), 5);     // 5.08
    EXPECT_EQ(ConvertDensity(1, true), 5);     // raised to the inch minimum
    EXPECT_EQ(ConvertDensity(5, false), 2);    // 1.97
    EXPECT_EQ(ConvertDensity(3, false), 2);    // 1.18 raised to the cm minimum
    EXPECT_EQ(MinDensity(true), 5);
    EXPECT_EQ(MinDensity(false), 2);
}
