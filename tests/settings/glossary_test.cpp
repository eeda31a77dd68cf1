// The glossary of weaving terms (src/settings/lang/glossary.tsv) and every
// translation table in the source tree: no table uses a variant the glossary
// rules out, and a control that several windows have reads the same in each.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

// Columns of a table row and of the glossary: key or idea, then the languages.
const QStringList LanguageCodes = {"en", "de", "sv", "fi"};

struct Variant {
    int column = 0; // 1 English .. 4 Finnish
    QString word;
};

struct GlossaryEntry {
    int line = 0;
    QString idea;      // the concept, as the glossary names it
    QStringList terms; // one per language
    QList<Variant> ruledOut;
};

QString SourcePath(const QString& relative) {
    return QStringLiteral(HM_SOURCE_DIR "/") + relative;
}

QStringList DataLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).remove(u'\r').split(u'\n');
}

bool IsDataLine(const QString& line) {
    return !line.isEmpty() && !line.startsWith(u'#') && !line.startsWith(u'!');
}

// Glossary rows: idea, four terms, then the ruled-out variants as
// space-separated "language:word" (a word may not contain a blank).
QList<GlossaryEntry> ReadGlossary(QStringList* faults) {
    QList<GlossaryEntry> entries;
    const QStringList lines = DataLines(SourcePath("settings/lang/glossary.tsv"));
    for (int i = 0; i < lines.size(); ++i) {
        if (!IsDataLine(lines[i])) continue;
        const QStringList fields = lines[i].split(u'\t');
        if (fields.size() < 5 || fields.size() > 6) {
            *faults << QStringLiteral("line %1: %2 fields").arg(i + 1).arg(fields.size());
            continue;
        }
        GlossaryEntry e{i + 1, fields[0], fields.mid(1, 4), {}};
        if (fields.size() == 6) {
            for (const QString& item : fields[5].split(u' ', Qt::SkipEmptyParts)) {
                const int colon = item.indexOf(u':');
                const int column = LanguageCodes.indexOf(item.left(colon)) + 1;
                if (colon < 0 || column == 0 || colon + 1 == item.size())
                    *faults << QStringLiteral("line %1: bad variant '%2'").arg(i + 1).arg(item);
                else
                    e.ruledOut.append({column, item.mid(colon + 1)});
            }
        }
        entries.append(e);
    }
    return entries;
}

// Whether `word` occurs in `text` as a whole word or as the start of a word,
// ignoring case and the '&' of accelerators.
bool HasWordStart(QString text, const QString& word) {
    text.remove(u'&');
    for (int at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(word, at + 1, Qt::CaseInsensitive)) {
        if (at == 0 || !text[at - 1].isLetter()) return true;
    }
    return false;
}

// Every translation table in the source tree except the glossary itself.
QStringList TablePaths() {
    QStringList paths;
    QDirIterator it(QStringLiteral(HM_SOURCE_DIR), {"*.tsv"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).fileName() != QLatin1String("glossary.tsv")) paths << path;
    }
    paths.sort();
    return paths;
}

TEST(Glossary, MatchesWordStartsOnlyAndIgnoresAccelerators) {
    struct Case {
        const char* text;
        const char* word;
        bool found;
    };
    const Case cases[] = {
        {"&Tromp as writ...", "Tromp", true},
        {"Solvningens startposition", "solvning", true}, // an inflected form
        {"Visa mönstersolvning", "solvning", false},     // inside a compound
        {"Anschnürung AA", "Schnürung", false},
        {"Schnürungen umkehren", "Schnürung", true},
        {"K&uviosuunnitteluSuunnittelu", "KuviosuunnitteluSuunnittelu", true},
        {"Poljennan/nostokaavan aloituskohta", "nostokaava", true},
        {"Gerader Durchzug", "durchzug", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HasWordStart(QString::fromUtf8(c.text), QString::fromUtf8(c.word)), c.found)
            << c.text << " / " << c.word;
}

TEST(Glossary, IsWellFormedAndNeverRulesOutItsOwnTerms) {
    QStringList faults;
    const QList<GlossaryEntry> entries = ReadGlossary(&faults);
    ASSERT_GT(entries.size(), 20);
    QStringList ideas;
    for (const GlossaryEntry& e : entries) {
        if (ideas.contains(e.idea)) faults << "concept twice: " + e.idea;
        ideas << e.idea;
        for (int l = 0; l < 4; ++l)
            if (e.terms[l].isEmpty()) faults << e.idea + ": no term in " + LanguageCodes[l];
        // A variant that the chosen term itself contains would flag every correct use.
        for (const Variant& v : e.ruledOut)
            for (const GlossaryEntry& other : entries)
                if (HasWordStart(other.terms[v.column - 1], v.word))
                    faults << QStringLiteral("%1 rules out '%2', which the term '%3' uses")
                                  .arg(e.idea, v.word, other.terms[v.column - 1]);
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

TEST(Glossary, NoTableUsesAVariantTheGlossaryRulesOut) {
    QStringList faults;
    const QList<GlossaryEntry> entries = ReadGlossary(&faults);
    ASSERT_FALSE(entries.isEmpty());
    const QStringList paths = TablePaths();
    ASSERT_GT(paths.size(), 10);
    for (const QString& path : paths) {
        const QStringList lines = DataLines(path);
        for (int i = 0; i < lines.size(); ++i) {
            if (!IsDataLine(lines[i])) continue;
            const QStringList fields = lines[i].split(u'\t');
            for (const GlossaryEntry& e : entries) {
                for (const Variant& v : e.ruledOut) {
                    if (v.column >= fields.size() || !HasWordStart(fields[v.column], v.word))
                        continue;
                    faults << QStringLiteral("%1:%2 (%3): '%4' instead of '%5' in \"%6\"")
                                  .arg(QFileInfo(path).fileName())
                                  .arg(i + 1)
                                  .arg(LanguageCodes[v.column - 1], v.word, e.terms[v.column - 1],
                                       fields[v.column]);
                }
            }
        }
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " ruled-out variants:\n"
                                  << faults.join(u'\n').toStdString();
}

// Labels such as "Ends:" and "Picks:" appear in several windows; where the
// English reads alike, each language gives them one form (accelerators aside).
// Controls of the same name with other English texts are other labels.
TEST(TranslationTables, AControlNamedAlikeReadsAlikeInEveryWindow) {
    struct Seen {
        QString table;
        QStringList texts;
    };
    QHash<QString, Seen> controls;
    QStringList faults;
    for (const QString& path : TablePaths()) {
        const QString table = QFileInfo(path).fileName();
        for (const QString& line : DataLines(path)) {
            const QStringList fields = line.split(u'\t');
            const QString key = fields[0];
            // Window captions, item rows, hints and messages are not controls.
            if (!IsDataLine(line) || key == QLatin1String("%Form%") || key.startsWith(u'"') ||
                key.startsWith(u'@') || fields.size() < 5)
                continue;
            QStringList texts = fields.mid(1, 4);
            for (QString& t : texts) t.remove(u'&');
            const auto it = controls.constFind(key);
            if (it == controls.constEnd())
                controls.insert(key, {table, texts});
            else if (it->texts.first() == texts.first() && it->texts != texts)
                faults << QStringLiteral("%1: %2 in %3, %4 in %5")
                              .arg(key, it->texts.join(u'/'), it->table, texts.join(u'/'), table);
        }
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();
}

} // namespace
