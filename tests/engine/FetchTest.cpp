#include "EngineTestSupport.h"
#include "TestHttpServer.h"

#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/HistoryChange.h"
#include "engine/NewResults.h"
#include "engine/StoreDraw.h"
#include "engine/Winners.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>

using quor3::DrawRecord;
using TestAnswer = TestHttpServer::Answer;

namespace
{

class NullStatus : public quor3::StatusSink
{
  public:
    void setStatusText(int, const std::string&) override {}
};

std::string csvOf(const std::vector<DrawRecord>& draws)
{
    std::string text = "Date,Digit 1,Digit 2,Digit 3\n";
    for (const auto& r : draws)
        text += quor3::monthDayYear(r.DrawDate) + "," + std::to_string(r.Digit1) + "," + std::to_string(r.Digit2) +
                "," + std::to_string(r.Digit3) + "\n";
    return text;
}

std::map<std::string, std::string> snapshot(const quor3::fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : quor3::fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[quor3::fs::relative(entry.path(), folder).string()] = quor3::readWholeFile(entry.path());
    return files;
}

// A database of 20 draws with the derived files of its rebuild, and the
// settings file beside it.
struct Fixture {
    TempFolder dir;
    std::vector<DrawRecord> stored = drawsOf(variedTriples(20));
    quor3::fs::path settings = dir / "quor3.ini";
    Fixture()
    {
        quor3::writeWholeFile(dir / "ga.c3d", quor3::encodeDraws(stored));
        NullStatus status;
        quor3::ReproducibleDigits random(7, 0);
        quor3::rebuildStatistics(dir.path(), "ga.c3d", quor3::FirstPanels::TotalAndLastDate, status, random);
    }
    double newest() const { return stored.back().DrawDate; }
    // The stored draws and three newer ones.
    std::string fileWithThreeNew() const
    {
        std::vector<DrawRecord> all = stored;
        all.push_back(drawOn(newest() + 1, 1, 2, 3));
        all.push_back(drawOn(newest() + 2, 4, 5, 6));
        all.push_back(drawOn(newest() + 3, 7, 8, 9));
        return csvOf(all);
    }
    quor3::NewResultsOutcome fetch(const std::string& address, quor3::FetchOptions options = {},
                                   const std::string& drawName = {})
    {
        quor3::ResultsSource source;
        source.address = address;
        source.drawName = drawName;
        NullStatus status;
        return quor3::fetchNewResults(settings, dir.path(), "ga.c3d", source, options, status);
    }
};

// The path of a request: "GET /hop/3 HTTP/1.1" -> "/hop/3".
std::string pathOf(const std::string& request)
{
    const auto from = request.find(' ') + 1;
    return request.substr(from, request.find(' ', from) - from);
}

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::string messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const quor3::Error& e) {
        return e.what();
    }
    return {};
}

// The lines of one section of a settings file, its heading included.
std::vector<std::string> sectionLines(const std::string& text, const std::string& heading)
{
    std::vector<std::string> lines;
    bool in = false;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back(); // the file is written with the line ends of its system's profiles
        if (!line.empty() && line[0] == '[')
            in = line == heading;
        if (in)
            lines.push_back(line);
    }
    return lines;
}

int refuseDatabaseWrites(const char* file)
{
    if (quor3::fs::path(file).extension() != ".c3d")
        return 0;
    errno = EACCES;
    return -1;
}

struct FailureCase {
    FailureCase(const char* n, std::function<TestAnswer(const std::string&)> a, std::string r,
                std::size_t m = 20u * 1024u * 1024u, std::string d = {})
        : name(n), answer(std::move(a)), reason(std::move(r)), maxBody(m), drawName(std::move(d))
    {
    }
    const char* name;
    std::function<TestAnswer(const std::string& wholeFile)> answer;
    std::string reason;
    std::size_t maxBody;
    std::string drawName;
};

} // namespace

