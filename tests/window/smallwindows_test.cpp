#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

#include "files/hdxfile.h"
#include "files/notetext.h"
#include "model/draft.h"
#include "settings/basemultilang.h"
#include "support/testcontext.h"
#include "window/aboutbox.h"
#include "window/helpbrowser.h"
#include "window/noteswindow.h"
#include "window/tipofday.h"
#include "window/windowcommands.h"

namespace hm {
namespace {

class NotesWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        draft->Note = "Warp: 22/2 cotton";
        notes = std::make_unique<TNoteForm>(*draft, 614, 462, 292);
        notes->show();
    }
    QAction* Action(const char* name) {
        return notes->findChild<QAction*>(QString::fromLatin1(name));
    }
    std::unique_ptr<Draft> draft = std::make_unique<Draft>();
    std::unique_ptr<TNoteForm> notes;
};

TEST_F(NotesWindowTest, OpensWithTheDraftsNoteAndTheStoredSize) {
    EXPECT_EQ(notes->Editor()->toPlainText(), QStringLiteral("Warp: 22/2 cotton"));
    EXPECT_EQ(notes->StoredWidth(), 614);
    EXPECT_EQ(notes->StoredHeight(), 462);
    EXPECT_EQ(notes->windowTitle(), QStringLiteral("Note"));
    EXPECT_TRUE(notes->isWindow());
    EXPECT_FALSE(notes->isModal());
}

TEST_F(NotesWindowTest, TypingEditsTheNoteAndReportsIt) {
    QSignalSpy changed(notes.get(), &TNoteForm::noteChanged);
    QPlainTextEdit* editor = notes->Editor();
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, QStringLiteral(", weft: linen "));
    editor->insertPlainText(QStringLiteral("\u00e4"));
    EXPECT_EQ(draft->Note, "Warp: 22/2 cotton, weft: linen \xc3\xa4");
    EXPECT_GT(changed.count(), 0);

    // Select all, cut, undo: through the window's own actions.
    Action("NoteSelectAllItem")->trigger();
    EXPECT_TRUE(Action("NoteCutItem")->isEnabled());
    Action("NoteCutItem")->trigger();
    EXPECT_EQ(draft->Note, "");
    Action("NoteUndoItem")->trigger();
    EXPECT_EQ(draft->Note, "Warp: 22/2 cotton, weft: linen \xc3\xa4");
    Action("NotePasteItem")->trigger(); // replaces nothing selected: appends at the cursor
    EXPECT_NE(draft->Note.find("linen"), std::string::npos);
}

TEST_F(NotesWindowTest, StopsAtTheLengthAPatternFileKeepsAndSaysSo) {
    QPlainTextEdit* editor = notes->Editor();
    QLabel* length = notes->LengthLabel();
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length->text(), QStringLiteral("17 of 3000 characters"));
    // A paste in the middle that would overflow keeps what fits, up to the cursor.
    editor->moveCursor(QTextCursor::Start);
    editor->moveCursor(QTextCursor::Right);
    editor->insertPlainText(QString(3100, u'x'));
    EXPECT_EQ(NoteFileLength(draft->Note), MaxNoteFileBytes);
    EXPECT_EQ(draft->Note.substr(0, 2), "Wx");
    EXPECT_EQ(draft->Note.substr(draft->Note.size() - 16), std::string("arp: 22/2 cotton"));
    EXPECT_EQ(editor->textCursor().position(), 1 + 3000 - 17);
    EXPECT_EQ(length->text(),
              QStringLiteral("The note is full: a pattern file keeps 3000 characters."));
    // Characters stored as two bytes count twice.
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Backspace);
    editor->insertPlainText(QStringLiteral("\u20ac\u20ac")); // the euro sign fits Windows-1252
    EXPECT_EQ(NoteFileLength(draft->Note), MaxNoteFileBytes);
    editor->insertPlainText(QStringLiteral("\u0142")); // does not: the note becomes UTF-8
    EXPECT_LE(NoteFileLength(draft->Note), MaxNoteFileBytes);

    // What the editor keeps comes back whole from a file.
    QTemporaryDir dir;
    const QString path = dir.filePath("long.hdx");
    ASSERT_TRUE(WriteCdPatternFile(*draft, path, false).ok);
    Draft back;
    back.ClearDraft();
    ReadCdPatternFile(back, path, HdxComponents::All());
    EXPECT_EQ(back.Note, draft->Note);
}

TEST_F(NotesWindowTest, LoadingANewDraftDoesNotCountAsAnEdit) {
    QSignalSpy changed(notes.get(), &TNoteForm::noteChanged);
    draft->Note = "Tabby ground";
    notes->LoadFromDraft();
    EXPECT_EQ(notes->Editor()->toPlainText(), QStringLiteral("Tabby ground"));
    EXPECT_EQ(changed.count(), 0);
    // An undo right after a load must not bring back the old pattern's note.
    EXPECT_FALSE(Action("NoteUndoItem")->isEnabled());
}

