#include "platform/Language.h"

#include "engine/Text.h"
#include "platform/LanguageChoice.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace
{

std::unique_ptr<QTranslator> ours;
std::unique_ptr<QTranslator> qts;

} // namespace

namespace Language
{

bool install(const QLocale& locale)
{
    remove();
    auto translator = std::make_unique<QTranslator>();
    const QString code = loadProgramTranslation(*translator, locale);
    if (code.isEmpty())
        return false;
    ours = std::move(translator);
    QCoreApplication::installTranslator(ours.get());
    // Qt's own texts come from the system's Qt translations, when installed.
    auto own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qts = std::move(own);
        QCoreApplication::installTranslator(qts.get());
    }
    // The engine's messages, which it marks for translation but cannot translate itself.
    quor3::setTranslator(
        [](const char* context, const char* text) { return QCoreApplication::translate(context, text).toStdString(); });
    return true;
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
