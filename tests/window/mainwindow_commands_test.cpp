// The command table, its rules as the window applies them, and the commands
// that work in the window itself.

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <set>
#include <string>

#include "mainwindow_fixture.h"
#include "ops/countchanges.h"
#include "output/pagemargins.h"
#include "settings/messages.h"
#include "view/ui/draftview.h"
#include "window/commandtable.h"

namespace hm::testing {

TEST(CommandTable, NamesAreUniqueAndEveryReferenceExists) {
    std::set<std::string> names;
    for (const Command& c : Commands()) {
        if (!*c.name) continue;
        EXPECT_TRUE(names.insert(c.name).second) << "twice: " << c.name;
    }
    for (const Command& c : Commands()) {
        const std::string parent = c.parent;
        if (parent != "MainMenu" && parent != "ToolBar") {
            EXPECT_TRUE(names.count(parent)) << c.name << " in " << parent;
        }
        if (*c.twin) {
            EXPECT_TRUE(names.count(c.twin)) << c.name;
        }
        if (*c.copyCaptionOf) {
            EXPECT_TRUE(names.count(c.copyCaptionOf)) << c.name;
        }
        if (c.kind == CommandKind::Item && *c.name) {
            EXPECT_TRUE(*c.caption) << c.name;
        }
    }
}

TEST(CommandTable, PasteFollowsTheClipboardEvenInDesignButNeverInAFabricView) {
    const Command* paste = FindCommand("EditPasteItem");
    ASSERT_NE(paste, nullptr);
    ASSERT_NE(paste->enabled, nullptr);
    CommandState s;
    s.clipboardHasContent = true;
    s.designMode = true;
    EXPECT_TRUE(paste->enabled(s));
    s.fabricView = true;
    EXPECT_FALSE(paste->enabled(s));
    s = CommandState{};
    EXPECT_FALSE(paste->enabled(s));
}

TEST(CommandTable, FabricViewsDisableClearKeyboardRepeatInsertDelete) {
    CommandState s;
    s.fabricView = true;
    for (const char* n : {"Clear1", "KeyboardInput1", "Rep1", "Insert1", "Delete1"}) {
        const Command* c = FindCommand(n);
        ASSERT_NE(c, nullptr) << n;
        ASSERT_NE(c->enabled, nullptr) << n;
        EXPECT_FALSE(c->enabled(s)) << n;
        EXPECT_TRUE(c->enabled(CommandState{})) << n;
    }
}

TEST(CommandTable, PatternLevelOffDisablesEveryPatternCommand) {
    CommandState s;
    s.patternThreadingOn = false;
    for (const char* n :
         {"Threading1", "Liftplan1", "PrNumThreading", "PrNumLiftplan", "Reverse1", "WrapLiftplan1",
          "Translate1", "InsShafts1", "DelShafts1", "SwitchShafts1", "ThreadingLib"}) {
        const Command* c = FindCommand(n);
        ASSERT_NE(c, nullptr) << n;
        ASSERT_NE(c->enabled, nullptr) << n;
        EXPECT_FALSE(c->enabled(s)) << n;
        EXPECT_TRUE(c->enabled(CommandState{})) << n;
    }
}

TEST(PageMargins, MillimetresRoundTrip) {
    EXPECT_EQ(MarginToHundredthsMm(1000), 2500); // one inch is 25 mm after rounding
    EXPECT_EQ(MarginToHundredthsMm(500), 1300);  // 12.7 mm rounds to 13
    EXPECT_EQ(MarginFromHundredthsMm(2500), 984);
    EXPECT_EQ(MarginFromHundredthsMm(0), 0);
}

TEST_F(MainWindowTest, EveryTableEntryIsBuiltWithItsNameCaptionAndShortcut) {
    TWform& w = Make();
    for (const Command& c : Commands()) {
        const QString name = QString::fromLatin1(c.name);
        if (c.kind == CommandKind::Menu || c.kind == CommandKind::Submenu) {
            EXPECT_NE(w.Menu(name), nullptr) << c.name;
        } else if (c.kind == CommandKind::Item || c.kind == CommandKind::ToolButton) {
            QAction* a = w.Action(name);
            ASSERT_NE(a, nullptr) << c.name;
            EXPECT_EQ(a->objectName(), name);
            if (*c.shortcut) {
                EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(c.shortcut))) << c.name;
            }
            if (c.hidden) {
                EXPECT_FALSE(a->isVisible()) << c.name;
            }
            // Nothing pretends to work: an entry without an operation (its own or,
            // on the tool bar, its twin's) is disabled.
            if (!HandlerSource(c).handler) {
                EXPECT_FALSE(a->isEnabled()) << c.name;
            }
        }
    }
    EXPECT_EQ(w.Action("FileOpenItem")->text(), "&Open...");
    EXPECT_EQ(w.Action("ToolButton2")->toolTip(), "Save");
    EXPECT_EQ(w.Action("ToolButton2")->statusTip(), "Save current pattern");
    EXPECT_FALSE(w.Menu("Weavemenu")->menuAction()->isVisible());
    EXPECT_EQ(w.Action("Threading1")->text(), "Pattern Threading");
    EXPECT_EQ(w.Action("PrNumLiftplan")->text(), "Liftplan...");
}

