// The File menu of the real window: save, open, the recent items, the command
// line and the question before closing a modified draft.
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QWindow>

#include "files/hdxfile.h"
#include "mainwindow_fixture.h"

namespace hm::testing {

namespace {

void ThreadSome(Draft& d) {
    for (int e = 1; e <= 12; ++e) d.ThreadingA[e] = static_cast<uint8_t>((e - 1) % 4 + 1);
    for (int p = 1; p <= 8; ++p) d.TreadlingA[p] = static_cast<uint8_t>((p - 1) % 4 + 1);
    d.TieupAA(1, 1) = TieGround;
}

} // namespace

TEST_F(MainWindowTest, SaveAndOpenThroughTheFileMenu) {
    TWform& w = Make(true);
    ThreadSome(w.draft());
    w.doc().Modified = true;
    EXPECT_FALSE(w.Action("menyfil1")->isVisible());
    EXPECT_FALSE(w.Action("RecentSeparator")->isVisible());

    chosenPath_ = dir_->path() + "/twill.hdx";
    w.Action("FileSaveItem")->trigger();
    ASSERT_TRUE(QFileInfo::exists(chosenPath_));
    EXPECT_FALSE(w.doc().Modified);
    EXPECT_EQ(w.doc().CurrentFile, chosenPath_);
    EXPECT_TRUE(w.windowTitle().endsWith("twill.hdx"));
    EXPECT_TRUE(w.Action("ReverttoSaved1")->isEnabled());
    EXPECT_TRUE(w.Action("menyfil1")->isVisible());
    EXPECT_EQ(w.Action("menyfil1")->text(), "&1 twill.hdx");
    EXPECT_TRUE(w.Action("RecentSeparator")->isVisible());

    // Clear All forgets the file; the recent item opens it again.
    w.Action("All1")->trigger();
    EXPECT_EQ(w.draft().ThreadingA[3], 0);
    w.doc().Modified = false;
    w.Action("menyfil1")->trigger();
    EXPECT_EQ(w.draft().ThreadingA[3], 3);
    EXPECT_EQ(w.doc().CurrentFile, chosenPath_);

    // File > Open reads the chosen file.
    w.draft().ThreadingA[3] = 0;
    w.doc().Modified = false;
    w.Action("FileOpenItem")->trigger();
    EXPECT_EQ(w.draft().ThreadingA[3], 3);
    EXPECT_TRUE(asked_.empty()) << "an unmodified draft is replaced without a question";
}

TEST_F(MainWindowTest, ClosingAModifiedDraftAsksFirst) {
    TWform& w = Make(true);
    ThreadSome(w.draft());
    w.doc().Modified = true;
    answer_ = 3; // Cancel: the window stays
    EXPECT_FALSE(w.close());
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "@globsavepres") << "a draft without a file: \"Save present pattern?\"";
    EXPECT_TRUE(w.isVisible());

    answer_ = 1; // Yes, but the save dialog is cancelled: still open
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());

    answer_ = 1; // Yes with a file: saved, then closed
    chosenPath_ = dir_->path() + "/kept.hdx";
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(QFileInfo::exists(chosenPath_));
}

TEST_F(MainWindowTest, ClosingWithNoDiscardsWithoutSaving) {
    TWform& w = Make(true);
    w.doc().Modified = true;
    answer_ = 2;
    chosenPath_ = dir_->path() + "/never.hdx";
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(QFileInfo::exists(chosenPath_));
}

TEST_F(MainWindowTest, AFileNamedOnTheCommandLineOpensWhenShown) {
    auto d = std::make_unique<Draft>();
    ThreadSome(*d);
    const QString path = dir_->path() + "/from the command line.hdx";
    ASSERT_TRUE(WriteCdPatternFile(*d, path, false).ok);
    StartupEnvironment env = Env();
    // Unquoted, a path with blanks arrives split into several arguments.
    env.arguments = path.split(' ');
    window_ = std::make_unique<TWform>(env);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    QCoreApplication::processEvents();
    EXPECT_EQ(window_->draft().ThreadingA[2], 2);
    EXPECT_EQ(window_->doc().CurrentFile, path);
    EXPECT_FALSE(window_->doc().Modified);
}