TEST(Fetch, EveryFailureNamesTheAddressAndReasonAndChangesNothing)
{
    auto raw = [](const std::string& text) { return TestAnswer{text}; };
    const std::vector<FailureCase> cases = {
        {"404", [](const std::string&) { return TestHttpServer::reply(404, "Not Found", "gone"); }, "404 Not Found"},
        {"500", [](const std::string&) { return TestHttpServer::reply(500, "Internal Server Error", ""); },
         "500 Internal Server Error"},
        {"stall",
         [](const std::string&) {
             return TestAnswer{"HTTP/1.1 200 OK\r\nContent-Length: 9000\r\n\r\nDate,", true};
         },
         "in time"},
        {"cut short",
         [](const std::string& file) {
             return TestAnswer{"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(file.size() + 500) +
                               "\r\nConnection: close\r\n\r\n" + file};
         },
         "before the whole file"},
        {"redirect to file",
         [&](const std::string&) {
             return raw("HTTP/1.1 302 Found\r\nLocation: file:///etc/passwd\r\nContent-Length: 0\r\n\r\n");
         },
         "not http or https"},
        {"oversized, length announced",
         [](const std::string& file) { return TestHttpServer::reply(200, "OK", file + std::string(5000, '\n')); },
         "larger than", 4096},
        {"oversized, no length",
         [](const std::string& file) {
             return TestAnswer{"HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + file, false, 3u * 1024u * 1024u};
         },
         "larger than 1 MB", 1024u * 1024u},
        {"layout changed",
         [](const std::string&) { return TestHttpServer::reply(200, "OK", "<html><body>Moved</body></html>"); },
         "holds no draw"},
        {"no draw of that name",
         [](const std::string&) {
             return TestHttpServer::reply(200, "OK", "Date,Draw,Digits\n12/1/2031,Midday,451\n12/1/2031,Evening,452\n");
         },
         "Night", 20u * 1024u * 1024u, "Night"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f;
        const std::string file = f.fileWithThreeNew();
        TestHttpServer server([&](const std::string&) { return c.answer(file); });
        const auto before = snapshot(f.dir.path());
        quor3::FetchOptions options;
        options.transferTimeout = std::chrono::milliseconds(1000);
        options.maxBodyBytes = c.maxBody;
        try {
            f.fetch(server.url("/pick3.csv"), options, c.drawName);
            ADD_FAILURE() << "no failure";
        } catch (const quor3::Error& e) {
            EXPECT_NE(std::string(e.what()).find(server.url("/pick3.csv")), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(snapshot(f.dir.path()), before);
    }
}

TEST(Fetch, RefusedConnectionAndCancelChangeNothing)
{
    Fixture f;
    const auto before = snapshot(f.dir.path());
    const std::string refused = "http://127.0.0.1:" + std::to_string(TestHttpServer::refusedPort()) + "/r.csv";
    EXPECT_THROW(
        {
            try {
                f.fetch(refused);
            } catch (const quor3::Error& e) {
                EXPECT_NE(std::string(e.what()).find("refused"), std::string::npos) << e.what();
                throw;
            }
        },
        quor3::Error);

    TestHttpServer server([&](const std::string&) { return TestHttpServer::reply(200, "OK", f.fileWithThreeNew()); });
    std::atomic<bool> cancel{true};
    quor3::FetchOptions options;
    options.cancel = &cancel;
    EXPECT_THROW(f.fetch(server.url("/r.csv"), options), quor3::FetchCancelled);
    EXPECT_EQ(snapshot(f.dir.path()), before);
}

TEST(Fetch, AnETagMakesTheNextFetchConditionalAnd304IsUpToDate)
{
    Fixture f;
    const std::string file = f.fileWithThreeNew();
    TestHttpServer server([&](const std::string& request) {
        if (request.find("If-None-Match: \"v1\"") != std::string::npos)
            return TestAnswer{"HTTP/1.1 304 Not Modified\r\nETag: \"v1\"\r\nConnection: close\r\n\r\n"};
        return TestHttpServer::reply(200, "OK", file,
                                     "ETag: \"v1\"\r\nLast-Modified: Mon, 07 Dec 2026 10:00:00 GMT\r\n");
    });
    long long lastReceived = 0;
    quor3::FetchOptions options;
    options.progress = [&](long long received, long long) { lastReceived = received; };
    const auto first = f.fetch(server.url("/r.csv"), options);
    EXPECT_EQ(first.added, 3);
    EXPECT_EQ(lastReceived, static_cast<long long>(file.size()));
    EXPECT_EQ(quor3::summaryOf(first).back(), "3 new draws added");
    const auto saved = quor3::readResultsSource(f.settings, "ga.c3d");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->etag, "\"v1\"");
    EXPECT_EQ(saved->lastModified, "Mon, 07 Dec 2026 10:00:00 GMT");
    EXPECT_NE(server.requests()[0].find("User-Agent: Quor3/"), std::string::npos);
    EXPECT_NE(server.requests()[0].find("Accept-Encoding: "), std::string::npos);

    NullStatus status;
    const auto second = quor3::fetchNewResults(f.settings, f.dir.path(), "ga.c3d", {}, status);
    EXPECT_TRUE(second.upToDate);
    EXPECT_EQ(quor3::summaryOf(second), std::vector<std::string>{"up to date"});
    EXPECT_NE(server.requests()[1].find("If-Modified-Since: Mon, 07 Dec 2026"), std::string::npos);
    EXPECT_EQ(quor3::readWholeFile(f.dir / "ga.c3d"), quor3::encodeDraws([&] {
                  auto all = f.stored;
                  all.push_back(drawOn(f.newest() + 1, 1, 2, 3));
                  all.push_back(drawOn(f.newest() + 2, 4, 5, 6));
                  all.push_back(drawOn(f.newest() + 3, 7, 8, 9));
                  return all;
              }()));
}

TEST(Fetch, AConflictingDateKeepsTheStoredDrawAndNewerOnesAreStillAdded)
{
    Fixture f;
    std::vector<DrawRecord> file(f.stored.begin(), f.stored.end() - 1);
    DrawRecord changed = f.stored.back();
    changed.Digit1 = (changed.Digit1 + 1) % 10;
    file.push_back(changed);
    file.push_back(drawOn(f.newest() + 1, 0, 0, 1));
    file.insert(file.begin(), drawOn(f.stored.front().DrawDate - 1, 5, 5, 5)); // older, missing
    TestHttpServer server([&](const std::string&) { return TestHttpServer::reply(200, "OK", csvOf(file)); });
    const auto outcome = f.fetch(server.url("/r.csv"));
    const auto digits = [](const DrawRecord& r) {
        return std::to_string(r.Digit1) + std::to_string(r.Digit2) + std::to_string(r.Digit3);
    };
    ASSERT_EQ(outcome.plan.conflicts.size(), 1u);
    const std::string& text = outcome.plan.conflicts[0].text;
    for (const std::string& part :
         {std::string("conflict"), quor3::monthDayYear(f.newest()), digits(f.stored.back()), digits(changed)})
        EXPECT_NE(text.find(part), std::string::npos) << text;
    EXPECT_EQ(outcome.added, 1);
    EXPECT_EQ(outcome.plan.olderMissing, 1);
    const auto summary = quor3::summaryOf(outcome);
    EXPECT_NE(summary[1].find("Import can merge"), std::string::npos);
    const auto now = quor3::readDraws(f.dir / "ga.c3d");
    ASSERT_EQ(now.size(), 21u);
    EXPECT_EQ(digits(now[19]), digits(f.stored.back()));
}

TEST(Fetch, ThreeNewDrawsAreStoredCheckedAndLoggedAsThreeEntriesWouldBe)
{
    Fixture byFetch, byEntries;
    const double day = byFetch.newest();
    std::vector<DrawRecord> added = {drawOn(day + 1, 2, 4, 6)};

    // The entries: each checked against the choices of its moment, stored, rebuilt.
    NullStatus status;
    quor3::ReproducibleDigits entryDigits(9, 0);
    auto enter = [&](const DrawRecord& r) {
        quor3::checkWinners(byEntries.dir.path(), "ga.c3d", r.Digit1, r.Digit2, r.Digit3,
                            quor3::decodeDate(r.DrawDate));
        quor3::storeDraw(byEntries.dir.path(), "ga.c3d", r);
        quor3::rebuildStatistics(byEntries.dir.path(), "ga.c3d", quor3::FirstPanels::None, status, entryDigits);
    };
    enter(added[0]);
    // The second draw is the first hot choice on offer after the first.
    const std::string hot = quor3::readTextLines(byEntries.dir / "hot.dat").at(0);
    added.push_back(drawOn(day + 2, hot[0] - '0', hot[3] - '0', hot[6] - '0'));
    enter(added[1]);
    added.push_back(drawOn(day + 3, 9, 0, 1));
    enter(added[2]);
    const std::vector<std::string> logLines = quor3::readTextLines(byEntries.dir / quor3::files::WinnersLog);
    ASSERT_GE(logLines.size(), 2u); // the "Log began on" line and at least the hot match

    std::vector<DrawRecord> file = byFetch.stored;
    file.insert(file.end(), added.begin(), added.end());
    TestHttpServer server([&](const std::string&) { return TestHttpServer::reply(200, "OK", csvOf(file)); });
    quor3::ReproducibleDigits fetchDigits(9, 0);
    quor3::ResultsSource source;
    source.address = server.url("/r.csv");
    const auto fetched = quor3::fetchResults(source, {}, true);
    const auto outcome = quor3::storeFetchedResults(byFetch.settings, byFetch.dir.path(), "ga.c3d", source, fetched,
                                                    status, &fetchDigits);

    EXPECT_EQ(outcome.added, 3);
    quor3::fs::remove(byFetch.settings);
    // The full history holds the same draws, but records where each came from.
    auto withoutHistory = [](std::map<std::string, std::string> files) {
        files.erase("ga.c3d.sqlite");
        return files;
    };
    EXPECT_EQ(withoutHistory(snapshot(byFetch.dir.path())), withoutHistory(snapshot(byEntries.dir.path())));
    EXPECT_EQ(quor3::encodeDraws(quor3::readHistory(byFetch.dir / "ga.c3d")),
              quor3::encodeDraws(quor3::readHistory(byEntries.dir / "ga.c3d")));
    EXPECT_EQ(quor3::originOf(byFetch.dir / "ga.c3d", added[0]).origin.source, source.address);
    EXPECT_EQ(quor3::originOf(byEntries.dir / "ga.c3d", added[0]).origin.kind, "entry");
    ASSERT_EQ(outcome.matches.size(), logLines.size() - 1);
    const std::string announcement = quor3::announcementOf(outcome.matches);
    for (std::size_t i = 1; i < logLines.size(); ++i)
        EXPECT_NE(announcement.find(logLines[i]), std::string::npos);
}

TEST(Fetch, AnEmptyDatabaseIsFilledAsAnImportFromALocalFile)
{
    TempFolder dir;
    const auto draws = drawsOf(variedTriples(800));
    quor3::writeWholeFile(dir / "results.csv", csvOf(draws));
    quor3::ResultsSource source;
    source.address = "file://" + (dir / "results.csv").string();
    NullStatus status;
    const auto outcome = quor3::fetchNewResults(dir / "quor3.ini", dir.path(), "ga.c3d", source, {}, status);
    EXPECT_EQ(outcome.added, 731);
    const auto stored = quor3::readDraws(dir / "ga.c3d");
    ASSERT_EQ(stored.size(), 731u);
    EXPECT_EQ(stored.front().DrawDate, draws[69].DrawDate);
    EXPECT_EQ(stored.back().DrawDate, draws.back().DrawDate);
    EXPECT_TRUE(quor3::fileExists(dir / "hot.dat"));
}

TEST(Fetch, TheResultsSectionKeepsEveryOtherLineOfTheSettings)
{
    TempFolder dir;
    const auto ini = dir / "quor3.ini";
    quor3::writeWholeFile(ini, "[Config]\r\nQCheck=0\r\n\r\n[Results other.c3d]\r\naddress=http://x/\r\n");
    quor3::ResultsSource source;
    source.address = "https://example.com/p3.csv";
    source.drawName = "Evening";
    source.checkAtOpen = false;
    source.etag = "W/\"abc\"";
    quor3::writeResultsSource(ini, "ga.c3d", source);
    source.address = "https://example.com/other.csv";
    quor3::writeResultsSource(ini, "GA.C3D", source);

    const auto back = quor3::readResultsSource(ini, "ga.c3d");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->address, source.address);
    EXPECT_EQ(back->drawName, "Evening");
    EXPECT_FALSE(back->checkAtOpen);
    EXPECT_EQ(back->etag, source.etag);
    EXPECT_EQ(quor3::readResultsSource(ini, "other.c3d")->address, "http://x/");
    EXPECT_FALSE(quor3::readResultsSource(ini, "none.c3d"));
    const std::string text = quor3::readWholeFile(ini);
    EXPECT_EQ(text.rfind("[Config]\r\nQCheck=0\r\n\r\n[Results other.c3d]\r\naddress=http://x/\r\n", 0), 0u);
    EXPECT_EQ(text.find("Address=https://example.com/p3.csv"), std::string::npos);
}

// A certificate authority and a server certificate for 127.0.0.1, made for the
// test, and `openssl s_server` serving the folder over https.
class TlsServer
{
  public:
    explicit TlsServer(const TempFolder& dir) : dir_(dir)
    {
        const std::string d = "'" + dir.path().string() + "'";
        const std::string commands =
            "cd " + d +
            " && printf 'subjectAltName=IP:127.0.0.1\\n' > ext.cnf"
            " && openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -keyout ca.key"
            " -out ca.pem -days 1 -subj /CN=Quor3TestCA -addext basicConstraints=critical,CA:TRUE"
            " -addext keyUsage=keyCertSign,cRLSign"
            " && openssl req -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -keyout server.key"
            " -out server.csr -subj /CN=127.0.0.1"
            " && openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -out server.pem"
            " -days 1 -extfile ext.cnf";
        if (std::system(("(" + commands + ") >/dev/null 2>&1").c_str()) != 0)
            throw std::runtime_error("openssl cannot make the test certificates");
        port_ = TestHttpServer::refusedPort();
        pid_ = fork();
        if (pid_ == 0) {
            if (chdir(dir.path().c_str()) != 0)
                _exit(127);
            std::freopen("/dev/null", "w", stdout);
            std::freopen("/dev/null", "w", stderr);
            const std::string port = std::to_string(port_);
            execlp("openssl", "openssl", "s_server", "-WWW", "-quiet", "-accept", port.c_str(), "-cert", "server.pem",
                   "-key", "server.key", static_cast<char*>(nullptr));
            _exit(127);
        }
        // Ready when it accepts a connection.
        for (int i = 0; i < 200 && !accepting(); ++i)
            usleep(25000);
    }
    ~TlsServer()
    {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    std::string url(const std::string& file) const { return "https://127.0.0.1:" + std::to_string(port_) + "/" + file; }
    std::string caFile() const { return (dir_ / "ca.pem").string(); }

  private:
    bool accepting() const
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port_));
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return ok;
    }
    const TempFolder& dir_;
    int port_ = 0;
    pid_t pid_ = -1;
};

