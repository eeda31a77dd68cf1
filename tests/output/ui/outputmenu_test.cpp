// Every print job and image export through its menu item in the main window,
// the print jobs printed to a PDF file by the print dialog. With
// HM_OUTPUT_SAMPLES set to a folder the PDFs and images are kept there to be
// looked at.

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "dialogscript.h"
#include "output/ui/numbersdialog.h"
#include "output/ui/printdraftdialog.h"
#include "output/ui/printfabricdialog.h"
#include "output/ui/savedraftpngdialog.h"
#include "view/sampledraft.h"
#include "window/mainwindow_fixture.h"

namespace hm::testing {
namespace {

class PrintMenuTest : public MainWindowTest {
  protected:
    TWform& MakeWithSample() {
        TWform& w = Make(true);
        w.draft() = *test::MakeSampleDraft();
        w.draft().Note = "Linen and wool, sett 24 per inch.\nWashed after weaving.";
        w.doc().CurrentName = "sample";
        w.Update();
        w.context().SetDialogRunner([this](QDialog& d) { return script_(d); });
        const QByteArray kept = qgetenv("HM_OUTPUT_SAMPLES");
        out_ = kept.isEmpty() ? dir_->path() : QString::fromLocal8Bit(kept);
        return w;
    }
    QByteArray Read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The document title as the PDF's information dictionary holds it (UTF-16).
    static bool HasTitle(const QByteArray& pdf, const QString& title) {
        QByteArray utf16("\xFE\xFF", 2);
        for (QChar c : title) {
            utf16.append(char(c.unicode() >> 8));
            utf16.append(char(c.unicode() & 0xFF));
        }
        return pdf.contains(utf16) || pdf.contains(title.toLatin1());
    }

    test::DialogScript script_;
    QString out_;
};

TEST_F(PrintMenuTest, EachPrintItemWritesItsPdfWithTheSubmenuDisabledWhileItRuns) {
    TWform& w = MakeWithSample();
    struct Job {
        const char* item;
        QString title;
        bool locksPrintMenu;
    } jobs[] = {
        {"AsDraft1", "Heddlemark - sample", true},
        {"AsFabric1", "Heddlemark - sample", true},
        {"AsViewed1", "Heddlemark - sample", true},
        {"PrNumThreading", "Heddlemark Numeric 1", false},
        {"PrNumLiftplan", "Heddlemark Numeric 2", false},
        {"WarpColors1", "Heddlemark Numeric 3", false},
    };
    script_.On("TPdraftDlg", test::Accept<TPdraftDlg>([](TPdraftDlg& d) {
                   d.findChild<QSpinBox*>("endspin")->setValue(48);
                   d.findChild<QSpinBox*>("pickspin")->setValue(32);
               }));
    script_.On("TPfabDlg", test::Accept<TPfabDlg>([](TPfabDlg& d) {
                   d.findChild<QSpinBox*>("endspin")->setValue(120);
                   d.findChild<QSpinBox*>("pickspin")->setValue(90);
               }));
    script_.On("TNumbersDlg", test::Accept<TNumbersDlg>());
    for (const Job& job : jobs) {
        SCOPED_TRACE(job.item);
        const QString pdf = out_ + "/" + job.item + ".pdf";
        QFile::remove(pdf);
        bool menuEnabledInDialog = true;
        script_.On("PrintDialog", [&](QDialog& d) {
            menuEnabledInDialog = Enabled("FilePrintItem");
            return test::PrintToPdf(pdf)(d);
        });
        w.Action(job.item)->trigger();
        EXPECT_EQ(menuEnabledInDialog, !job.locksPrintMenu);
        EXPECT_TRUE(Enabled("FilePrintItem"));
        const QByteArray bytes = Read(pdf);
        EXPECT_TRUE(bytes.startsWith("%PDF-"));
        EXPECT_TRUE(HasTitle(bytes, job.title));
    }
}

TEST_F(PrintMenuTest, APdfThatCannotBeWrittenIsReportedAndLeavesNoFile) {
    TWform& w = MakeWithSample();
    const QString pdf = dir_->path() + "/no-such-folder/screen.pdf";
    script_.On("PrintDialog", test::PrintToPdf(pdf));
    w.Action("AsViewed1")->trigger();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0], "File Write Error: ");
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintMenuTest, NumericListsOnLandscapePaperProposeTheWiderBlock) {
    TWform& w = MakeWithSample();
    // 90 used ends: more than a portrait block of 75, within a landscape one of 100.
    w.draft().Ends = 90;
    int proposed = 0;
    script_.On("PrintDialog", test::PrintToPdf(dir_->path() + "/wide.pdf", QPageLayout::Landscape));
    script_.On("TNumbersDlg", [&](QDialog& d) {
        proposed = d.findChild<QSpinBox*>("SpinEdit2")->value();
        return int(QDialog::Rejected);
    });
    w.Action("PrNumThreading")->trigger();
    EXPECT_EQ(proposed, 90);
    EXPECT_FALSE(QFile::exists(dir_->path() + "/wide.pdf"));
}

TEST_F(PrintMenuTest, ExportsWriteTheirPicturesWithTheTranslatedCaptionAsTitle) {
    TWform& w = MakeWithSample();
    w.Action("Deutsch1")->trigger();
    QStringList titles;
    script_.On("TNumbersDlg", [&](QDialog& d) {
        titles << d.windowTitle();
        d.findChild<QSpinBox*>("SpinEdit1")->setValue(96);
        d.findChild<QSpinBox*>("SpinEdit2")->setValue(64);
        return int(QDialog::Accepted);
    });
    script_.On("TSaveDraftPngDlg", test::Accept<TSaveDraftPngDlg>([](TSaveDraftPngDlg& d) {
                   d.findChild<QSpinBox*>("endspin")->setValue(24);
                   d.findChild<QSpinBox*>("pickspin")->setValue(16);
                   d.findChild<QSpinBox*>("PixelsSpin")->setValue(14);
                   d.findChild<QCheckBox*>("NumbersBox")->setChecked(true);
               }));
    const QString fabric = out_ + "/fabric.png", drawdown = out_ + "/drawdown.bmp",
                  draft = out_ + "/draft.png";
    script_.On("SaveFabricPngDialog", test::SaveAs(fabric));
    script_.On("SaveBmpDialog", test::SaveAs(drawdown));
    script_.On("SaveDraftPngDialog", test::SaveAs(draft));
    w.Action("PNG1")->trigger();
    w.Action("BMP1")->trigger();
    w.Action("SaveDraftasPNGimage1")->trigger();
    EXPECT_EQ(titles, (QStringList{"Gewebe als PNG-Bild speichern...",
                                   "Bindungsbild als BMP-Bild speichern..."}));
    EXPECT_TRUE(asked_.empty());
    EXPECT_EQ(QImage(fabric).size(), QSize(96, 64));
    EXPECT_EQ(QImage(drawdown).size(), QSize(96, 64));
    EXPECT_FALSE(QImage(draft).isNull());
}

} // namespace
} // namespace hm::testing
