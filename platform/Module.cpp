#include "platform/Module.h"

#include "engine/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace Module
{

namespace
{

// Beside the program in the build tree; installed, where QUOR3_MODULE_DIR
// (relative to the program's folder) says.
QString modulePath(const char* file)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(QString::fromUtf8(file));
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(programFolder.filePath(QStringLiteral(QUOR3_MODULE_DIR "/") + QString::fromUtf8(file)));
}

std::string loading(const std::string& what)
{
    return QCoreApplication::translate("Module", "load %1 from").arg(QString::fromStdString(what)).toStdString();
}

} // namespace

QFunctionPointer function(const char* file, const char* function, const std::string& what)
{
    const QString path = modulePath(file);
    QLibrary module(path);
    // Every symbol now: a missing one is reported here, not as a crash later.
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!module.load())
        quor3::throwIoError(path.toStdString(), loading(what), module.errorString().toStdString());
    // Kept loaded for the rest of the run: QLibrary unloads nothing it is not told to.
    const QFunctionPointer found = module.resolve(function);
    if (!found)
        quor3::throwIoError(path.toStdString(), loading(what),
                            QCoreApplication::translate("Module", "it has no %1 in it")
                                .arg(QString::fromStdString(what))
                                .toStdString());
    return found;
}

} // namespace Module
