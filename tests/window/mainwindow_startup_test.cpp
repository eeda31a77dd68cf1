// Start-up placement, stored values, titles and closing.

#include <QDir>
#include <QLabel>
#include <QSlider>

#include "mainwindow_fixture.h"
#include "settings/ui/optionscommands.h"
#include "window/statusline.h"

namespace hm::testing {

TEST_F(MainWindowTest, FirstStartWithoutSettingsIsPlacedByTheScreenSize) {
    TWform& w = Make();
    EXPECT_EQ(w.geometry(), QRect(48, 21, 880, 704));
    EXPECT_FALSE(w.isMaximized());
    EXPECT_EQ(w.draft().Zoom, 10);
    EXPECT_EQ(w.findChild<QSlider*>("SlideBar1")->value(), 10);
    EXPECT_EQ(w.minimumSize(), QSize(380, 380));
    // The default pattern folder is the documents folder + "/Heddlemark".
    EXPECT_EQ(w.doc().CurrentFolder, QDir::cleanPath(dir_->path() + "/Documents/Heddlemark"));
}

TEST_F(MainWindowTest, StoredSizeIsUsedAndAWindowPastTheRightEdgeMovesToTheLeft) {
    Store("Wbredde", 1100);
    Store("Whoyde", 600);
    TWform& w = Make();
    EXPECT_EQ(w.width(), 1100);
    EXPECT_EQ(w.height(), 600);
    EXPECT_EQ(w.x(), 0);
    EXPECT_GT(w.y(), 0);
}

TEST_F(MainWindowTest, StoredSizeThatFitsKeepsItsPlace) {
    Store("Wbredde", 700);
    Store("Whoyde", 500);
    TWform& w = Make();
    EXPECT_EQ(w.size(), QSize(700, 500));
    EXPECT_GT(w.x(), 0);
    EXPECT_LE(w.x() + w.width(), 1024);
    EXPECT_LE(w.y() + w.height(), 768);
}

TEST_F(MainWindowTest, MaximisedStateWinsOverAStoredWidth) {
    Store("Wbredde", 700);
    Store("Whoyde", 500);
    Store("Wposfull", 1);
    TWform& w = Make();
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
}

TEST_F(MainWindowTest, StoredZoomBelowSevenStartsAtSeven) {
    Store("Zoom", 3);
    TWform& w = Make();
    EXPECT_EQ(w.draft().Zoom, 7);
    EXPECT_EQ(w.findChild<QSlider*>("SlideBar1")->value(), 7);
}

TEST_F(MainWindowTest, StoredOptionsReachTheDraftAndTheTools) {
    Store("LineOn", 0);
    Store("Shafts", 16);
    Store("ExpertMode", 1);
    TWform& w = Make();
    EXPECT_FALSE(w.view().LineOn);
    EXPECT_TRUE(w.Action("PenSpeedButton")->isChecked());
    EXPECT_EQ(w.draft().PatternShafts, 16);
    EXPECT_EQ(w.draft().LiftplanWidth, 16);
    EXPECT_TRUE(w.view().ExpertMode);
    // Centimetres: ten ends and picks per unit.
    EXPECT_EQ(w.draft().Epi, 10);
}

TEST_F(MainWindowTest, TitleWithoutAFile) {
    TWform& w = Make();
    EXPECT_EQ(w.windowTitle(), "Heddlemark CD");
    EXPECT_EQ(w.ApplicationTitle(), "Heddlemark CD");
    EXPECT_TRUE(w.doc().CurrentName.isEmpty());
}

TEST_F(MainWindowTest, TitleShowsTheFileNameInANarrowWindowAndThePathInAWideOne) {
    TWform& w = Make();
    w.doc().CurrentFile = "/home/weaver/patterns/summer.hdx";
    w.resize(900, 600);
    w.UpdateTitle();
    EXPECT_EQ(w.windowTitle(), "Heddlemark CD - summer.hdx");
    EXPECT_EQ(w.doc().CurrentName, "summer");
    EXPECT_EQ(w.ApplicationTitle(), "summer - Heddlemark CD");
    w.resize(1000, 600);
    w.UpdateTitle();
    EXPECT_EQ(w.windowTitle(), "Heddlemark CD - /home/weaver/patterns/summer.hdx");
}

TEST_F(MainWindowTest, LongPathsAreShortened) {
    TWform& w = Make();
    w.resize(1200, 600);
    const QString dirPart = "/mnt/c/Documents and Settings/weaver/My Documents/Heddlemark/";
    const QString longPath = dirPart + "overshot/summer and winter/coverlet.hdx";
    ASSERT_GT(longPath.size(), 99);
    ASSERT_LE(longPath.size() - 16, 99);
    w.doc().CurrentFile = longPath;
    w.UpdateTitle();
    QString expected = longPath;
    expected.replace("Documents and Settings", "Doc...");
    EXPECT_EQ(w.windowTitle(), "Heddlemark CD - " + expected);

    w.doc().CurrentFile = "/" + QString(120, 'x') + "/coverlet.hdx";
    w.UpdateTitle();
    EXPECT_EQ(w.windowTitle(), "Heddlemark CD - coverlet.hdx");
}

TEST_F(MainWindowTest, ClosingWritesWindowStateAndEmptiesTheFolder) {
    Store("NufilPath", "/somewhere");
    TWform& w = Make(true);
    EXPECT_EQ(w.doc().CurrentFolder, "/somewhere");
    w.findChild<QSlider*>("SlideBar1")->setValue(8);
    ASSERT_EQ(w.draft().Zoom, 8);
    w.resize(800, 600);
    w.close();
    EXPECT_EQ(Stored("Zoom").toInt(), 8);
    EXPECT_EQ(Stored("Wbredde").toInt(), 800);
    EXPECT_EQ(Stored("Whoyde").toInt(), 600);
    EXPECT_EQ(Stored("NufilPath").toString(), QString());
    EXPECT_EQ(Stored("Wposfull").toInt(), 0);
}

TEST_F(MainWindowTest, ClosingWithoutSaveSettingsKeepsTheStoredShed) {
    Store("SaveSettings", 0);
    Store("Shed", 0);
    TWform& w = Make();
    w.draft().SinkingShed = true;
    w.close();
    EXPECT_EQ(Stored("Shed").toInt(), 0);
}

TEST_F(MainWindowTest, StatusLineHasSixPanelsWithRangesAndShed) {
    TWform& w = Make(true);
    StatusLine* s = w.statusLine();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->objectName(), "StatusLine");
    const int ends = w.view().VisibleEnds;
    ASSERT_GT(ends, 0);
    EXPECT_EQ(s->PanelText(1), QString("Warp: 1-%1").arg(ends));
    EXPECT_EQ(s->PanelText(2), QString("Weft: 1-%1").arg(w.view().VisiblePicks));
    EXPECT_EQ(s->PanelText(5), "Rising");
    const struct {
        int kind;
        const char *third, *fourth;
    } cells[] = {
        {1, "End: 3", "Shaft: 42"},    {2, "Pick: 42", "Shaft: 3"}, {3, "End: 3", "Pick: 42"},
        {4, "End: 3", "Color: 42"},    {5, "Pick: 42", "Color: 3"}, {6, "Shaft: 42", "Treadle: 3"},
        {7, "Pick: 42", "Treadle: 3"},
    };
    for (const auto& c : cells) {
        w.ShowCellInfo(c.kind, 3, 42);
        EXPECT_EQ(s->PanelText(3), c.third) << c.kind;
        EXPECT_EQ(s->PanelText(4), c.fourth) << c.kind;
    }
    w.ShowCellInfo(1, 0, 0);
    EXPECT_TRUE(s->PanelText(3).isEmpty());
    EXPECT_TRUE(s->PanelText(4).isEmpty());
    w.ShowSelectionSize(3, 4, 5);
    EXPECT_EQ(s->PanelText(0), "  4 x 5");
    w.ResetTool();
    EXPECT_TRUE(s->PanelText(0).isEmpty());
}

TEST_F(MainWindowTest, ShedPanelFitsTheWordOfEveryLanguage) {
    TWform& w = Make(true);
    for (int language : {1, 2, 3, 0}) {
        SetLanguage(w.context(), language);
        for (bool sinking : {false, true}) {
            w.draft().SinkingShed = sinking;
            w.Update();
            auto* panel = w.statusLine()->findChildren<QLabel*>().at(5);
            const QString text = w.statusLine()->PanelText(5);
            EXPECT_EQ(panel->text(), text);
            EXPECT_GE(panel->width(), panel->fontMetrics().horizontalAdvance(text) + 32)
                << text.toStdString();
        }
    }
}

} // namespace hm::testing
