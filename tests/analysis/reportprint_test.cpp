// Printing a report as text onto a paged device.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "output/reportprint.h"

using namespace hm;

namespace {

QStringList NumberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QStringLiteral("line %1").arg(i);
    return lines;
}

int PdfPageCount(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = f.readAll();
    return static_cast<int>(pdf.count("/Type /Page") - pdf.count("/Type /Pages"));
}

} // namespace

TEST(ReportPrint, TextHasThreeEmptyLinesAndASixteenBlankMargin) {
    const QStringList text = ReportPrintText({"", "  Warp Floats"});
    const QStringList expected = {"", "", "", QString(16, u' '),
                                  QString(16, u' ') + "  Warp Floats"};
    EXPECT_EQ(text, expected);
}

TEST(ReportPrint, FixedPitchTwelvePointFont) {
    const QFont font = ReportPrintFont();
    EXPECT_EQ(font.family(), "Courier New");
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_TRUE(QFontInfo(font).fixedPitch());
}

TEST(ReportPrint, LinesRunOverAsManyPagesAsNeeded) {
    QTemporaryDir dir;
    struct Case {
        int lines, pages;
    };
    const QString probePath = dir.filePath("probe.pdf");
    QPdfWriter probe(probePath);
    probe.setResolution(300);
    const int perPage = ReportLinesPerPage(probe);
    ASSERT_GT(perPage, 20) << "a page holds a few dozen lines of 12 point text";

    // The three leading lines count: a report of perPage - 3 lines fills exactly one page.
    const Case cases[] = {{1, 1}, {perPage - 3, 1}, {perPage - 2, 2}, {3 * perPage - 3, 3}};
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("r%1.pdf").arg(c.lines));
        {
            QPdfWriter writer(path);
            writer.setResolution(300);
            EXPECT_EQ(PrintReport(writer, NumberedLines(c.lines)), c.pages) << c.lines;
        }
        EXPECT_EQ(PdfPageCount(path), c.pages) << c.lines;
    }
}
