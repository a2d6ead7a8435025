#include "platform/Language.h"

#include "engine/Text.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace
{

std::unique_ptr<QTranslator> ours;
std::unique_ptr<QTranslator> qts;

// "es-ES", "es_419", "es" -> "es"
QString languageCode(const QString& uiLanguage)
{
    return uiLanguage.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

namespace Language
{

bool install(const QLocale& locale)
{
    remove();
    for (const QString& uiLanguage : locale.uiLanguages()) {
        const QString code = languageCode(uiLanguage);
        if (code == QLatin1String("en") || code == QLatin1String("c"))
            return false;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QStringLiteral(":/i18n/quor3_%1.qm").arg(code)))
            continue;
        ours = std::move(translator);
        QCoreApplication::installTranslator(ours.get());
        // Qt's own texts come from the system's Qt translations, when installed.
        auto own = std::make_unique<QTranslator>();
        if (own->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            qts = std::move(own);
            QCoreApplication::installTranslator(qts.get());
        }
        // The engine's messages, which it marks for translation but cannot translate itself.
        quor3::setTranslator([](const char* context, const char* text) {
            return QCoreApplication::translate(context, text).toStdString();
        });
        return true;
    }
    return false;
}

void remove()
{
    quor3::setTranslator(nullptr);
    if (qts)
        QCoreApplication::removeTranslator(qts.get());
    if (ours)
        QCoreApplication::removeTranslator(ours.get());
    qts.reset();
    ours.reset();
}

} // namespace Language
