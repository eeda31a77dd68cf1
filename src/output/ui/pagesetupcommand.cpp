#include "output/ui/pagesetupcommand.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>
#include <cmath>

#include "model/draft.h"
#include "output/pagemargins.h"
#include "ui/commandcontext.h"

namespace hm {

bool PageSetup1Click(CommandContext& ctx) {
    PageMargins& margins = ctx.Own<PageMargins>();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const bool inches = ctx.draft.Inches;
    // Inches show thousandths of an inch; millimetres show whole millimetres.
    auto shown = [inches](int margin) {
        return inches ? margin / 1000.0 : MarginToHundredthsMm(margin) / 100.0;
    };
    auto back = [inches](double value) {
        return inches ? static_cast<int>(std::lround(value * 1000.0))
                      : MarginFromHundredthsMm(static_cast<int>(std::lround(value * 100.0)));
    };
    const QPageLayout::Unit unit = inches ? QPageLayout::Inch : QPageLayout::Millimeter;
    printer.setPageLayout(QPageLayout(printer.pageLayout().pageSize(),
                                      printer.pageLayout().orientation(), QMarginsF(), unit));
    printer.setPageMargins(QMarginsF(shown(margins.left), shown(margins.top), shown(margins.right),
                                     shown(margins.bottom)),
                           unit);
    QPageSetupDialog dialog(&printer, ctx.dialogParent);
    dialog.setObjectName(QStringLiteral("PageSetupDialog"));
    if (ctx.Exec(dialog) != QDialog::Accepted) return false;
    const QMarginsF m = printer.pageLayout().margins(unit);
    margins = {back(m.left()), back(m.top()), back(m.right()), back(m.bottom())};
    return false;
}

} // namespace hm
