#pragma once

#include "engine/Choices.h"
#include "engine/DataFiles.h"
#include "engine/Dates.h"
#include "engine/DrawRecord.h"
#include "engine/FileIo.h"
#include "engine/Rebuild.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A fresh folder for one test, removed afterwards.
class TempFolder
{
  public:
    TempFolder()
    {
        char templ[] = "/tmp/quor3-test-XXXXXX";
        const char* made = mkdtemp(templ);
        if (!made)
            std::abort();
        path_ = made;
    }
    ~TempFolder() { quor3::fs::remove_all(path_); }
    const quor3::fs::path& path() const { return path_; }
    quor3::fs::path operator/(const std::string& name) const { return path_ / name; }

  private:
    quor3::fs::path path_;
};

// What a command printed and how it ended.
struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs `command` through the shell: standard error goes to `errFile`, read back into `err`.
inline CommandRun runCommand(const std::string& command, const quor3::fs::path& errFile)
{
    CommandRun run;
    FILE* pipe = popen((command + " 2>'" + errFile.string() + "'").c_str(), "r");
    if (!pipe)
        return run;
    char buffer[512];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (quor3::fs::exists(errFile))
        run.err = quor3::readWholeFile(errFile);
    return run;
}

inline quor3::DrawRecord drawOn(double day, int a, int b, int c)
{
    quor3::DrawRecord r;
    r.DrawDate = day;
    r.Digit1 = a;
    r.Digit2 = b;
    r.Digit3 = c;
    return r;
}

struct Triple {
    int a, b, c;
};

inline std::vector<quor3::DrawRecord> drawsOf(const std::vector<Triple>& triples, double firstDay = 37257)
{
    std::vector<quor3::DrawRecord> draws;
    for (const auto& t : triples) {
        quor3::DrawRecord r;
        r.DrawDate = firstDay + static_cast<double>(draws.size());
        r.Digit1 = t.a;
        r.Digit2 = t.b;
        r.Digit3 = t.c;
        draws.push_back(r);
    }
    return draws;
}

inline std::vector<Triple> variedTriples(int n)
{
    std::vector<Triple> t;
    for (int i = 0; i < n; ++i)
        t.push_back({(i * 7 + 3) % 10, (i * 3 + 1) % 10, (i * i + 5) % 10});
    return t;
}

inline void writeDatabase(const quor3::fs::path& file, const std::vector<quor3::DrawRecord>& draws)
{
    quor3::writeWholeFile(file, quor3::encodeDraws(draws));
}

// Records the status texts by panel.
class RecordingStatus : public quor3::StatusSink
{
  public:
    std::map<int, std::string> panels;
    std::vector<int> order;
    void setStatusText(int panel, const std::string& text) override
    {
        panels[panel] = text;
        order.push_back(panel);
    }
};

class SequenceDigits : public quor3::RandomDigits
{
  public:
    int nextDigit() override { return next_++ % 10; }

  private:
    int next_ = 0;
};
