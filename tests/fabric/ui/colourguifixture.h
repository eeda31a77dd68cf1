#pragma once
// A command context for driving the colour windows and dialogs: the colour
// chooser answers with a colour set by the test (or is cancelled), questions
// are recorded and answered, and other dialogs run a script.

#include <QColorDialog>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

#include "fabric/ui/colourwidgets.h"
#include "support/childwidgets.h"
#include "support/testcontext.h"

namespace hm::test {

using hmtest::Child;

class ColourGuiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Every entry its own colour, so that a wrong move shows.
        for (int i = 0; i < PaletteEntries; ++i)
            t.draft().PaletteRGB[static_cast<size_t>(i)] = {static_cast<uint8_t>(i),
                                                            static_cast<uint8_t>(i * 7),
                                                            static_cast<uint8_t>(255 - i)};
        t.draft().RebuildPaletteFromRGB();
        t.ctx.SetAnswerer([this](const Message&, const QString& text) {
            asked << text;
            return answer;
        });
        t.ctx.SetDialogRunner([this](QDialog& dialog) {
            if (auto* chooser = qobject_cast<QColorDialog*>(&dialog)) {
                chooserStart = chooser->currentColor();
                if (!chosen) return int(QDialog::Rejected);
                chooser->setCurrentColor(*chosen);
                return int(QDialog::Accepted);
            }
            return script ? script(dialog) : int(QDialog::Rejected);
        });
    }

    void ClickCell(PaletteGridWidget* grid, int index) {
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellCentre(index));
    }
    // As a mouse does it: the first click arrives as a click of its own.
    void DoubleClickCell(PaletteGridWidget* grid, int index) {
        ClickCell(grid, index);
        QTest::mouseDClick(grid, Qt::LeftButton, {}, grid->CellCentre(index));
    }
    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    uint32_t Entry(int index) { return t.draft().Palette[static_cast<size_t>(index)]; }

    QTemporaryDir dir;
    TestContext t{dir.filePath("settings.ini")};
    QStringList asked;                   // texts of the questions asked
    BoxAnswer answer = BoxAnswer::Yes;   // how they are answered
    std::optional<QColor> chosen;        // the chooser's answer; none cancels it
    QColor chooserStart;                 // the colour the chooser opened with
    std::function<int(QDialog&)> script; // runs every other dialog
};

} // namespace hm::test
