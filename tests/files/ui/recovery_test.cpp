// Recovery copies: written for a modified draft, offered after a program ended
// without a clean exit, removed by a clean exit.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "files/hdxfile.h"
#include "files/recoverystore.h"
#include "files/ui/filecommands.h"
#include "support/testcontext.h"
#include "testsupport.h"

namespace hm::test {
namespace {

class RecoveryTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString folder() const { return dir.filePath("recovery"); }
    std::unique_ptr<TestContext> NewHost() {
        return std::make_unique<TestContext>(dir.filePath("settings.ini"));
    }
    int CopiesOnDisk() const {
        return static_cast<int>(QDir(folder()).entryList({"*.hdx"}, QDir::Files).size());
    }
};

TEST_F(RecoveryTest, ACopyLeftByACrashIsOfferedAndRestored) {
    auto crashedHost = NewHost();
    auto crashed = std::make_unique<FileCommands>(crashedHost->ctx, nullptr, folder());
    crashedHost->draft() = *MakeComplexDraft(3);
    crashedHost->doc.CurrentFile = dir.filePath("work.hdx");
    crashedHost->doc.Modified = true;
    ASSERT_TRUE(crashed->UpdateRecoveryCopy());
    const Draft lost = crashedHost->draft();
    // The program dies: no clean exit, the session's lock goes with it.
    crashed.reset();
    ASSERT_EQ(1, CopiesOnDisk());

    auto host = NewHost();
    FileCommands commands(host->ctx, nullptr, folder());
    QString text;
    AnswerNextBox("YesButton", &text);
    ASSERT_TRUE(commands.OfferRecovery());
    EXPECT_TRUE(text.endsWith("work.hdx?")) << text.toStdString();
    ExpectSameCdDraft(lost, host->draft());
    EXPECT_TRUE(host->doc.Modified); // still not saved in its own file
    EXPECT_EQ(dir.filePath("work.hdx"), host->doc.CurrentFile);
    EXPECT_FALSE(host->doc.RevertAvailable); // work.hdx itself was never written
    // The restored work now lives in this session's copy only.
    EXPECT_TRUE(commands.Recovery().HasCopy());
    EXPECT_EQ(1, CopiesOnDisk());

    // A clean exit removes it, and the next start offers nothing.
    commands.CleanExit();
    EXPECT_EQ(0, CopiesOnDisk());
    auto nextHost = NewHost();
    FileCommands next(nextHost->ctx, nullptr, folder());
    EXPECT_FALSE(next.OfferRecovery());
}

TEST_F(RecoveryTest, DecliningTheOfferRemovesTheCopy) {
    {
        auto crashedHost = NewHost();
        FileCommands crashed(crashedHost->ctx, nullptr, folder());
        crashedHost->draft() = *MakeComplexDraft(1);
        crashedHost->doc.Modified = true;
        ASSERT_TRUE(crashed.UpdateRecoveryCopy());
    }
    auto host = NewHost();
    FileCommands commands(host->ctx, nullptr, folder());
    const Draft before = host->draft();
    QString text;
    AnswerNextBox("NoButton", &text);
    EXPECT_FALSE(commands.OfferRecovery());
    EXPECT_TRUE(text.endsWith("Restore the unsaved pattern?")) << text.toStdString();
    EXPECT_EQ(0, CopiesOnDisk());
    EXPECT_TRUE(host->draft().PatternThreading.bytes == before.PatternThreading.bytes);
}

TEST_F(RecoveryTest, TheCopyOfARunningProgramIsNotOffered) {
    auto otherHost = NewHost();
    FileCommands other(otherHost->ctx, nullptr, folder());
    otherHost->doc.Modified = true;
    ASSERT_TRUE(other.UpdateRecoveryCopy());
    auto host = NewHost();
    FileCommands commands(host->ctx, nullptr, folder());
    EXPECT_FALSE(commands.OfferRecovery());
    EXPECT_TRUE(other.Recovery().HasCopy());
}

TEST_F(RecoveryTest, CopiesFollowEditsAndVanishOnceTheDraftIsSaved) {
    auto host = NewHost();
    FileCommands commands(host->ctx, nullptr, folder());
    commands.SetRecoveryTiming(60 * 60 * 1000, 20);
    host->doc.Modified = true;
    host->draft().PatternThreading[1] = 11;
    commands.DraftEdited();
    EXPECT_TRUE(QTest::qWaitFor([&] { return commands.Recovery().HasCopy(); }, 3000));
    Draft copy;
    ReadCdPatternFile(copy, commands.Recovery().DraftPath(), HdxComponents::All());
    EXPECT_EQ(11, copy.PatternThreading[1]);

    // The periodic copy picks up later edits too.
    commands.SetRecoveryTiming(20, 60 * 60 * 1000);
    host->draft().PatternThreading[1] = 12;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            Draft again;
            ReadCdPatternFile(again, commands.Recovery().DraftPath(), HdxComponents::All());
            return again.PatternThreading[1] == 12;
        },
        3000));

    // Saving makes the copy unnecessary.
    ASSERT_TRUE(commands.SaveTo(dir.filePath("saved.hdx")));
    EXPECT_FALSE(commands.Recovery().HasCopy());
}

} // namespace
} // namespace hm::test
