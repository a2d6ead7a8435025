// Feeds arbitrary bytes to the draw database reader and the rebuild: no input
// may crash them or read outside their tables; a clean quor3::Error is fine.

#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/Rebuild.h"
#include "engine/Winners.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace
{

class NoStatus : public quor3::StatusSink
{
  public:
    void setStatusText(int, const std::string& text) override { last = text; }
    std::string last;
};

class FixedDigits : public quor3::RandomDigits
{
  public:
    int nextDigit() override { return next_++ % 10; }

  private:
    int next_ = 0;
};

const quor3::fs::path& folder()
{
    static const quor3::fs::path dir = [] {
        char templ[] = "/tmp/quor3-fuzz-XXXXXX";
        const char* made = mkdtemp(templ);
        if (!made)
            std::abort();
        return quor3::fs::path(made);
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    quor3::decodeDraws(bytes);
    quor3::writeWholeFile(folder() / "fuzz.c3d", bytes);
    NoStatus status;
    FixedDigits digits;
    try {
        quor3::rebuildStatistics(folder(), "fuzz.c3d", quor3::FirstPanels::TotalAndLastDate, status, digits);
        quor3::checkWinners(folder(), "fuzz.c3d", data[0 % (size ? size : 1)] % 10, 1, 2, {2002, 1, 1});
    } catch (const quor3::Error&) {
    }
    // The choice files as random text too: the match check must stop cleanly.
    quor3::writeWholeFile(folder() / "hot.dat", bytes);
    quor3::writeWholeFile(folder() / "ordinal.dat", bytes);
    try {
        quor3::checkWinners(folder(), "fuzz.c3d", 1, 2, 3, {2002, 1, 1});
    } catch (const quor3::Error&) {
    }
    return 0;
}
