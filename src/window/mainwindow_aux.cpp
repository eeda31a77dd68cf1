// The main window's auxiliary windows and the commands around them: notes, help,
// about box, tip of the day, Copy Image and Page Setup.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>

#include "output/pagemargins.h"
#include "settings/settingsstore.h"
#include "view/ui/draftview.h"
#include "window/aboutbox.h"
#include "window/helpbrowser.h"
#include "window/mainwindow.h"
#include "window/noteswindow.h"
#include "window/tipofday.h"

namespace hm {

TNoteForm* TWform::NoteForm() {
    if (!noteForm_) {
        const SettingsValues& v = settings_->values;
        noteForm_ = new TNoteForm(*draft_, v.Memow, v.Memoh, v.Memoleft, this);
        connect(noteForm_, &TNoteForm::noteChanged, this, [this] {
            doc_.Modified = true;
            UpdateNoteButton();
        });
    }
    return noteForm_;
}

bool TWform::Note1Click() {
    TNoteForm* notes = NoteForm();
    notes->LoadFromDraft();
    notes->show();
    notes->raise();
    notes->activateWindow();
    view_.NoteOpened = true;
    doc_.Modified = true;
    return false;
}

bool TWform::ToolButtonNoteClick() {
    // The button toggles the notes window: it closes it while it is shown.
    if (noteForm_ && noteForm_->isVisible()) {
        noteForm_->close();
        return false;
    }
    TNoteForm* notes = NoteForm();
    view_.NoteOpened = true;
    notes->LoadFromDraft();
    notes->show();
    notes->raise();
    return false;
}

void TWform::UpdateNoteButton() {
    QAction* a = Action("ToolButtonNote");
    if (!a) return;
    const bool hasText = QString::fromStdString(draft_->Note).size() >= 6;
    a->setIcon(QIcon(hasText ? QStringLiteral(":/icons/notetext.svg")
                             : QStringLiteral(":/icons/note.svg")));
}

bool TWform::HelpContentsItemClick() {
    if (!helpBrowser_) helpBrowser_ = new HelpBrowser(this);
    helpBrowser_->ShowContents();
    return false;
}

bool TWform::HelpAboutItemClick() {
    TAboutBox box(this);
    box.exec();
    return false;
}

void TWform::ShowTipOfDay() {
    auto* tip = new TTipForm(settings_->values.TipOfDay, this);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    connect(tip, &TTipForm::showAtStartupChanged, this, [this](bool show) {
        settings_->values.TipOfDay = show;
        settings_->WriteTipOfDay();
    });
    tip->show();
}

bool TWform::CopyImage1Click() {
    if (Ask(MessageKind::Confirmation, "@idcopyclip") != 1) return false;
    QCoreApplication::processEvents();
    if (!draftView_) return false;
    const bool grids = !view_.FabricView;
    if (grids) draftView_->PaintGridsInColour(0x000000);
    const QImage image = draftView_->image().convertToFormat(QImage::Format_RGB888);
    QGuiApplication::clipboard()->setImage(image);
    if (grids) draftView_->PaintGridsInColour(draft_->GridColor);
    return false;
}

bool TWform::PageSetup1Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const bool inches = draft_->Inches;
    QMarginsF margins;
    if (inches) {
        margins = QMarginsF(pageMargins_[0] / 1000.0, pageMargins_[1] / 1000.0,
                            pageMargins_[2] / 1000.0, pageMargins_[3] / 1000.0);
    } else {
        margins = QMarginsF(MarginToHundredthsMm(pageMargins_[0]) / 100.0,
                            MarginToHundredthsMm(pageMargins_[1]) / 100.0,
                            MarginToHundredthsMm(pageMargins_[2]) / 100.0,
                            MarginToHundredthsMm(pageMargins_[3]) / 100.0);
    }
    const QPageLayout::Unit unit = inches ? QPageLayout::Inch : QPageLayout::Millimeter;
    printer.setPageLayout(QPageLayout(printer.pageLayout().pageSize(),
                                      printer.pageLayout().orientation(), QMarginsF(), unit));
    printer.setPageMargins(margins, unit);
    QPageSetupDialog dialog(&printer, this);
    dialog.setObjectName("PageSetupDialog");
    if (dialog.exec() != QDialog::Accepted) return false;
    const QMarginsF m = printer.pageLayout().margins(unit);
    auto back = [inches](double value) {
        return inches ? static_cast<int>(std::lround(value * 1000.0))
                      : MarginFromHundredthsMm(static_cast<int>(std::lround(value * 100.0)));
    };
    pageMargins_[0] = back(m.left());
    pageMargins_[1] = back(m.top());
    pageMargins_[2] = back(m.right());
    pageMargins_[3] = back(m.bottom());
    return false;
}

} // namespace hm
