// The translation tables of the open and save dialogs: readable, and every text
// present in all four languages.
#include <gtest/gtest.h>

#include "files/ui/filecommandtexts.h"
#include "settings/langtable.h"

namespace hm::test {
namespace {

TEST(FileCommandTables, EveryRowHasAllFourLanguages) {
    InitFileCommandResources();
    for (const char* name : {"filecommands", "loadhdm", "loadhdx", "blendliftplan", "newpattern"}) {
        SCOPED_TRACE(name);
        const LangTable table = LoadLangTable(LangTablePath(QString::fromLatin1(name)));
        ASSERT_TRUE(table.ok()) << table.errors.join("; ").toStdString();
        ASSERT_GT(table.rows(), 0);
        for (int r = 0; r < table.rows(); ++r) {
            const QString key = table.words[r * (TableLanguages + 1)];
            for (int l = 1; l <= TableLanguages; ++l)
                EXPECT_FALSE(table.words[r * (TableLanguages + 1) + l].isEmpty())
                    << key.toStdString() << " language " << l;
        }
    }
}

TEST(FileCommandTables, FiltersKeepTheirPatternsInEveryLanguage) {
    InitFileCommandResources();
    const LangTable table = LoadLangTable(LangTablePath("filecommands"));
    for (int r = 0; r < table.rows(); ++r) {
        const QString key = table.words[r * (TableLanguages + 1)];
        if (!key.endsWith("filter")) continue;
        const QString english = table.words[r * (TableLanguages + 1) + 1];
        const int patterns = static_cast<int>(english.count('('));
        for (int l = 2; l <= TableLanguages; ++l)
            EXPECT_EQ(patterns, table.words[r * (TableLanguages + 1) + l].count("(*"))
                << key.toStdString() << " language " << l;
    }
}

} // namespace
} // namespace hm::test