// The message about a damaged file named on the command line appears over the
// window, not before the window reaches the screen.
TEST_F(MainWindowTest, ADamagedFileNamedOnTheCommandLineIsReportedOverTheShownWindow) {
    const QString path = dir_->path() + "/damaged.hdx";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a pattern at all");
    file.close();
    StartupEnvironment env = Env();
    env.arguments = {path};
    window_ = std::make_unique<TWform>(env);
    bool windowOnScreen = false;
    MessageAnswers a;
    a.ask = [this, &windowOnScreen](const Message& m, const QString&) {
        asked_.push_back(m.text);
        windowOnScreen = window_->windowHandle() && window_->windowHandle()->isVisible();
        return 1;
    };
    window_->SetMessageAnswers(a);
    window_->show();
    EXPECT_TRUE(asked_.empty()) << "opened only after show() has put the window on the screen";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    QCoreApplication::processEvents();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_TRUE(windowOnScreen);
    EXPECT_TRUE(window_->doc().CurrentFile.isEmpty());
    EXPECT_FALSE(window_->doc().Modified);
}

TEST_F(MainWindowTest, ToolBarNewOpenAndSaveRunTheirMenuItems) {
    TWform& w = Make(true);
    for (const char* button : {"ToolButtonNew", "ToolButton1", "ToolButton2"})
        EXPECT_TRUE(Enabled(button)) << button;

    ThreadSome(w.draft());
    w.doc().Modified = true;
    chosenPath_ = dir_->path() + "/from the tool bar.hdx";
    w.Action("ToolButton2")->trigger();
    ASSERT_TRUE(QFileInfo::exists(chosenPath_));
    EXPECT_FALSE(w.doc().Modified);

    w.draft().ThreadingA[3] = 0;
    w.Action("ToolButton1")->trigger();
    EXPECT_EQ(w.draft().ThreadingA[3], 3);

    QStringList dialogs;
    w.context().SetDialogRunner([&](QDialog& d) {
        dialogs << d.objectName();
        return int(QDialog::Accepted);
    });
    w.Action("ToolButtonNew")->trigger();
    EXPECT_EQ(dialogs, QStringList{"TNewPatternDlg"});
    EXPECT_EQ(w.draft().ThreadingA[3], 0);
    EXPECT_TRUE(w.doc().CurrentFile.isEmpty());
}

TEST_F(MainWindowTest, NewStartsInTheStoredDesignMode) {
    Store("DesignMode", 1);
    TWform& w = Make(true);
    ASSERT_TRUE(w.draft().DesignMode);
    w.context().SetDialogRunner([](QDialog&) { return int(QDialog::Accepted); });
    w.Action("New1")->trigger();
    EXPECT_TRUE(w.draft().DesignMode);
    // The view chosen last wins over the stored one.
    w.Action("Draft1")->trigger();
    w.Action("New1")->trigger();
    EXPECT_FALSE(w.draft().DesignMode);
}

TEST_F(MainWindowTest, UndoOfClearAllMarksTheDraftModifiedSoThatCloseAsks) {
    TWform& w = Make(true);
    ThreadSome(w.draft());
    w.doc().Modified = true;
    w.Action("All1")->trigger();
    EXPECT_FALSE(w.doc().Modified);
    w.Action("EditUndoItem")->trigger();
    EXPECT_EQ(w.draft().ThreadingA[3], 3);
    EXPECT_TRUE(w.doc().Modified);
    answer_ = 3;
    EXPECT_FALSE(w.close());
    EXPECT_EQ(asked_, std::vector<std::string>{"@globsavepres"});
}

} // namespace hm::testing
