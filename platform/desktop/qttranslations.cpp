#include "platform/desktop/qttranslations.h"

#include "platform/desktop/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <optional>

namespace platform {
namespace {

struct Installed {
    std::optional<QString> language;  // unset until the first call
    QString folder;
    std::unique_ptr<QTranslator> translator;
};

Installed& installed()
{
    static Installed s;
    return s;
}

QString localeOf(const QString& language)
{
    if (language == QLatin1String("P"))
        return QStringLiteral("pt_BR");
    if (language == QLatin1String("E"))
        return QStringLiteral("es");
    return {};
}

}  // namespace

bool installQtTranslations(const QString& language, const QString& folder)
{
    Installed& s = installed();
    const QString dir = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    if (s.language == language && s.folder == dir)
        return s.translator != nullptr;
    if (s.translator) {
        QCoreApplication::removeTranslator(s.translator.get());
        s.translator.reset();
    }
    s.language = language;
    s.folder = dir;
    const QString locale = localeOf(language);
    if (locale.isEmpty())
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale, dir))
        return false;
    QCoreApplication::installTranslator(translator.get());
    s.translator = std::move(translator);
    return true;
}

void installQtTranslationsOfRun() { installQtTranslations(messageBoxLanguage()); }

}  // namespace platform
