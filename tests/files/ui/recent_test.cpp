// The recent-file list as the open commands keep it, and its File menu items.
#include <QAction>
#include <QMenu>
#include <QTemporaryDir>

#include "files/hdxfile.h"
#include "files/ui/filecommands.h"
#include "files/ui/recentfilesmenu.h"
#include "support/testcontext.h"
#include "testsupport.h"

namespace hm::test {
namespace {

class RecentTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::unique_ptr<TestContext> host;
    std::unique_ptr<FileCommands> commands;
    QMenu menu;
    RecentFilesMenu* items = nullptr;

    void SetUp() override {
        host = std::make_unique<TestContext>(dir.filePath("settings.ini"));
        commands = std::make_unique<FileCommands>(host->ctx, nullptr, dir.filePath("recovery"));
        menu.addAction("Exit")->setObjectName("FileExitItem");
        items = commands->AttachRecentMenu(&menu, menu.actions().first());
    }
    QString Written(const QString& name) {
        const QString path = dir.filePath(name);
        auto d = MakeComplexDraft(0);
        EXPECT_TRUE(WriteCdPatternFile(*d, path, false).ok);
        return path;
    }
    RecentFiles& List() { return host->settings.values.RecentFiles; }
};

TEST_F(RecentTest, OpeningEntryThreeMovesItToTheTop) {
    const QString a = Written("a.hdx"), b = Written("b.hdx"), c = Written("c.hdx"),
                  e = Written("e.hdx"), f = Written("f.hdx");
    for (const QString& p : {f, e, c, b, a}) ASSERT_TRUE(commands->OpenPath(p));
    ASSERT_EQ((RecentFiles{a, b, c, e, f}), List());
    ASSERT_TRUE(commands->OpenRecent(3));
    EXPECT_EQ((RecentFiles{c, a, b, e, f}), List());
    EXPECT_EQ(c, host->doc.CurrentFile);
    EXPECT_EQ("&1 c.hdx", items->Item(1)->text());
    EXPECT_EQ("&3 b.hdx", items->Item(3)->text());
}

TEST_F(RecentTest, ASixthFileDropsEntryFive) {
    QStringList paths;
    for (int i = 1; i <= 6; ++i) paths << Written(QString("p%1.hdx").arg(i));
    for (const QString& p : paths) ASSERT_TRUE(commands->OpenPath(p));
    EXPECT_EQ((RecentFiles{paths[5], paths[4], paths[3], paths[2], paths[1]}), List());
    // Opening the top entry again changes nothing.
    ASSERT_TRUE(commands->OpenRecent(1));
    EXPECT_EQ(paths[5], List()[0]);
    EXPECT_EQ(paths[1], List()[4]);
}

TEST_F(RecentTest, PathsDifferingOnlyInLetterCaseAreTwoEntries) {
    const QString lower = Written("twill.hdx"), upper = Written("Twill.hdx");
    ASSERT_TRUE(commands->OpenPath(lower));
    ASSERT_TRUE(commands->OpenPath(upper));
    EXPECT_EQ(upper, List()[0]);
    EXPECT_EQ(lower, List()[1]);
}

TEST_F(RecentTest, MenuItemsFollowTheUsedEntries) {
    EXPECT_FALSE(items->Separator()->isVisible());
    for (int k = 1; k <= 5; ++k) {
        EXPECT_FALSE(items->Item(k)->isVisible());
        EXPECT_EQ(QString("menyfil%1").arg(k), items->Item(k)->objectName());
    }
    ASSERT_TRUE(commands->OpenPath(Written("one.hdx")));
    ASSERT_TRUE(commands->OpenPath(Written("two.hdx")));
    EXPECT_TRUE(items->Separator()->isVisible());
    EXPECT_TRUE(items->Item(1)->isVisible());
    EXPECT_TRUE(items->Item(2)->isVisible());
    EXPECT_FALSE(items->Item(3)->isVisible());
    EXPECT_EQ("&1 two.hdx", items->Item(1)->text());
    EXPECT_EQ("&2 one.hdx", items->Item(2)->text());
    // The items sit above the item they were inserted before.
    EXPECT_EQ("FileExitItem", menu.actions().last()->objectName());
    EXPECT_TRUE(host->steps().contains("RecentFilesChanged"));
}

TEST_F(RecentTest, ChoosingAnItemOpensItsFile) {
    const QString path = Written("chosen.hdx");
    List()[0] = path;
    commands->ShowRecentFiles();
    items->Item(1)->trigger();
    EXPECT_EQ(path, host->doc.CurrentFile);
}

TEST_F(RecentTest, DisplayNamesShowDriveAndFileName) {
    EXPECT_EQ("&1 C:twill.hdx", RecentMenuCaption(1, "C:\\Weaving\\Old\\twill.hdx"));
    EXPECT_EQ("&2 twill.hdx", RecentMenuCaption(2, "\\\\server\\share\\weave\\twill.hdx"));
    EXPECT_EQ("&5 twill.hdx", RecentMenuCaption(5, "/home/weaver/drafts/twill.hdx"));
}

TEST_F(RecentTest, AMissingFileIsReportedAndKeepsItsEntry) {
    const QString gone = dir.filePath("gone.hdx");
    List()[0] = gone;
    host->doc.Modified = true; // no save question for a file that cannot be opened
    QString text;
    AnswerNextBox("YesButton", &text);
    EXPECT_FALSE(commands->OpenRecent(1));
    EXPECT_EQ("Cannot find " + gone, text);
    EXPECT_EQ(gone, List()[0]);
    EXPECT_TRUE(host->doc.Modified);
}

} // namespace
} // namespace hm::test