TEST(Fetch, HttpsIsRefusedUntilTheFetchTrustsTheCertificatesAuthority)
{
    TempFolder served;
    TlsServer tls(served);
    Fixture untrusted, trusted, redirected;
    quor3::writeWholeFile(served / "p3.csv", untrusted.fileWithThreeNew());

    const auto before = snapshot(untrusted.dir.path());
    try {
        untrusted.fetch(tls.url("p3.csv"));
        ADD_FAILURE() << "an untrusted certificate was accepted";
    } catch (const quor3::Error& e) {
        EXPECT_NE(std::string(e.what()).find("not trusted"), std::string::npos) << e.what();
    }
    EXPECT_EQ(snapshot(untrusted.dir.path()), before);

    quor3::FetchOptions options;
    options.caFile = tls.caFile();
    EXPECT_EQ(trusted.fetch(tls.url("p3.csv"), options).added, 3);

    // A redirect from http to https is followed.
    TestHttpServer server([&](const std::string&) {
        return TestAnswer{"HTTP/1.1 301 Moved Permanently\r\nLocation: " + tls.url("p3.csv") +
                          "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"};
    });
    EXPECT_EQ(redirected.fetch(server.url("/old.csv"), options).added, 3);
}

TEST(Fetch, CommandLinePrintsEachAddedDrawThenTheCountAndFailsWithOneLine)
{
    Fixture f;
    quor3::writeWholeFile(f.dir / "results.csv", f.fileWithThreeNew());
    auto run = [&](const std::string& args, std::string* out) {
        const std::string command = "XDG_CONFIG_HOME='" + f.dir.path().string() + "' '" + QUOR3_ENGINE_CLI +
                                    "' fetch '" + (f.dir / "ga.c3d").string() + "' " + args + " 2>'" +
                                    (f.dir / "err.txt").string() + "'";
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[512];
        std::size_t n;
        out->clear();
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out->append(buffer, n);
        const int status = pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    std::string out;
    EXPECT_EQ(run("--from '" + (f.dir / "results.csv").string() + "'", &out), 0);
    const std::string d = quor3::monthDayYear(f.newest() + 1);
    EXPECT_EQ(out.rfind("Added " + d + ": 123\n", 0), 0u) << out;
    EXPECT_EQ(out.substr(out.size() - 18), "3 new draws added\n");
    EXPECT_EQ(run("", &out), 0);
    EXPECT_EQ(out, "up to date\n");

    quor3::fs::remove(f.dir / "err.txt");
    const auto before = snapshot(f.dir.path());
    const std::string refused = "http://127.0.0.1:" + std::to_string(TestHttpServer::refusedPort()) + "/r.csv";
    EXPECT_EQ(run("--from " + refused, &out), 1);
    const std::string err = quor3::readWholeFile(f.dir / "err.txt");
    quor3::fs::remove(f.dir / "err.txt");
    EXPECT_EQ(snapshot(f.dir.path()), before);
    EXPECT_NE(err.find(refused), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
}

// "/hop/N" sends on to "/hop/N-1" and "/hop/0" is the file; "/gone/N" ends in a 404.
TEST(Fetch, ARedirectChainUpToTheLimitArrivesAndOneHopMoreFailsWithItsReason)
{
    const std::string file = "Date,Digit 1,Digit 2,Digit 3\n12/1/2026,4,5,1\n";
    TestHttpServer server([&](const std::string& request) {
        const std::string path = pathOf(request);
        const std::string kind = path.substr(0, path.rfind('/') + 1);
        const int left = std::stoi(path.substr(kind.size()));
        if (left > 0)
            return TestAnswer{"HTTP/1.1 302 Found\r\nLocation: " + kind + std::to_string(left - 1) +
                              "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"};
        return kind == "/gone/" ? TestHttpServer::reply(404, "Not Found", "") : TestHttpServer::reply(200, "OK", file);
    });
    const struct {
        long limit;
        std::string start;
        std::string reason; // empty: the file arrives
    } cases[] = {
        {5, "/hop/5", ""},
        {5, "/hop/6", "more than 5 redirects"},
        {2, "/hop/2", ""},
        {2, "/hop/3", "more than 2 redirects"},
        {0, "/hop/0", ""},
        {0, "/hop/1", "more than 0 redirects"},
        {5, "/gone/3", "the server answered 404 Not Found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start + " with a limit of " + std::to_string(c.limit));
        quor3::FetchOptions options;
        options.maxRedirects = c.limit;
        const std::string address = server.url(c.start);
        if (c.reason.empty()) {
            EXPECT_EQ(quor3::fetchFile(address, options).body, file);
        } else {
            EXPECT_EQ(messageOf([&] { quor3::fetchFile(address, options); }),
                      "Cannot fetch \"" + address + "\": " + c.reason);
        }
    }
}

TEST(Fetch, AfterARedirectOnlyTheFinalAnswersValidatorsAreKeptAndSentNextTime)
{
    const struct {
        std::string finalHeaders, etag, lastModified;
    } cases[] = {
        {"ETag: \"final\"\r\n", "\"final\"", ""},
        {"Last-Modified: Tue, 08 Dec 2026 09:00:00 GMT\r\n", "", "Tue, 08 Dec 2026 09:00:00 GMT"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.finalHeaders);
        Fixture f;
        const std::string file = f.fileWithThreeNew();
        TestHttpServer server([&](const std::string& request) {
            if (pathOf(request) == "/old.csv")
                return TestAnswer{"HTTP/1.1 301 Moved Permanently\r\nLocation: /new.csv\r\nETag: \"hop\"\r\n"
                                  "Last-Modified: Mon, 01 Jan 2024 00:00:00 GMT\r\nContent-Length: 0\r\n"
                                  "Connection: close\r\n\r\n"};
            if (has(request, "If-None-Match") || has(request, "If-Modified-Since"))
                return TestAnswer{"HTTP/1.1 304 Not Modified\r\nConnection: close\r\n\r\n"};
            return TestHttpServer::reply(200, "OK", file, c.finalHeaders);
        });
        EXPECT_EQ(f.fetch(server.url("/old.csv")).added, 3);
        const auto saved = quor3::readResultsSource(f.settings, "ga.c3d");
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved->etag, c.etag);
        EXPECT_EQ(saved->lastModified, c.lastModified);

        NullStatus status;
        EXPECT_TRUE(quor3::fetchNewResults(f.settings, f.dir.path(), "ga.c3d", {}, status).upToDate);
        const auto requests = server.requests();
        ASSERT_EQ(requests.size(), 4u);
        EXPECT_FALSE(has(requests[2], "hop") || has(requests[2], "2024"));
        EXPECT_EQ(has(requests[2], "If-None-Match: " + c.etag + "\r\n"), !c.etag.empty());
        EXPECT_EQ(has(requests[2], "If-Modified-Since: " + c.lastModified + "\r\n"), !c.lastModified.empty());
    }
}

TEST(Fetch, ALocalFileReadsTheSameByPathOrFileAddressFromAnyWorkingFolder)
{
    TempFolder dir;
    const quor3::fs::path file = dir / "results 1.csv";
    quor3::writeWholeFile(file, "Date,Digit 1,Digit 2,Digit 3\n12/1/2026,4,5,1\n");
    std::string encoded = file.string();
    encoded.replace(encoded.find(' '), 1, "%20");
    const quor3::fs::path home = quor3::fs::current_path();
    for (const quor3::fs::path& workingFolder : {dir.path(), quor3::fs::path("/")}) {
        quor3::fs::current_path(workingFolder);
        for (const std::string& address :
             {file.string(), "file://" + encoded, "file://localhost" + encoded, "FILE://LOCALHOST" + encoded}) {
            SCOPED_TRACE(address + " from " + workingFolder.string());
            EXPECT_EQ(messageOf([&] { EXPECT_EQ(quor3::fetchFile(address).body, quor3::readWholeFile(file)); }), "");
        }
    }
    quor3::fs::current_path(home);
}

TEST(Fetch, ADatabaseEmptiedOrRemovedAfterAFetchIsFetchedInFull)
{
    for (const bool removed : {false, true}) {
        SCOPED_TRACE(removed ? "removed" : "emptied");
        Fixture f;
        const std::string file = f.fileWithThreeNew();
        TestHttpServer server([&](const std::string& request) {
            if (has(request, "If-None-Match") || has(request, "If-Modified-Since"))
                return TestAnswer{"HTTP/1.1 304 Not Modified\r\nConnection: close\r\n\r\n"};
            return TestHttpServer::reply(200, "OK", file,
                                         "ETag: \"v1\"\r\nLast-Modified: Mon, 07 Dec 2026 10:00:00 GMT\r\n");
        });
        EXPECT_EQ(f.fetch(server.url("/r.csv")).added, 3);
        if (removed)
            quor3::fs::remove(f.dir / "ga.c3d");
        else
            quor3::writeWholeFile(f.dir / "ga.c3d", "");
        NullStatus status;
        const auto again = quor3::fetchNewResults(f.settings, f.dir.path(), "ga.c3d", {}, status);
        EXPECT_FALSE(again.upToDate);
        EXPECT_EQ(quor3::countDraws(f.dir / "ga.c3d"), 23);
        ASSERT_EQ(server.requests().size(), 2u);
        EXPECT_FALSE(has(server.requests()[1], "If-None-Match") || has(server.requests()[1], "If-Modified-Since"));
    }
}

TEST(Fetch, AReadOnlyDatabasesFailedFetchLogsNoWin)
{
    Fixture f;
    // The new draw is the first hot choice on offer: stored, it would be logged as a win.
    const std::string hot = quor3::readTextLines(f.dir / "hot.dat").at(0);
    std::vector<DrawRecord> file = f.stored;
    file.push_back(drawOn(f.newest() + 1, hot[0] - '0', hot[3] - '0', hot[6] - '0'));
    TestHttpServer server([&](const std::string&) { return TestHttpServer::reply(200, "OK", csvOf(file)); });
    ::chmod((f.dir / "ga.c3d").c_str(), 0444);
    quor3::setWriteAccessFunctionForTesting(&refuseDatabaseWrites);
    const auto before = snapshot(f.dir.path());
    const std::string message = messageOf([&] { f.fetch(server.url("/r.csv")); });
    quor3::setWriteAccessFunctionForTesting(nullptr);
    EXPECT_TRUE(has(message, "ga.c3d")) << message;
    EXPECT_EQ(snapshot(f.dir.path()), before);
}

TEST(Fetch, SavingOneDatabasesSourceChangesNoLineOfAnothersSection)
{
    const std::string ini = "[Results ga.c3d.old]\nAddress=http://old/\n\n"
                            "[Results ga.c3d]\nAddress=http://a/\n\n"
                            "[Results other.c3d]\nAddress=http://b/\nDraw=Midday\nCheckAtOpen=0\n"
                            "LastChecked=2026-12-01T10:00:00\nETag=\"b1\"\nLastModified=Mon\n\n"
                            "[Config]\nQCheck=0\n";
    const std::vector<std::string> databases = {"ga.c3d.old", "ga.c3d", "other.c3d"};
    for (const std::string saved : {"ga.c3d", "other.c3d", "new.c3d"}) {
        SCOPED_TRACE(saved);
        TempFolder dir;
        quor3::writeWholeFile(dir / "quor3.ini", ini);
        quor3::ResultsSource source;
        source.address = "https://example.com/" + saved;
        source.drawName = "Evening";
        source.lastChecked = "2026-12-08T09:00:00";
        source.etag = "\"new\"";
        source.lastModified = "Tue";
        quor3::writeResultsSource(dir / "quor3.ini", saved, source);
        const std::string after = quor3::readWholeFile(dir / "quor3.ini");
        for (const std::string& other : databases) {
            if (other == saved)
                continue;
            EXPECT_EQ(sectionLines(after, "[Results " + other + "]"), sectionLines(ini, "[Results " + other + "]"))
                << other;
        }
        EXPECT_EQ(sectionLines(after, "[Config]"), sectionLines(ini, "[Config]"));
        EXPECT_EQ(quor3::readResultsSource(dir / "quor3.ini", saved)->address, source.address);
    }
}

TEST(Fetch, FetchAllFetchesEveryDatabaseAndFailsWhenAnyFailed)
{
    const std::string refused = "http://127.0.0.1:" + std::to_string(TestHttpServer::refusedPort()) + "/r.csv";
    for (const std::string failing : {"a.c3d", "b.c3d"}) {
        SCOPED_TRACE(failing + " fails");
        TempFolder dir;
        const auto stored = drawsOf(variedTriples(20));
        auto withNew = stored;
        withNew.push_back(drawOn(stored.back().DrawDate + 1, 1, 2, 3));
        quor3::writeWholeFile(dir / "results.csv", csvOf(withNew));
        for (const std::string name : {"a.c3d", "b.c3d"}) {
            quor3::writeWholeFile(dir / name, quor3::encodeDraws(stored));
            quor3::ResultsSource source;
            source.address = name == failing ? refused : (dir / "results.csv").string();
            quor3::writeResultsSource(dir / "quor3.ini", name, source);
        }
        const CommandRun run = runCommand("XDG_CONFIG_HOME='" + dir.path().string() + "' '" + QUOR3_ENGINE_CLI +
                                              "' fetch --all '" + dir.path().string() + "'",
                                          dir / "err.txt");
        EXPECT_EQ(run.status, 1);
        const std::string working = failing == "a.c3d" ? "b.c3d" : "a.c3d";
        EXPECT_EQ(quor3::countDraws(dir / working), 21);
        EXPECT_EQ(quor3::countDraws(dir / failing), 20);
        EXPECT_TRUE(has(run.out, "a.c3d:\n") && has(run.out, "b.c3d:\n") && has(run.out, "1 new draw added\n"))
            << run.out;
        EXPECT_EQ(run.err, "quor3-engine: " + failing + ": " + messageOf([&] { quor3::fetchFile(refused); }) + "\n");
    }
}
