// The state behind the colour editor and the fill-colours dialog: fill orders,
// the selection, Revert and Cancel, the status bar, and the three tables.
#include <gtest/gtest.h>

#include <QFile>

#include "fabric/coloureditor.h"
#include "fabric/colourfillsession.h"
#include "fabric/colourtexts.h"
#include "fabric/paletteedit.h"
#include "settings/basemultilang.h"
#include "settings/langtable.h"

using namespace hm;

namespace {

std::vector<int> WarpColours(const Draft& d, int n) {
    std::vector<int> v;
    for (int e = 1; e <= n; ++e) v.push_back(d.WarpColors[e]);
    return v;
}

std::vector<int> WeftColours(const Draft& d, int n) {
    std::vector<int> v;
    for (int p = 1; p <= n; ++p) v.push_back(d.WeftColors[p]);
    return v;
}

} // namespace

TEST(FillColours, EveryOrderRepeatsOverTheWarp) {
    struct Case {
        FillOrder order;
        const char* name;
        std::vector<int> first10;
    };
    const std::vector<Case> cases = {
        {FillOrder::A, "A", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {FillOrder::B, "B", {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
        {FillOrder::AB, "AB", {1, 5, 1, 5, 1, 5, 1, 5, 1, 5}},
        {FillOrder::AABB, "AABB", {1, 1, 5, 5, 1, 1, 5, 5, 1, 1}},
        {FillOrder::ABA, "ABA", {1, 5, 1, 1, 5, 1, 1, 5, 1, 1}},
        {FillOrder::ABBA, "ABBA", {1, 5, 5, 1, 1, 5, 5, 1, 1, 5}},
        {FillOrder::ABBB, "ABBB", {1, 5, 5, 5, 1, 5, 5, 5, 1, 5}},
        {FillOrder::AAAB, "AAAB", {1, 1, 1, 5, 1, 1, 1, 5, 1, 1}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FillOrderAt(static_cast<int>(i)), c.order); // radio group item i
        EXPECT_EQ(FillOrderFromName(c.name), c.order);
        EXPECT_EQ(FillOrderName(c.order), c.name);
        Draft d;
        d.Ends = 10;
        FillColours(d, ColourFillTarget::Warp, c.order, 1, 5);
        EXPECT_EQ(WarpColours(d, 10), c.first10);
        EXPECT_EQ(d.WarpColorRepeat, static_cast<int>(std::string(c.name).size()));
        EXPECT_EQ(d.WarpColors[11], d.DefaultWarpColor()); // nothing beyond Ends
        EXPECT_EQ(d.WeftColorRepeat, 0);
    }
    EXPECT_FALSE(FillOrderFromName("ABAB").has_value());
}

TEST(FillColours, WeftFollowsPicksAndShortDraftsKeepTheRepeat) {
    Draft d;
    d.Picks = 2;
    FillColours(d, ColourFillTarget::Weft, FillOrder::ABBB, 9, 3);
    EXPECT_EQ(WeftColours(d, 5), (std::vector<int>{9, 3, 3, 3, d.DefaultWeftColor()}));
    EXPECT_EQ(d.WeftColorRepeat, 4);
    d.Picks = MaxPicks;
    FillColours(d, ColourFillTarget::Weft, FillOrder::AB, 9, 3);
    EXPECT_EQ(d.WeftColors[MaxPicks], 3);
}

TEST(ColourFillSession, FillsWithTheChosenColoursAndReverts) {
    Draft d;
    d.Ends = 6;
    d.Picks = 6;
    SetPaletteColour(d, 20, MakeColor(1, 2, 3));
    const Draft opened = d;
    FillColourChoice choice; // 1 and 5 at start-up
    ColourFillSession fill(d, choice);
    fill.ChooseA(2);
    fill.ChooseB(64); // outside the 64-colour grid
    EXPECT_EQ(choice.a, 2);
    EXPECT_EQ(choice.b, 5);
    fill.Fill(ColourFillTarget::Warp, FillOrder::AABB);
    fill.Fill(ColourFillTarget::Weft, FillOrder::ABA);
    SetPaletteColour(d, 20, MakeColor(9, 9, 9)); // a panel click changed a colour
    EXPECT_EQ(WarpColours(d, 6), (std::vector<int>{2, 2, 5, 5, 2, 2}));
    EXPECT_EQ(WeftColours(d, 6), (std::vector<int>{2, 5, 2, 2, 5, 2}));
    fill.Revert();
    EXPECT_EQ(WarpColours(d, MaxEnds), WarpColours(opened, MaxEnds));
    EXPECT_EQ(WeftColours(d, MaxPicks), WeftColours(opened, MaxPicks));
    EXPECT_EQ(d.PaletteRGB, opened.PaletteRGB);
    EXPECT_EQ(d.Palette, opened.Palette);
    EXPECT_EQ(d.WarpColorRepeat, opened.WarpColorRepeat);
    EXPECT_EQ(choice.a, 2); // the chosen colours stay for the next opening
}

TEST(ColourEditor, CancelAndRevertRestoreWhatTheDialogChanged) {
    Draft d;
    d.ThreadingA[1] = 1;
    d.TreadlingA[1] = 1;
    d.WarpColors[1] = 40;
    const Draft opened = d;
    ColourEditorSelection selection;
    ColourEditor editor(d, selection);
    EXPECT_FALSE(editor.Cancel()); // nothing changed: nothing to restore
    editor.Select(3);
    editor.TakeSelectedAsFirst();
    editor.Select(9);
    editor.TakeSelectedAsSecond();
    EXPECT_TRUE(editor.Blend());
    EXPECT_TRUE(editor.Switch());
    EXPECT_TRUE(editor.MoveUsedToTop().changed);
    EXPECT_TRUE(editor.Changed());
    EXPECT_NE(d.WarpColors[1], 40);
    EXPECT_TRUE(editor.Revert());
    EXPECT_FALSE(editor.Changed());
    EXPECT_EQ(d.PaletteRGB, opened.PaletteRGB);
    EXPECT_EQ(d.Palette, opened.Palette);
    EXPECT_EQ(d.WarpColors[1], 40);
    EXPECT_EQ(WeftColours(d, MaxPicks), WeftColours(opened, MaxPicks));
    // The dialog stays open after Revert; Cancel later undoes what follows.
    EXPECT_TRUE(editor.SetColour(200, MakeColor(7, 7, 7)));
    EXPECT_TRUE(editor.Cancel());
    EXPECT_EQ(d.PaletteRGB, opened.PaletteRGB);
    EXPECT_EQ(selection.first, 3); // the selection outlives the dialog
}

TEST(ColourEditor, ShrinkingThePaletteResetsIndicesBeyondTheGrid) {
    Draft d;
    d.PaletteSize = PaletteSize256;
    ColourEditorSelection selection{100, 40, 12};
    ColourEditor editor(d, selection);
    editor.SetPaletteSize(PaletteSize64);
    EXPECT_EQ((std::array{selection.selected, selection.first, selection.second}),
              (std::array{0, 40, 12}));
    editor.Select(70); // not shown: ignored
    editor.SetPaletteSize(PaletteSize16);
    EXPECT_EQ((std::array{selection.selected, selection.first, selection.second}),
              (std::array{0, 0, 12}));
}

TEST(ColourEditor, StatusBarInEveryLanguage) {
    InitColourResources();
    TBaseMultiLang texts;
    texts.LoadTable(LoadLangTable(LangTablePath(QStringLiteral("coloredit"))));
    Draft d;
    ColourEditorSelection selection;
    selection.selected = 11; // (191, 58, 22) in the default palette
    ColourEditor editor(d, selection);
    EXPECT_EQ(editor.RgbStatus(), QStringLiteral("R:191, G:58, B:22"));
    const QStringList expected = {"Index: 11", "Index: 11", "Index: 11", "Indeksi: 11"};
    for (int language = 0; language < TableLanguages; ++language) {
        texts.SetActiveLanguage(language);
        EXPECT_EQ(editor.IndexStatus(texts), expected[language]);
    }
}

TEST(ColourTables, EveryRowHasFourLanguages) {
    InitColourResources();
    for (const char* name : {"palette", "coloredit", "fillcolors"}) {
        SCOPED_TRACE(name);
        const LangTable t = LoadLangTable(LangTablePath(QString::fromLatin1(name)));
        ASSERT_TRUE(t.ok()) << t.errors.join(u'\n').toStdString();
        ASSERT_GT(t.rows(), 3);
        for (int r = 0; r < t.rows(); ++r) {
            const int base = r * (TableLanguages + 1);
            if (t.words[base + 1].isEmpty()) continue; // a row for a hint only
            for (int l = 2; l <= TableLanguages; ++l)
                EXPECT_FALSE(t.words[base + l].isEmpty()) << t.words[base].toStdString();
        }
    }
}
