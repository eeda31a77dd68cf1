// The command context's replaceable questions and dialogs, its registry of
// long-lived objects, and the dispatch of a handler under its wrapper.

#include <QDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/testcontext.h"
#include "ui/commandwrappers.h"

namespace hm::test {
namespace {

struct Margins {
    int left = 1000;
};

TEST(CommandContext, QuestionsGoToTheAnswererWithTheirShownText) {
    QTemporaryDir dir;
    TestContext t(dir.filePath("settings.ini"));
    QString shown;
    t.ctx.SetAnswerer([&](const Message&, const QString& text) {
        shown = text;
        return BoxAnswer::No;
    });
    EXPECT_EQ(t.ctx.Ask(MessageKind::ThreeWay, "Keep it", " now"), BoxAnswer::No);
    EXPECT_EQ(shown, "Keep it now?");
    // Every message of a list is shown in order.
    QStringList all;
    t.ctx.SetAnswerer([&](const Message&, const QString& text) {
        all << text;
        return BoxAnswer::Yes;
    });
    t.ctx.Show({{MessageKind::Information, "one", {}}, {MessageKind::Error, "two", {}}});
    EXPECT_EQ(all, (QStringList{"one", "two"}));
}

TEST(CommandContext, DialogsRunThroughTheRunner) {
    QTemporaryDir dir;
    TestContext t(dir.filePath("settings.ini"));
    QDialog dialog;
    dialog.setObjectName("Probe");
    QString seen;
    t.ctx.SetDialogRunner([&](QDialog& d) {
        seen = d.objectName();
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(t.ctx.Exec(dialog), QDialog::Accepted);
    EXPECT_EQ(seen, "Probe");
}

TEST(CommandContext, RegisteredObjectsAreForgottenWhenDestroyedAndOwnedStateStays) {
    QTemporaryDir dir;
    TestContext t(dir.filePath("settings.ini"));
    EXPECT_EQ(t.ctx.Find<QDialog>(), nullptr);
    auto* dialog = new QDialog;
    t.ctx.Register(dialog);
    EXPECT_EQ(t.ctx.Find<QDialog>(), dialog);
    delete dialog;
    EXPECT_EQ(t.ctx.Find<QDialog>(), nullptr);

    EXPECT_EQ(t.ctx.Find<Margins>(), nullptr);
    t.ctx.Own<Margins>().left = 250;
    EXPECT_EQ(t.ctx.Own<Margins>().left, 250);
    EXPECT_EQ(t.ctx.Find<Margins>()->left, 250);
}

bool AppliedHandler(CommandContext& ctx) {
    ctx.draft.PatternThreading[1] = 3;
    return true;
}

TEST(CommandContext, WrappedHandlerRunsInsideItsWrapperAndReportsItsResult) {
    QTemporaryDir dir;
    TestContext t(dir.filePath("settings.ini"));
    EXPECT_TRUE(RunWrapped(WrapperKind::WC, t.ctx, &AppliedHandler));
    EXPECT_EQ(t.draft().PatternThreading[1], 3);
    EXPECT_EQ(t.steps(), (QStringList{"TakeUndoSnapshot", "ClearAndRepaint", "MarkModified",
                                      "MarkUndoAvailable"}));
    EXPECT_TRUE(t.doc.Modified);
    EXPECT_TRUE(t.undo.UndoAvailable);
}

} // namespace
} // namespace hm::test
