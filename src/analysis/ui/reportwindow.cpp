#include "analysis/ui/reportwindow.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/ui/analysistexts.h"
#include "output/reportprint.h"
#include "settings/ui/multilang.h"
#include "ui/messagebox.h"

namespace hm {

namespace {

// The memo's font: fontconfig gives a metric-compatible face where
// "Courier New" itself is missing; the hints keep it fixed-pitch either way.
QFont MemoFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(17);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TRtxtDlg::TRtxtDlg(const QString& title, const QStringList& lines, QWidget* parent, Hooks hooks)
    : QDialog(parent), lines_(lines), hooks_(std::move(hooks)) {
    InitAnalysisResources();
    setObjectName(QStringLiteral("TRtxtDlg"));
    setWindowTitle(title);
    setModal(true);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Amemo"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFont(MemoFont());
    memo_->setPlainText(lines.join(u'\n'));

    QPushButton* print = MakeButton(this, "PrintButton", "Print");
    QPushButton* close = MakeButton(this, "CloseButton", "Close");
    close->setDefault(true);
    connect(print, &QPushButton::clicked, this, [this] { Print(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_);
    layout->addLayout(buttons);

    // Wide enough for the widest line and tall enough for the whole report,
    // up to a size that fits a small screen; longer reports scroll.
    const QFontMetrics metrics(memo_->font());
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    const int tall = static_cast<int>(lines.size()) * metrics.lineSpacing();
    resize(std::clamp(widest + 80, 480, 900), std::clamp(tall + 100, 320, 700));

    lang_ = new TMultiLang(this, QStringLiteral("reportwindow"));
}

QStringList TRtxtDlg::Lines() const {
    return memo_->toPlainText().split(u'\n');
}

void TRtxtDlg::PrepareOutput(QPrinter& printer) const {
    printer.setDocName(windowTitle().trimmed());
    if (!QPrinterInfo::availablePrinters().isEmpty()) return;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir(folder).filePath(windowTitle().trimmed() + ".pdf"));
}

bool TRtxtDlg::Print() {
    QPrinter printer(QPrinter::HighResolution);
    PrepareOutput(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    const int answer = hooks_.exec ? hooks_.exec(dialog) : dialog.exec();
    if (answer != QDialog::Accepted) return false;
    if (PrintReport(printer, lines_) > 0) return true;
    const Message failed{MessageKind::Error, "@printfailed", {}};
    if (hooks_.show)
        hooks_.show(failed);
    else
        ShowMessageBox(this, failed.kind, MessageBoxText(failed));
    return false;
}

} // namespace hm
