// Reading translation tables from text.
#include <gtest/gtest.h>

#include "settings/langtable.h"

using namespace hm;

TEST(LangTable, ReadsRowsSettingsAndEscapes) {
    const LangTable t = ParseLangTable(QStringLiteral("# comment\n"
                                                      "!DefaultEnabled\t1\n"
                                                      "!DoNot\t%Form%\tKeyThreading\n"
                                                      "\n"
                                                      "@a\tOne\\rTwo\tEins\tEtt\tYksi\r\n"
                                                      "\"\t  spaced  \t\tx\\\\y\ttab\\there\n"
                                                      "@short\tOnly English\n"));
    EXPECT_TRUE(t.ok()) << t.errors.join(u'\n').toStdString();
    EXPECT_TRUE(t.defaultEnabled);
    EXPECT_EQ(t.doNot, (QStringList{"%Form%", "KeyThreading"}));
    ASSERT_EQ(t.rows(), 3);
    EXPECT_EQ(t.words.mid(0, 5), (QStringList{"@a", "One\rTwo", "Eins", "Ett", "Yksi"}));
    // Blanks are kept, an empty field stays empty, escapes are undone.
    EXPECT_EQ(t.words.mid(5, 5), (QStringList{"\"", "  spaced  ", "", "x\\y", "tab\there"}));
    // Missing trailing entries are empty.
    EXPECT_EQ(t.words.mid(10, 5), (QStringList{"@short", "Only English", "", "", ""}));
}

TEST(LangTable, ReportsBadRowsAndKeepsTheRest) {
    const LangTable t = ParseLangTable(QStringLiteral("@ok\ta\tb\tc\td\n"
                                                      "@bad\ta\tb\tc\td\te\n"
                                                      "\tno key\n"
                                                      "!Unknown\t1\n"
                                                      "@ok2\ta\n"));
    EXPECT_EQ(t.errors.size(), 3);
    EXPECT_TRUE(t.errors[0].startsWith("line 2:"));
    EXPECT_FALSE(t.defaultEnabled);
    ASSERT_EQ(t.rows(), 2);
    EXPECT_EQ(t.words[0], "@ok");
    EXPECT_EQ(t.words[5], "@ok2");
}

TEST(LangTable, MissingFileIsAnErrorNotACrash) {
    const LangTable t = LoadLangTable(QStringLiteral(":/lang/no-such-window.tsv"));
    EXPECT_FALSE(t.ok());
    EXPECT_EQ(t.rows(), 0);
}

TEST(LangTable, BuiltInTablesAreListed) {
    const QStringList names = AvailableLangTables();
    EXPECT_TRUE(names.contains("general"));
    EXPECT_TRUE(names.contains("complexdrafting"));
}
