#include "settings/langtable.h"

#include <QDir>
#include <QFile>

// The tables of this folder are compiled into the static core library; the
// resource must be registered explicitly or the linker drops it.
static void InitLangResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(settings_lang);
        return true;
    }();
    (void)done;
}

namespace hm {

namespace {

QString Unescape(QStringView field) {
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c != u'\\' || i + 1 >= field.size()) {
            out += c;
            continue;
        }
        const QChar n = field[++i];
        if (n == u't')
            out += u'\t';
        else if (n == u'n')
            out += u'\n';
        else if (n == u'r')
            out += u'\r';
        else if (n == u'\\')
            out += u'\\';
        else {
            // An unknown escape stays as written.
            out += c;
            out += n;
        }
    }
    return out;
}

} // namespace

LangTable ParseLangTable(const QString& text) {
    LangTable t;
    const QStringList lines = text.split(u'\n');
    for (qsizetype ln = 0; ln < lines.size(); ++ln) {
        QStringView line = lines[ln];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QList<QStringView> fields = line.split(u'\t');
        const QString where = QStringLiteral("line %1: ").arg(ln + 1);
        if (line.startsWith(u'!')) {
            const QStringView name = fields[0].mid(1);
            if (name.compare(u"DefaultEnabled", Qt::CaseInsensitive) == 0) {
                t.defaultEnabled = fields.size() < 2 || fields[1].trimmed() == u"1" ||
                                   fields[1].trimmed().compare(u"true", Qt::CaseInsensitive) == 0;
            } else if (name.compare(u"DoNot", Qt::CaseInsensitive) == 0) {
                for (qsizetype i = 1; i < fields.size(); ++i)
                    if (!fields[i].trimmed().isEmpty()) t.doNot << fields[i].trimmed().toString();
            } else {
                t.errors << where + QStringLiteral("unknown setting \"%1\"").arg(name);
            }
            continue;
        }
        if (fields.size() > TableLanguages + 1) {
            t.errors << where + QStringLiteral("%1 fields, at most %2 expected")
                                    .arg(fields.size())
                                    .arg(TableLanguages + 1);
            continue;
        }
        if (fields[0].isEmpty()) {
            t.errors << where + QStringLiteral("row without a key");
            continue;
        }
        t.words << fields[0].toString();
        for (int i = 1; i <= TableLanguages; ++i)
            t.words << (i < fields.size() ? Unescape(fields[i]) : QString());
    }
    return t;
}

LangTable LoadLangTable(const QString& path) {
    InitLangResources();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        LangTable t;
        t.errors << QStringLiteral("cannot open %1").arg(path);
        return t;
    }
    return ParseLangTable(QString::fromUtf8(f.readAll()));
}

QString LangTablePath(const QString& name) {
    return QStringLiteral(":/lang/") + name + QStringLiteral(".tsv");
}

QStringList AvailableLangTables() {
    InitLangResources();
    QStringList names;
    const QStringList files =
        QDir(QStringLiteral(":/lang")).entryList({QStringLiteral("*.tsv")}, QDir::Files);
    for (const QString& f : files) names << f.chopped(4);
    names.sort();
    return names;
}

} // namespace hm