TEST_F(MainWindowTest, ClearSubmenuRules) {
    TWform& w = Make();
    Draft& d = w.draft();
    for (const char* n :
         {"All1", "Threading1", "Liftplan1", "ThreadingA1", "Treadling1", "ThreadingB1",
          "TreadlingB1", "Tieup1", "TieupAB1", "TieupBA1", "TieUpBB1", "Colors1"})
        EXPECT_TRUE(Enabled(n)) << n;

    d.PatternThreadingOn = false;
    d.ThreadingBOn = false;
    w.UpdateMenuState();
    EXPECT_FALSE(Enabled("Threading1"));
    EXPECT_FALSE(Enabled("Liftplan1"));
    EXPECT_FALSE(Enabled("ThreadingB1"));
    EXPECT_FALSE(Enabled("TieupBA1"));
    EXPECT_FALSE(Enabled("TieUpBB1"));
    EXPECT_TRUE(Enabled("TieupAB1"));
    EXPECT_TRUE(Enabled("TreadlingB1"));

    // In Design only All and Colors stay; Treadling A is hidden.
    d.PatternThreadingOn = true;
    d.ThreadingBOn = true;
    w.Action("Design1")->trigger();
    ASSERT_TRUE(d.DesignMode);
    for (const char* n : {"Threading1", "Liftplan1", "ThreadingA1", "ThreadingB1", "TreadlingB1",
                          "Tieup1", "TieupAB1", "TieupBA1", "TieUpBB1"})
        EXPECT_FALSE(Enabled(n)) << n;
    EXPECT_TRUE(Enabled("All1"));
    EXPECT_TRUE(Enabled("Colors1"));
    EXPECT_FALSE(Visible("Treadling1"));
    EXPECT_FALSE(Enabled("KeyboardInput1"));
}

TEST_F(MainWindowTest, FillSubmenusFollowThePatternLevelAndGroupB) {
    TWform& w = Make();
    Draft& d = w.draft();
    const char* all[] = {"ThreadingLib", "ThreadinglibA1", "TreadlingLib",
                         "TieupLib",     "ThreadinglibB1", "Treadlinglibb1",
                         "TieuplibBB1",  "TieuplibAB1",    "TieuplibBA1"};
    for (const char* n : all) EXPECT_TRUE(Enabled(n)) << n;

    d.PatternThreadingOn = false;
    d.TreadlingBOn = false;
    w.UpdateMenuState();
    EXPECT_FALSE(Enabled("ThreadingLib"));
    EXPECT_FALSE(Enabled("Treadlinglibb1"));
    EXPECT_FALSE(Enabled("TieuplibBB1"));
    EXPECT_FALSE(Enabled("TieuplibAB1"));
    EXPECT_TRUE(Enabled("ThreadinglibB1"));
    EXPECT_TRUE(Enabled("TieuplibBA1"));
    EXPECT_TRUE(Enabled("ThreadinglibA1"));

    d.TreadlingBOn = true;
    d.ThreadingBOn = false;
    w.UpdateMenuState();
    EXPECT_FALSE(Enabled("ThreadinglibB1"));
    EXPECT_FALSE(Enabled("TieuplibBA1"));
    EXPECT_FALSE(Enabled("TieuplibBB1"));
    EXPECT_TRUE(Enabled("TieuplibAB1"));
    EXPECT_TRUE(Enabled("Treadlinglibb1"));

    d.ThreadingBOn = true;
    d.PatternThreadingOn = true;
    d.DesignMode = true;
    w.UpdateMenuState();
    for (const char* n : all) EXPECT_FALSE(Enabled(n)) << n;
}

