#include "settings/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "settings/basemultilang.h"

namespace hm {

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
    static std::unique_ptr<QTranslator> current;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    if (current) {
        QCoreApplication::removeTranslator(current.get());
        current.reset();
    }
    const QString name = QtTranslationName(language);
    if (name.isEmpty()) return false;
    // "qt_xx" names the catalogues of every Qt module that has one for the
    // language ("qtbase_xx" among them), or holds them itself.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
    QCoreApplication::installTranslator(translator.get());
    current = std::move(translator);
    return true;
}

} // namespace hm
