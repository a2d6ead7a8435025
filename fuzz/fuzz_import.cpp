// Feeds arbitrary bytes to the results-file reader: no input may crash it, and
// every draw it returns must be a real date with three digits 0 to 9, whatever
// draw is chosen. A clean quor3::Error is fine.

#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/Import.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace
{

bool isDigit(std::int32_t d)
{
    return d >= 0 && d <= 9;
}

void check(const quor3::DrawRecord& r)
{
    const quor3::CivilDate date = quor3::decodeDate(r.DrawDate);
    if (!quor3::isValidDate(date.year, date.month, date.day) ||
        quor3::encodeDate(date.year, date.month, date.day) != r.DrawDate || !isDigit(r.Digit1) || !isDigit(r.Digit2) ||
        !isDigit(r.Digit3))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const quor3::ImportScan scan = quor3::importDraws(text);
    for (const quor3::ImportedDraw& d : scan.draws) {
        check(d.record);
        if (d.drawName < -1 || d.drawName >= static_cast<int>(scan.drawNames.size()))
            std::abort();
    }
    if (static_cast<long long>(scan.skipped.size()) > scan.skippedCount || scan.skipped.size() > 1000)
        std::abort();
    std::vector<std::string> names = scan.drawNames;
    names.push_back("");
    for (const std::string& name : names) {
        try {
            for (const quor3::DrawRecord& r : quor3::chooseDraw(scan, name).draws)
                check(r);
        } catch (const quor3::Error&) {
        }
    }
    return 0;
}