TEST_F(MainWindowTest, EditMenuWithoutSelectionDisablesCopyCutCrop) {
    TWform& w = Make();
    emit w.Menu("EditMenu")->aboutToShow();
    EXPECT_FALSE(Enabled("EditCopyItem"));
    EXPECT_FALSE(Enabled("EditCutItem"));
    EXPECT_FALSE(Enabled("Crop1"));
    EXPECT_FALSE(Enabled("EditUndoItem"));
}

TEST_F(MainWindowTest, UndoRestoresAClearedAreaOnce) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    d.TieupAA(1, 1) = TieGround;
    d.TreadlingA[3] = 2;
    w.Action("Tieup1")->trigger();
    w.Action("Treadling1")->trigger();
    EXPECT_EQ(d.TieupAA(1, 1), TieNone);
    EXPECT_EQ(d.TreadlingA[3], 0);
    w.Action("EditUndoItem")->trigger();
    // One level: the last clear is undone.
    EXPECT_EQ(d.TreadlingA[3], 2);
    EXPECT_EQ(d.TieupAA(1, 1), TieNone);
    EXPECT_FALSE(w.undo().UndoAvailable);
    EXPECT_FALSE(Enabled("EditUndoItem"));
}

TEST_F(MainWindowTest, ClearAllForgetsTheFileAndLeavesUndo) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    d.PatternThreading[4] = 3;
    d.Note = "a note";
    w.doc().CurrentFile = "/tmp/x.hdx";
    w.doc().RevertAvailable = true;
    w.doc().Modified = true;
    w.UpdateTitle();
    w.Action("All1")->trigger();
    EXPECT_EQ(d.PatternThreading[4], 0);
    EXPECT_TRUE(d.Note.empty());
    EXPECT_TRUE(w.doc().CurrentFile.isEmpty());
    EXPECT_FALSE(w.doc().RevertAvailable);
    EXPECT_FALSE(w.doc().Modified);
    EXPECT_FALSE(Enabled("ReverttoSaved1"));
    EXPECT_EQ(w.windowTitle(), "Heddlemark CD");
    EXPECT_TRUE(Enabled("EditUndoItem"));
    w.Action("EditUndoItem")->trigger();
    EXPECT_EQ(d.PatternThreading[4], 3);
}

TEST_F(MainWindowTest, ShowThreadingTogglesAndIsCheckedByState) {
    TWform& w = Make(true);
    EXPECT_TRUE(Checked("ShowThreading1"));
    w.Action("DisplaySpeedButton")->trigger();
    EXPECT_FALSE(w.draft().ShowThreading);
    EXPECT_FALSE(Checked("ShowThreading1"));
    w.Action("ShowThreading1")->trigger();
    EXPECT_TRUE(w.draft().ShowThreading);
    w.Action("VisaMonstersolvning1")->trigger();
    EXPECT_FALSE(w.draft().ShowPatternThreading);
    EXPECT_FALSE(Checked("VisaMonstersolvning1"));
}

TEST_F(MainWindowTest, OptionsFollowUpFoldsTreadlingsAboveASmallerCount) {
    TWform& w = Make(true);
    Draft& d = w.draft();
    d.TreadlesA = 8;
    d.TreadlingA[1] = 7;
    d.TreadlingA[2] = 8;
    d.TreadlingA[3] = 6;
    d.Picks = 100;
    d.TreadlingA[90] = 1;
    w.Update();
    // Drive the real dialog: 6 treadles A, 80 picks, OK.
    QTimer::singleShot(0, [] {
        QWidget* dlg = QApplication::activeModalWidget();
        ASSERT_NE(dlg, nullptr);
        dlg->findChild<QSpinBox*>("TreadlesASpin")->setValue(6);
        dlg->findChild<QSpinBox*>("PicksSpin")->setValue(80);
        dlg->findChild<QPushButton*>("OKButton")->click();
    });
    w.Action("Options2")->trigger();
    EXPECT_EQ(d.TreadlesA, 6);
    EXPECT_EQ(d.TreadlingA[1], 1);
    EXPECT_EQ(d.TreadlingA[2], 2);
    EXPECT_EQ(d.TreadlingA[3], 6);
    EXPECT_EQ(d.Picks, 80);
    EXPECT_EQ(d.TreadlingA[90], 0);
    EXPECT_TRUE(w.doc().Modified);
}

