// The Analyze menu: the report window shows the report of the core word for
// word, the items follow the enabling rule, a report that cannot be made shows
// its message instead, and Print goes through the print dialog to a PDF.
#include <QFile>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "../reporttestsupport.h"
#include "analysis/ui/analyzecommands.h"
#include "analysis/ui/reportwindow.h"
#include "settings/langtable.h"
#include "support/testcontext.h"
#include "window/commandtable.h"

// The main window's captions are compiled into the widget library.
static void InitMainWindowTable() {
    Q_INIT_RESOURCE(mainwindow_lang);
}

namespace hm::test {
namespace {

class AnalyzeTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::unique_ptr<TestContext> host;
    std::vector<Message> asked;

    void SetUp() override {
        host = std::make_unique<TestContext>(dir.filePath("settings.ini"));
        host->ctx.SetAnswerer([this](const Message& m, const QString&) {
            asked.push_back(m);
            return BoxAnswer::Yes;
        });
        // A 4-end straight draw under a 2/2 twill, as the window would lay it out.
        host->draft() = *hmtest::PictureDraft({"1100", "0110", "0011", "1001"});
        host->draft().UpdateExtents();
        host->doc.CurrentName = QStringLiteral("twill");
        host->view.VisibleEnds = 40;
        host->view.VisiblePicks = 40;
    }
    ReportContext Context() const {
        return {host->doc.CurrentName, host->view.VisibleEnds, host->view.VisiblePicks,
                host->view.FabricView};
    }
};

TEST_F(AnalyzeTest, TheWindowShowsExactlyTheLinesOfTheReport) {
    for (const ReportInfo& info : ReportTable()) {
        SCOPED_TRACE(info.commandName);
        const Report expected = MakeReport(info.kind, host->draft(), Context());
        ASSERT_TRUE(expected.Shown());
        int windows = 0;
        host->ctx.SetDialogRunner([&](QDialog& dialog) {
            auto* window = qobject_cast<TRtxtDlg*>(&dialog);
            EXPECT_NE(nullptr, window);
            if (!window) return int(QDialog::Rejected);
            ++windows;
            EXPECT_EQ(expected.lines, window->Lines());
            EXPECT_EQ(ReportTitle(info.kind), window->windowTitle());
            const QFont font = window->findChild<QPlainTextEdit*>("Amemo")->font();
            EXPECT_EQ("Courier New", font.family());
            EXPECT_EQ(17, font.pixelSize());
            return int(QDialog::Rejected);
        });
        EXPECT_FALSE(FindCommand(info.commandName)->handler(host->ctx)); // reports change nothing
        EXPECT_EQ(1, windows);
    }
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(host->steps().isEmpty());
}

TEST_F(AnalyzeTest, ItemsAreEnabledAsTheReportsAllowAndCarryTheirHandlers) {
    for (const bool design : {false, true}) {
        CommandState state;
        state.designMode = design;
        host->draft().DesignMode = design;
        for (const ReportInfo& info : ReportTable()) {
            SCOPED_TRACE(std::string(info.commandName) + (design ? " in Design mode" : ""));
            const Command* item = FindCommand(info.commandName);
            ASSERT_NE(nullptr, item);
            EXPECT_EQ("Analyzemenu", std::string(item->parent));
            EXPECT_NE(nullptr, item->handler);
            EXPECT_EQ(AnalyzeCommandEnabled(info.kind, host->draft()),
                      CommandEnabled(*item, state));
        }
    }
    // A disabled report does nothing even when its handler is reached.
    host->ctx.SetDialogRunner([](QDialog&) {
        ADD_FAILURE() << "no window in Design mode";
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(AnalyzeItemClick<ReportKind::Floats>(host->ctx));
    EXPECT_TRUE(asked.empty());
}

// The letter after '&' in an entry's caption in one language; 0 without one.
QChar Mnemonic(const LangTable& table, const char* name, int language) {
    for (int r = 0; r < table.rows(); ++r) {
        if (table.words[r * (TableLanguages + 1)] != QLatin1String(name)) continue;
        const QString text = table.words[r * (TableLanguages + 1) + language];
        const qsizetype amp = text.indexOf(u'&');
        return amp < 0 || amp + 1 >= text.size() ? QChar() : text[amp + 1].toLower();
    }
    return {};
}

// Alt and a letter reach the Analyze menu and each of its reports at once, in
// every language: no other menu or report shares the letter.
TEST(AnalyzeMenuTest, KeyboardLettersAreUniqueInEveryLanguage) {
    InitMainWindowTable();
    const LangTable table = LoadLangTable(LangTablePath("mainwindow"));
    ASSERT_TRUE(table.ok());
    for (int language = 1; language <= TableLanguages; ++language) {
        SCOPED_TRACE(language);
        const QChar analyze = Mnemonic(table, "Analyzemenu", language);
        EXPECT_FALSE(analyze.isNull());
        for (const Command& c : Commands()) {
            if (c.kind != CommandKind::Menu || c.hidden || std::string(c.name) == "Analyzemenu")
                continue;
            EXPECT_NE(analyze, Mnemonic(table, c.name, language)) << c.name;
        }
        QString items;
        for (const ReportInfo& info : ReportTable()) {
            const QChar letter = Mnemonic(table, info.commandName, language);
            EXPECT_FALSE(items.contains(letter)) << info.commandName;
            items += letter;
        }
    }
}

TEST_F(AnalyzeTest, AReportThatCannotBeMadeShowsItsMessageInstead) {
    host->draft().ClearDraft();
    host->draft().UpdateExtents();
    host->ctx.SetDialogRunner([](QDialog&) {
        ADD_FAILURE() << "no report window for an empty draft";
        return int(QDialog::Rejected);
    });
    AnalyzeItemClick<ReportKind::Floats>(host->ctx);
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ(MessageKind::Information, asked[0].kind);
    EXPECT_EQ("@globnopat", asked[0].text);
}

// Print from the report window: the print dialog is answered by the test,
// which points the printer at a PDF file as a user would choose "print to file".
TEST_F(AnalyzeTest, PrintWritesThePdfChosenInThePrintDialog) {
    struct Case {
        const char* name;
        QString pdf;
        bool printed;
    };
    const Case cases[] = {
        {"to a file", dir.filePath("report.pdf"), true},
        {"to a folder that does not exist", dir.filePath("missing/report.pdf"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        asked.clear();
        int printDialogs = 0;
        host->ctx.SetDialogRunner([&](QDialog& dialog) {
            if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
                ++printDialogs;
                print->printer()->setOutputFormat(QPrinter::PdfFormat);
                print->printer()->setOutputFileName(c.pdf);
                return int(QDialog::Accepted);
            }
            auto* button = dialog.findChild<QPushButton*>("PrintButton");
            EXPECT_NE(nullptr, button);
            if (button) QTest::mouseClick(button, Qt::LeftButton);
            return int(QDialog::Rejected);
        });
        AnalyzeItemClick<ReportKind::Heddles>(host->ctx);
        EXPECT_EQ(1, printDialogs);

        QFile pdf(c.pdf);
        EXPECT_EQ(c.printed, pdf.open(QIODevice::ReadOnly));
        if (c.printed) {
            const QByteArray bytes = pdf.readAll();
            EXPECT_TRUE(bytes.startsWith("%PDF"));
            EXPECT_TRUE(bytes.contains("/Type /Page"));
            EXPECT_TRUE(asked.empty());
        } else {
            ASSERT_EQ(1u, asked.size());
            EXPECT_EQ(MessageKind::Error, asked[0].kind);
            EXPECT_EQ("@printfailed", asked[0].text);
        }
    }
}

} // namespace
} // namespace hm::test
