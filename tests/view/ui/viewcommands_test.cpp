// View commands whose dialogs and questions a test answers through the context.

#include <QInputDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/testcontext.h"
#include "view/ui/viewcommands.h"

namespace hm::test {
namespace {

TEST(ViewCommands, ZoomDialogStartsAtTheZoomAndMovesTheSliderOnlyOnAChange) {
    QTemporaryDir dir;
    TestContext t(dir.filePath("settings.ini"));
    t.draft().Zoom = 9;
    int shown = 0;
    int answer = 14;
    t.ctx.SetDialogRunner([&](QDialog& d) {
        auto& input = static_cast<QInputDialog&>(d);
        shown = input.intValue();
        input.setIntValue(answer);
        return int(QDialog::Accepted);
    });
    Zoom1Click(t.ctx);
    EXPECT_EQ(shown, 9);
    EXPECT_EQ(t.steps(), QStringList{"SetZoom 14"});
    t.steps().clear();
    answer = 9;
    Zoom1Click(t.ctx);
    EXPECT_TRUE(t.steps().isEmpty());
}

TEST(ViewCommands, AFabricViewWithoutAPatternSaysSoAndStays) {
    QTemporaryDir dir;
    TestContext t(dir.filePath("settings.ini"));
    t.draft().ClearDraft();
    std::vector<std::string> asked;
    t.ctx.SetAnswerer([&](const Message& m, const QString&) {
        asked.push_back(m.text);
        return BoxAnswer::Yes;
    });
    SwitchToFabricView(t.ctx, 0);
    EXPECT_EQ(asked, std::vector<std::string>{"@globnopat"});
    EXPECT_FALSE(t.view.FabricView);
}

TEST(ViewCommands, DesignAsksToSaveAModifiedPatternAndStaysWhenTheSaveFails) {
    QTemporaryDir dir;
    TestContext t(dir.filePath("settings.ini"));
    t.draft().ClearDraft();
    t.draft().PatternThreading[1] = 1;
    t.draft().SetLiftplan(1, 1, true);
    t.doc.Modified = true;
    t.ctx.SetAnswerer([](const Message&, const QString&) { return BoxAnswer::Yes; });
    t.host.saveAsResult = false;
    SwitchToDesign(t.ctx);
    EXPECT_FALSE(t.draft().DesignMode);
    EXPECT_TRUE(t.steps().contains("SaveAs"));
    t.host.saveAsResult = true;
    SwitchToDesign(t.ctx);
    EXPECT_TRUE(t.draft().DesignMode);
    EXPECT_TRUE(t.doc.NewPattern.DesignMode);
}

} // namespace
} // namespace hm::test
