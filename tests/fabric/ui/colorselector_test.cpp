#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <memory>

#include "fabric/ui/colorselector.h"
#include "model/draft.h"

namespace hm {
namespace {

QColor Rgb(uint32_t c) {
    return QColor(ColorRed(c), ColorGreen(c), ColorBlue(c));
}

TEST(ColorEntry, DrawsWhiteMarginSwatchAndBlackNumber) {
    QImage img(77, 20, QImage::Format_RGB32);
    img.fill(Qt::red);
    {
        QPainter p(&img);
        PaintColorEntry(p, img.rect(), 123, MakeColor(20, 140, 220), false);
    }
    const QColor swatch(20, 140, 220);
    // The swatch: 28 pixels wide from x 2, 2 pixels from the top and bottom.
    EXPECT_EQ(img.pixelColor(2, 2), swatch);
    EXPECT_EQ(img.pixelColor(29, 17), swatch);
    EXPECT_EQ(img.pixelColor(15, 10), swatch);
    // The margin around it is white.
    EXPECT_EQ(img.pixelColor(1, 10), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(15, 1), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(15, 18), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(30, 10), QColor(Qt::white));
    // The number is drawn right of the swatch in dark pixels only.
    int dark = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 31; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            EXPECT_EQ(c.red(), c.green()) << "number must be black on white at " << x << "," << y;
            EXPECT_EQ(c.green(), c.blue());
            if (c.lightness() < 128) ++dark;
        }
    EXPECT_GT(dark, 5);
}

class ColorSelectorTest : public ::testing::Test {
  protected:
    std::unique_ptr<Draft> draft = std::make_unique<Draft>();
    ColorSelector selector;
};

TEST_F(ColorSelectorTest, HasTheFormsNameWidthAndAll256Entries) {
    EXPECT_EQ(selector.objectName(), QStringLiteral("ComboBoxL"));
    EXPECT_EQ(selector.width(), 77);
    ASSERT_EQ(selector.count(), 256);
    EXPECT_EQ(selector.itemText(0), QStringLiteral("0"));
    EXPECT_EQ(selector.itemText(255), QStringLiteral("255"));
}

TEST_F(ColorSelectorTest, ShowsTheCurrentEntrysPaletteColour) {
    selector.SetDraft(draft.get());
    draft->Palette[40] = MakeColor(193, 210, 255);
    selector.SetCurrentColor(40);
    selector.resize(77, 24);
    QImage shot = selector.grab().toImage();

    QStyleOptionComboBox option;
    option.initFrom(&selector);
    const QRect field = selector.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, &selector);
    const QPoint inSwatch(field.left() + 2 + 14, field.center().y());
    EXPECT_EQ(shot.pixelColor(inSwatch), Rgb(draft->Palette[40]));

    // A palette change shows after Refresh.
    draft->Palette[40] = MakeColor(10, 20, 30);
    selector.Refresh();
    shot = selector.grab().toImage();
    EXPECT_EQ(shot.pixelColor(inSwatch), QColor(10, 20, 30));
}

TEST_F(ColorSelectorTest, ListEntriesAreDrawnByTheDelegate) {
    selector.SetDraft(draft.get());
    draft->Palette[6] = MakeColor(245, 0, 32);
    QAbstractItemView* view = selector.view();
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 77, 18);
    option.state = QStyle::State_Enabled;
    QImage img(77, 18, QImage::Format_RGB32);
    {
        QPainter p(&img);
        view->itemDelegate()->paint(&p, option, view->model()->index(6, 0));
    }
    EXPECT_EQ(img.pixelColor(10, 9), QColor(245, 0, 32));
    EXPECT_EQ(img.pixelColor(0, 9), QColor(Qt::white));
}

TEST_F(ColorSelectorTest, ReportsOnlyTheUsersChoice) {
    QSignalSpy spy(&selector, &ColorSelector::colorChosen);
    selector.SetCurrentColor(17);
    EXPECT_EQ(selector.CurrentColor(), 17);
    EXPECT_EQ(spy.count(), 0);
    selector.SetCurrentColor(256); // out of range: ignored
    selector.SetCurrentColor(-1);
    EXPECT_EQ(selector.CurrentColor(), 17);
    emit selector.activated(5);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 5);
}

} // namespace
} // namespace hm
