#include "platform/DailyTimer.h"

#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "platform/ProfileFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <filesystem>

namespace DailyTimer
{

namespace
{

const QString Timer = QStringLiteral("quor3-fetch.timer");
const QString Service = QStringLiteral("quor3-fetch.service");
// A session manager that answers at all answers within these; one that hangs
// must not hold the window for long.
constexpr int QuestionMilliseconds = 5000;
constexpr int ChangeMilliseconds = 30000;

struct Answer {
    bool started = false;
    bool finished = false;
    int exitCode = -1;
    QString out;
    QString error;
    // The first line of what systemctl said on failure.
    QString firstErrorLine() const
    {
        const QString text = error.trimmed().isEmpty() ? out.trimmed() : error.trimmed();
        return text.section('\n', 0, 0).trimmed();
    }
    bool ok() const { return finished && exitCode == 0; }
};

Answer systemctl(const QStringList& arguments, int milliseconds)
{
    QProcess process;
    process.start(QStringLiteral("systemctl"), QStringList{QStringLiteral("--user")} + arguments);
    Answer answer;
    answer.started = process.waitForStarted(milliseconds);
    if (!answer.started)
        return answer;
    answer.finished = process.waitForFinished(milliseconds);
    if (!answer.finished) {
        process.kill();
        process.waitForFinished(1000);
    }
    answer.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    answer.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    answer.error = QString::fromLocal8Bit(process.readAllStandardError());
    return answer;
}

QString noManagerReason(const Answer& answer)
{
    if (!answer.started)
        return QCoreApplication::translate(
            "DailyTimer", "Quor 3 cannot check every day here: this desktop has no systemd user session manager "
                          "(systemctl was not found).");
    if (!answer.finished)
        return QCoreApplication::translate(
            "DailyTimer", "Quor 3 cannot check every day here: the systemd user session manager does not answer.");
    return QCoreApplication::translate(
               "DailyTimer", "Quor 3 cannot check every day here: no systemd user session manager answers (%1).")
        .arg(answer.firstErrorLine());
}

[[noreturn]] void cannot(const QString& why)
{
    throw quor3::Error(
        quor3::Error::Kind::InputOutput,
        QCoreApplication::translate("DailyTimer", "Cannot turn the daily check on or off: %1").arg(why).toStdString());
}

// Runs a change; a failure raises the error with what systemctl said.
void change(const QStringList& arguments)
{
    const Answer answer = systemctl(arguments, ChangeMilliseconds);
    if (!answer.started || !answer.finished)
        cannot(noManagerReason(answer));
    if (answer.exitCode != 0)
        cannot(QStringLiteral("systemctl --user %1: %2").arg(arguments.join(' '), answer.firstErrorLine()));
}

QString sameFile(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

// The program that the service systemctl finds runs; empty without one.
QString foundServiceProgram()
{
    const Answer fragment = systemctl({"show", "--property=FragmentPath", "--value", Service}, QuestionMilliseconds);
    const QString path = fragment.out.trimmed();
    if (!fragment.ok() || path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return serviceProgram(QString::fromUtf8(file.readAll()));
}

// ExecStart= splits its line at blanks and expands % (not $ in the program's
// name): the path is quoted when it has blanks, and its % doubled. Quotes,
// backslashes and control characters systemd refuses in a program's name.
QString execStartProgram(const QString& engine)
{
    if (engine.contains(QRegularExpression(QStringLiteral(R"([\\\x00-\x1f\x7f"'])"))))
        cannot(QCoreApplication::translate(
                   "DailyTimer",
                   "systemd cannot run a program whose path holds quotes, backslashes or control characters: %1. "
                   "Move Quor 3 to another folder.")
                   .arg(QDir::toNativeSeparators(engine)));
    QString escaped = engine;
    escaped.replace('%', "%%");
    return escaped.contains(QRegularExpression(QStringLiteral("\\s"))) ? '"' + escaped + '"' : escaped;
}

QByteArray unitTemplate(const QString& name)
{
    // The units as the build installs them (dist/), compiled in.
    QFile file(":/units/" + name);
    if (!file.open(QIODevice::ReadOnly))
        cannot(QCoreApplication::translate("DailyTimer", "the unit %1 is missing from the program").arg(name));
    return file.readAll();
}

void writeOwnUnits(const QString& execStart)
{
    QString service = QString::fromUtf8(unitTemplate(Service));
    service.replace(QStringLiteral("@QUOR3_ENGINE@"), execStart);
    const QString folder = userUnitFolder();
    std::error_code failed;
    std::filesystem::create_directories(folder.toStdString(), failed);
    if (failed)
        quor3::throwIoError(folder.toStdString(), "create the folder", failed.message());
    quor3::replaceFilesTogether({
        {(folder + '/' + Service).toStdString(), service.toStdString()},
        {(folder + '/' + Timer).toStdString(), unitTemplate(Timer).toStdString()},
    });
}

} // namespace

QString enginePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/quor3-engine");
}

QString userUnitFolder()
{
    // The same folder as the settings file: systemd reads $XDG_CONFIG_HOME the same way.
    return QFileInfo(Settings::filePath()).path() + QStringLiteral("/systemd/user");
}

QString serviceProgram(const QString& serviceText)
{
    for (const QString& raw : serviceText.split('\n')) {
        const QString line = raw.trimmed();
        if (!line.startsWith(QStringLiteral("ExecStart=")))
            continue;
        const QString value = line.mid(int(qstrlen("ExecStart="))).trimmed();
        QString program;
        if (value.startsWith('"')) {
            for (int i = 1; i < value.size() && value[i] != '"'; ++i) {
                if (value[i] == '\\' && i + 1 < value.size())
                    ++i;
                program += value[i];
            }
        } else {
            program = value.section(QRegularExpression(QStringLiteral("\\s")), 0, 0);
        }
        return program.replace(QStringLiteral("%%"), QStringLiteral("%"));
    }
    return {};
}

State state()
{
    State state;
    const Answer answer = systemctl({"show", "--property=UnitFileState", "--value", Timer}, QuestionMilliseconds);
    if (!answer.ok()) {
        state.reason = noManagerReason(answer);
        return state;
    }
    state.available = true;
    state.enabled = answer.out.trimmed() == QStringLiteral("enabled");
    if (state.enabled) {
        const QString program = foundServiceProgram();
        if (!program.isEmpty() && !QFileInfo(program).isExecutable()) {
            state.enabled = false;
            state.reason =
                QCoreApplication::translate("DailyTimer", "The daily check is on but runs %1, which is not there any "
                                                          "more: turn it on again to run this copy of Quor 3.")
                    .arg(QDir::toNativeSeparators(program));
        }
    }
    return state;
}

void enable(const QString& engine)
{
    if (!QFileInfo(engine).isExecutable())
        cannot(QCoreApplication::translate("DailyTimer", "quor3-engine, which does the daily check, is not at %1. "
                                                         "./run.sh builds it beside quor3.")
                   .arg(QDir::toNativeSeparators(engine)));
    const QString execStart = execStartProgram(engine);
    // Units installed since the session manager last read its folders must be seen.
    change({"daemon-reload"});
    const QString found = foundServiceProgram();
    if (found.isEmpty() || sameFile(found) != sameFile(engine)) {
        writeOwnUnits(execStart);
        change({"daemon-reload"});
    }
    change({"enable", "--now", Timer});
}

void disable()
{
    change({"disable", "--now", Timer});
}

} // namespace DailyTimer
