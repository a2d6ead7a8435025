#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A stand-in for `systemctl --user`, first on PATH while it lives: it logs
// each command line, keeps the timer's enabled state in a file, answers
// `show --property=FragmentPath` with the user's own service file, which comes
// first, or else the one the test names, and
// fails as systemctl does without a user session manager, or refusing to
// enable.
class FakeSystemctl
{
  public:
    FakeSystemctl() : oldPath_(qgetenv("PATH"))
    {
        const QString script = folder_.filePath("systemctl");
        QFile file(script);
        file.open(QIODevice::WriteOnly);
        file.write(
            QStringLiteral("#!/bin/sh\n"
                           "cd '%1' || exit 9\n"
                           "echo \"$*\" >> log\n"
                           "if [ -e no-manager ]; then\n"
                           "  echo 'Failed to connect to bus: No medium found' >&2; exit 1\n"
                           "fi\n"
                           "case \"$2 $3\" in\n"
                           "  'show --property=UnitFileState') cat state 2>/dev/null || echo disabled ;;\n"
                           "  'show --property=FragmentPath')\n"
                           "    own=\"${XDG_CONFIG_HOME:-$HOME/.config}/systemd/user/quor3-fetch.service\"\n"
                           "    if [ -e \"$own\" ]; then echo \"$own\"; else cat fragment 2>/dev/null || echo; fi ;;\n"
                           "  'enable --now') if [ -e fail-enable ]; then\n"
                           "      echo 'Failed to enable unit: Access denied' >&2; exit 1\n"
                           "    fi; echo enabled > state ;;\n"
                           "  'disable --now') echo disabled > state ;;\n"
                           "esac\n")
                .arg(folder_.path())
                .toUtf8());
        file.close();
        file.setPermissions(file.permissions() | QFile::ExeOwner);
        qputenv("PATH", folder_.path().toLocal8Bit() + ':' + oldPath_);
    }
    ~FakeSystemctl() { qputenv("PATH", oldPath_); }
    FakeSystemctl(const FakeSystemctl&) = delete;
    FakeSystemctl& operator=(const FakeSystemctl&) = delete;

    void setEnabled(bool on) const { write("state", on ? "enabled\n" : "disabled\n"); }
    // The service file systemctl finds, or none.
    void setFragment(const QString& path) const { write("fragment", path.toUtf8() + '\n'); }
    void withoutManager() const { write("no-manager", ""); }
    void failingToEnable() const { write("fail-enable", ""); }
    // No systemctl at all: PATH holds only an empty folder.
    void missing() const { qputenv("PATH", folder_.filePath("empty").toLocal8Bit()); }

    // The command lines systemctl was run with, without the leading --user.
    QStringList commands() const
    {
        QFile file(folder_.filePath("log"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList out;
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
            out << (line.startsWith("--user ") ? line.mid(7) : "NOT USER: " + line);
        return out;
    }

  private:
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(folder_.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    QTemporaryDir folder_;
    QByteArray oldPath_;
};