TEST_F(NotesWindowTest, PrintsIntoAPdfFileWithoutAPrinter) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("note.pdf"));
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    notes->PrintTo(printer);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 500);
}

TEST(TipOfDay, CyclesTipsAndReportsTheStartupChoice) {
    TTipForm tips(true);
    EXPECT_EQ(tips.objectName(), QStringLiteral("TTipForm"));
    ASSERT_GE(tips.TipCount(), 5);
    auto* text = tips.findChild<QLabel*>(QStringLiteral("TipText"));
    tips.ShowTip(0);
    const QString first = text->text();
    EXPECT_FALSE(first.isEmpty());
    EXPECT_FALSE(first.startsWith(u'@')); // a real text, not a missing key
    tips.NextTip();
    EXPECT_EQ(tips.CurrentTip(), 1);
    EXPECT_NE(text->text(), first);
    tips.ShowTip(tips.TipCount()); // wraps to the first
    EXPECT_EQ(text->text(), first);

    QSignalSpy spy(&tips, &TTipForm::showAtStartupChanged);
    auto* box = tips.findChild<QCheckBox*>(QStringLiteral("ShowTipsBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isChecked());
    box->click();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_FALSE(spy.at(0).at(0).toBool());
    EXPECT_FALSE(tips.ShowAtStartup());
}

TEST(TipOfDay, EveryTipExistsInEveryLanguage) {
    TTipForm tips(false);
    auto* text = tips.findChild<QLabel*>(QStringLiteral("TipText"));
    for (int n = 0; n < tips.TipCount(); ++n) {
        QStringList seen;
        for (int lang : {LangEnglish, LangGerman, LangSwedish, LangFinnish}) {
            SetLanguageEverywhere(lang);
            tips.ShowTip(n);
            EXPECT_FALSE(text->text().isEmpty()) << "tip " << n << " language " << lang;
            EXPECT_FALSE(seen.contains(text->text())) << "tip " << n << " untranslated";
            seen << text->text();
        }
    }
    SetLanguageEverywhere(LangEnglish);
}

TEST(HelpBrowser, ShowsTheManualAndNavigates) {
    HelpBrowser help;
    help.ShowContents();
    QTextBrowser* browser = help.Browser();
    EXPECT_EQ(help.CurrentPage(), HelpBrowser::ContentsUrl());
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Contents")));
    EXPECT_EQ(browser->documentTitle(), QStringLiteral("Heddlemark Help"));

    // Every page of the manual is there and has a title.
    for (const char* page :
         {"draft.html", "window.html", "tools.html", "views.html", "files.html"}) {
        help.ShowPage(QString::fromLatin1(page));
        EXPECT_FALSE(browser->documentTitle().isEmpty()) << page;
        EXPECT_GT(browser->toPlainText().size(), 500) << page;
    }
    auto* back = help.findChild<QAction*>(QStringLiteral("BackButton"));
    auto* forward = help.findChild<QAction*>(QStringLiteral("ForwardButton"));
    auto* contents = help.findChild<QAction*>(QStringLiteral("ContentsButton"));
    ASSERT_TRUE(back && forward && contents);
    EXPECT_TRUE(back->isEnabled());
    back->trigger();
    EXPECT_TRUE(help.CurrentPage().toString().endsWith(QStringLiteral("views.html")));
    EXPECT_TRUE(forward->isEnabled());
    forward->trigger();
    EXPECT_TRUE(help.CurrentPage().toString().endsWith(QStringLiteral("files.html")));
    contents->trigger();
    EXPECT_EQ(help.CurrentPage(), HelpBrowser::ContentsUrl());
}

TEST(AboutBox, NamesTheProgramAndItsVersion) {
    TAboutBox about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Heddlemark"));
    auto* version = about.findChild<QLabel*>(QStringLiteral("VersionLabel"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Version ") + QStringLiteral(HM_VERSION));
    SetLanguageEverywhere(LangGerman);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Über Heddlemark"));
    SetLanguageEverywhere(LangEnglish);
}

} // namespace
} // namespace hm

namespace hm {
namespace {

// Stands in for the browser.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public slots:
    void Open(const QUrl& url) { opened << url; }
};

TEST(HomePage, OpensInTheBrowser) {
    UrlCatcher browser;
    QDesktopServices::setUrlHandler("https", &browser, "Open");
    QTemporaryDir dir;
    test::TestContext t{dir.filePath("settings.ini")};
    std::vector<std::string> asked;
    t.ctx.SetAnswerer([&](const Message& m, const QString&) {
        asked.push_back(m.text);
        return BoxAnswer::Yes;
    });
    EXPECT_FALSE(HeddlemarkHomePage1Click(t.ctx));
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl(HomePageAddress)});
    EXPECT_TRUE(asked.empty());
}

} // namespace
} // namespace hm

#include "smallwindows_test.moc"
