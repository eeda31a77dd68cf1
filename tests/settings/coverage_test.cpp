// Every message key the program asks for has a text, and every table has all
// four languages.
#include <gtest/gtest.h>

#include <QFile>

#include "settings/langtable.h"

using namespace hm;

namespace {

QStringList RequiredKeys() {
    QFile f(QStringLiteral(":/testdata/required_message_keys.txt"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList keys;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n')) {
        const QString k = line.trimmed();
        if (!k.isEmpty() && !k.startsWith(u'#')) keys << k;
    }
    return keys;
}

struct Found {
    QString table;
    const LangTable* t = nullptr;
    int row = -1;
};

} // namespace

TEST(Coverage, EveryRequiredMessageKeyHasATextInEveryLanguage) {
    const QStringList keys = RequiredKeys();
    ASSERT_GT(keys.size(), 100);

    QList<QPair<QString, LangTable>> tables;
    for (const QString& name : AvailableLangTables())
        tables.append({name, LoadLangTable(LangTablePath(name))});

    QStringList missing, empty;
    for (const QString& key : keys) {
        Found f;
        for (const auto& [name, t] : tables) {
            for (int r = 0; r < t.rows() && f.row < 0; ++r)
                if (t.words[r * (TableLanguages + 1)].compare(key, Qt::CaseInsensitive) == 0)
                    f = Found{name, &t, r};
            if (f.row >= 0) break;
        }
        if (f.row < 0) {
            missing << key;
            continue;
        }
        const int base = f.row * (TableLanguages + 1);
        // The English text must always be there; the others may be empty only
        // where the table falls back to English.
        if (f.t->words[base + 1].isEmpty()) empty << key + " (English) in " + f.table;
        if (!f.t->defaultEnabled)
            for (int l = 1; l <= TableLanguages; ++l)
                if (f.t->words[base + l].isEmpty())
                    empty
                        << QStringLiteral("%1 (column %2) in %3").arg(key).arg(l - 1).arg(f.table);
    }
    EXPECT_TRUE(missing.isEmpty()) << "missing: " << missing.join(", ").toStdString();
    EXPECT_TRUE(empty.isEmpty()) << "empty: " << empty.join(", ").toStdString();
}

TEST(Coverage, EveryTableReadsCleanlyWithFourLanguages) {
    const QStringList names = AvailableLangTables();
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile f(LangTablePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const LangTable t = ParseLangTable(QString::fromUtf8(f.readAll()));
        EXPECT_TRUE(t.ok()) << t.errors.join(u'\n').toStdString();
        // Every row names all four columns, and none is left empty unless the
        // table falls back to English.
        int lineNo = 0;
        f.seek(0);
        for (const QByteArray& raw : f.readAll().split('\n')) {
            ++lineNo;
            const QString line = QString::fromUtf8(raw).remove(u'\r');
            if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u'!')) continue;
            const QStringList fields = line.split(u'\t');
            EXPECT_EQ(fields.size(), TableLanguages + 1) << "line " << lineNo;
            if (fields.size() != TableLanguages + 1 || fields[1].isEmpty() || t.defaultEnabled)
                continue;
            for (int l = 2; l <= TableLanguages; ++l) {
                EXPECT_FALSE(fields[l].isEmpty()) << "line " << lineNo << " column " << l - 1;
            }
        }
    }
}
