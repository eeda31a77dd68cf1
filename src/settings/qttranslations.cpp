#include "settings/qttranslations.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "settings/basemultilang.h"
#include "settings/langtable.h"

namespace hm {

namespace {

// The texts Qt's installed translation lacks for a language, from our table;
// installed before Qt's translation, so that Qt asks it only when its own has
// nothing.
class SupplementTranslator : public QTranslator {
  public:
    explicit SupplementTranslator(int language) {
        const LangTable table = LoadLangTable(LangTablePath(QStringLiteral("qtdialogs")));
        for (int row = 0; row < table.rows(); ++row) {
            const qsizetype base = row * (TableLanguages + 1);
            const QString& text = table.words[base + 1 + language];
            if (!text.isEmpty()) texts_.insert(table.words[base], text);
        }
    }
    bool isEmpty() const override { return texts_.isEmpty(); }
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        return texts_.value(QLatin1String(context) + u'|' + QString::fromUtf8(sourceText));
    }

  private:
    QHash<QString, QString> texts_;
};

} // namespace

QString QtTranslationName(int language) {
    switch (language) {
    case LangGerman:
        return QStringLiteral("qt_de");
    case LangSwedish:
        return QStringLiteral("qt_sv");
    case LangFinnish:
        return QStringLiteral("qt_fi");
    default:
        return {};
    }
}

bool UseQtTranslation(int language) {
    static std::unique_ptr<QTranslator> supplement;
    static std::unique_ptr<QTranslator> qt;
    if (!QCoreApplication::instance()) return false;
    for (auto* t : {&qt, &supplement}) {
        if (*t) QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
    const QString name = QtTranslationName(language);
    if (name.isEmpty()) return false;
    supplement = std::make_unique<SupplementTranslator>(language);
    QCoreApplication::installTranslator(supplement.get());
    // "qt_xx" names the catalogues of every Qt module that has one for the
    // language ("qtbase_xx" among them), or holds them itself.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
    QCoreApplication::installTranslator(translator.get());
    qt = std::move(translator);
    return true;
}

} // namespace hm