TEST_F(MainWindowTest, LanguageMenuTranslatesMenusAndKeyCaptions) {
    TWform& w = Make();
    w.Action("Suomi1")->trigger();
    EXPECT_EQ(CurrentLanguage(), LangFinnish);
    EXPECT_TRUE(Checked("Suomi1"));
    EXPECT_EQ(w.Menu("FileMenu")->title(), "&Tiedosto");
    EXPECT_EQ(w.Action("Threading1")->text(), Tr("@monsolv"));
    EXPECT_NE(Tr("@monsolv"), "Pattern Threading");
    EXPECT_EQ(w.Action("PrNumThreading")->text(), Tr("@monsolv") + "...");
    EXPECT_EQ(w.Menu("ThreadingLib")->title(), Tr("@monsolv"));
    EXPECT_EQ(w.Action("Straight3")->text(), w.Action("Straight1")->text());
    EXPECT_EQ(w.Action("Straight1")->text(), "&Suora");
    EXPECT_EQ(w.Action("ToolButton2")->toolTip(), "Tallenna");
    EXPECT_EQ(w.Action("ToolButton2")->statusTip(), "Tallenna nykyinen kuvio");
    EXPECT_EQ(w.windowTitle(), "Heddlemark CD"); // the caption stays the program's
    w.Action("English1")->trigger();
    EXPECT_EQ(w.Menu("FileMenu")->title(), "&File");
    EXPECT_EQ(w.Action("Threading1")->text(), "Pattern Threading");
}

TEST_F(MainWindowTest, LanguageChosenInTheMenuIsStoredOnClose) {
    TWform& w = Make();
    w.Action("Deutsch1")->trigger();
    w.close();
    EXPECT_EQ(Stored("Language").toInt(), 1);
}

TEST_F(MainWindowTest, CopyImagePutsTheDrawingOnTheClipboardAfterConfirmation) {
    TWform& w = Make(true);
    QGuiApplication::clipboard()->clear();
    answer_ = 3;
    w.Action("CopyImage1")->trigger();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "@idcopyclip");
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
    answer_ = 1;
    w.Action("CopyImage1")->trigger();
    const QImage img = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), w.draftView()->size());
}

TEST_F(MainWindowTest, NoteButtonTogglesTheNotesWindow) {
    TWform& w = Make(true);
    w.Action("ToolButtonNote")->trigger();
    QWidget* notes = w.findChild<QWidget*>("TNoteForm");
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(notes->isVisible());
    EXPECT_TRUE(w.view().NoteOpened);
    w.Action("ToolButtonNote")->trigger();
    EXPECT_FALSE(notes->isVisible());
    w.Action("ToolButtonNote")->trigger();
    EXPECT_TRUE(notes->isVisible());
    w.Action("Note1")->trigger();
    EXPECT_TRUE(w.doc().Modified);
}

TEST_F(MainWindowTest, ClearAllAndUndoShowTheNoteInTheNotesWindowAndButton) {
    TWform& w = Make(true);
    auto buttonShows = [&](const char* icon) {
        const QSize size(22, 22);
        return w.Action("ToolButtonNote")->icon().pixmap(size).toImage() ==
               QIcon(QString(":/icons/%1.svg").arg(icon)).pixmap(size).toImage();
    };
    w.draft().Note = "Warp: linen 16/2";
    w.Action("Note1")->trigger();
    auto* editor = w.findChild<QPlainTextEdit*>("Memo1");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->toPlainText(), "Warp: linen 16/2");
    // Typing in the notes window marks the draft modified and shows the note button.
    editor->appendPlainText("Weft: wool");
    EXPECT_TRUE(buttonShows("notetext"));

    w.Action("All1")->trigger();
    EXPECT_TRUE(editor->toPlainText().isEmpty());
    EXPECT_TRUE(buttonShows("note"));

    w.draft().ThreadingA[1] = 1;
    w.Action("ThreadingA1")->trigger();
    w.draft().Note = "changed elsewhere";
    w.Action("EditUndoItem")->trigger();
    EXPECT_EQ(editor->toPlainText(), "changed elsewhere");
    EXPECT_TRUE(buttonShows("notetext"));
}

} // namespace hm::testing
