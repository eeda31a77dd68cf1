#pragma once
// Answers the dialogs of an output command by their objectName: the print
// dialog sends the job to a PDF file, a save dialog picks a file, a dialog of
// the program is checked and filled through its widgets. A dialog without a
// step is cancelled.

#include <QDialog>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <functional>
#include <map>

namespace hm::test {

class DialogScript {
  public:
    using Step = std::function<int(QDialog& dialog)>;

    void On(const QString& objectName, Step step) { steps_[objectName] = std::move(step); }
    QStringList seen; // the dialogs in the order they opened

    int operator()(QDialog& dialog) {
        seen << dialog.objectName();
        const auto it = steps_.find(dialog.objectName());
        return it == steps_.end() ? int(QDialog::Rejected) : it->second(dialog);
    }

  private:
    std::map<QString, Step> steps_;
};

// The print dialog's "print to file": PDF output into `path`.
inline DialogScript::Step PrintToPdf(const QString& path,
                                     QPageLayout::Orientation orientation = QPageLayout::Portrait) {
    return [path, orientation](QDialog& dialog) {
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageOrientation(orientation);
        return int(QDialog::Accepted);
    };
}

// A save dialog accepted with `path`; `folder` receives the folder it opened in.
inline DialogScript::Step SaveAs(const QString& path, QString* folder = nullptr) {
    return [path, folder](QDialog& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        if (folder) *folder = files.directory().absolutePath();
        files.selectFile(path);
        return int(QDialog::Accepted);
    };
}

// A dialog of the program, accepted after `fill` has looked at it and set it up.
template <typename Dialog>
DialogScript::Step Accept(std::function<void(Dialog& dialog)> fill = {}) {
    return [fill](QDialog& dialog) {
        if (fill) fill(static_cast<Dialog&>(dialog));
        return int(QDialog::Accepted);
    };
}

} // namespace hm::test
