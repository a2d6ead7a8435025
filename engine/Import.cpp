#include "engine/Import.h"

#include "engine/ImportChecks.h"

#include "engine/Addon.h"
#include "engine/Backups.h"
#include "engine/DataFiles.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"
#include "engine/HistoryChange.h"
#include "engine/Text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>

namespace quor3
{

namespace
{

using View = std::string_view;

// More fields than any results file has; the rest of a longer line is ignored.
constexpr int MaxFields = 40;
// The lines tried with each delimiter to find the file's own.
constexpr int SampleLines = 40;

enum class Delimiter { Tab, Semicolon, Comma, Blanks };
const Delimiter delimiters[] = {Delimiter::Tab, Delimiter::Semicolon, Delimiter::Comma, Delimiter::Blanks};

enum class Match { None, Found, Impossible };

enum DateForm {
    MonthDayYear,
    MonthDayShortYear,
    YearMonthDay,
    MonthNameFirst,
    DayFirst,
    WithWeekday,
    ThreeFields,
    DateFormCount
};
enum DigitsForm { ThreeDigitFields, OneRun, Dashed, Spaced, Commas, DigitsFormCount };

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || static_cast<unsigned char>(c) >= 0x80;
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

View trim(View v)
{
    while (!v.empty() && isBlank(v.front()))
        v.remove_prefix(1);
    while (!v.empty() && isBlank(v.back()))
        v.remove_suffix(1);
    return v;
}

bool allDigits(View v)
{
    if (v.empty())
        return false;
    for (char c : v)
        if (!isDigit(c))
            return false;
    return true;
}

bool hasLetter(View v)
{
    for (char c : v)
        if (isLetter(c))
            return true;
    return false;
}

// The value of a run of digits; a run too long for an int reads as a
// billion, more than any date part, digit, sum or count the reader accepts.
int numberOf(View v)
{
    int value = 0;
    for (char c : v) {
        if (value >= 100000000)
            return 1000000000;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool equalsIgnoringCase(View a, View b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

// `word` spells `name`, which is in small letters, in any letter case.
bool spells(View word, View name)
{
    if (word.size() != name.size())
        return false;
    // Setting bit 5 turns a capital into its small letter and nothing else into a letter.
    for (std::size_t i = 0; i < word.size(); ++i)
        if (static_cast<char>(word[i] | 0x20) != name[i])
            return false;
    return true;
}

std::string lowered(View v)
{
    std::string out(v);
    for (char& c : out)
        c = lower(c);
    return out;
}

// --- Fields ---

// The text between a field's quotes, "" standing for one quote; `i` is at the
// opening quote and ends past the closing one.
View quotedField(View line, std::size_t& i)
{
    const std::size_t start = ++i;
    for (;;) {
        const void* quote = i < line.size() ? std::memchr(line.data() + i, '"', line.size() - i) : nullptr;
        if (!quote) {
            i = line.size();
            break;
        }
        i = static_cast<std::size_t>(static_cast<const char*>(quote) - line.data());
        if (i + 1 < line.size() && line[i + 1] == '"') {
            i += 2;
            continue;
        }
        break;
    }
    const View content = line.substr(start, i - start);
    if (i < line.size())
        ++i;
    return trim(content);
}

int splitFields(View line, Delimiter delimiter, View* fields)
{
    int n = 0;
    std::size_t i = 0;
    const std::size_t size = line.size();
    if (delimiter == Delimiter::Blanks) {
        for (;;) {
            while (i < size && isBlank(line[i]))
                ++i;
            if (i >= size || n == MaxFields)
                return n;
            if (line[i] == '"') {
                fields[n++] = quotedField(line, i);
                while (i < size && !isBlank(line[i]))
                    ++i;
            } else {
                const std::size_t start = i;
                while (i < size && !isBlank(line[i]))
                    ++i;
                fields[n++] = line.substr(start, i - start);
            }
        }
    }
    const char separator = delimiter == Delimiter::Tab ? '\t' : delimiter == Delimiter::Semicolon ? ';' : ',';
    for (;;) {
        while (i < size && line[i] == ' ')
            ++i;
        View field;
        if (i < size && line[i] == '"') {
            field = quotedField(line, i);
            while (i < size && line[i] != separator)
                ++i;
        } else {
            // Fields are short: a plain loop beats a call to memchr.
            std::size_t end = i;
            while (end < size && line[end] != separator)
                ++end;
            field = trim(line.substr(i, end - i));
            i = end;
        }
        if (n == MaxFields)
            return n;
        fields[n++] = field;
        if (i >= size)
            return n;
        ++i; // past the separator
    }
}

// --- Dates ---

struct FoundDate {
    int year = 0, month = 0, day = 0;
    int fields = 1; // how many fields the date takes
    DateForm form = MonthDayYear;
    char separator = '/';
};

Match checked(FoundDate& date)
{
    return isValidDate(date.year, date.month, date.day) ? Match::Found : Match::Impossible;
}

// "12/06/2026 00:00:00" and "12/6/2026 12:00 AM": the time some exports add.
bool isTimeOfDay(View v)
{
    if (v.find(':') == View::npos)
        return false;
    for (char c : v)
        if (!isDigit(c) && c != ':' && c != ' ' && c != '.' && lower(c) != 'a' && lower(c) != 'p' && lower(c) != 'm')
            return false;
    return true;
}

// The time after an ISO date's "T": "00:00:00.000", "12:00Z", "12:00+02:00".
bool isIsoTime(View v)
{
    if (v.empty() || !isDigit(v[0]))
        return false;
    for (char c : v)
        if (!isDigit(c) && c != ':' && c != '.' && c != 'Z' && c != '+' && c != '-')
            return false;
    return true;
}

Match numericDate(View field, FoundDate& date)
{
    if (field.size() > 11 && field[10] == 'T' && isIsoTime(field.substr(11)))
        field = field.substr(0, 10);
    const std::size_t blank = field.find(' ');
    if (blank != View::npos) {
        if (!isTimeOfDay(trim(field.substr(blank))))
            return Match::None;
        field = field.substr(0, blank);
    }
    View parts[3];
    int count = 0;
    char separator = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= field.size(); ++i) {
        if (i < field.size() && isDigit(field[i]))
            continue;
        if (i < field.size()) {
            const char c = field[i];
            if (c != '/' && c != '-')
                return Match::None;
            if (separator == 0)
                separator = c;
            else if (c != separator)
                return Match::None;
        }
        if (count == 3 || i == start)
            return Match::None;
        parts[count++] = field.substr(start, i - start);
        start = i + 1;
    }
    if (count != 3)
        return Match::None;
    date.separator = separator;
    date.fields = 1;
    if (parts[0].size() == 4 && parts[1].size() <= 2 && parts[2].size() <= 2) {
        date.form = YearMonthDay;
        date.year = numberOf(parts[0]);
        date.month = numberOf(parts[1]);
        date.day = numberOf(parts[2]);
        return checked(date);
    }
    if (parts[0].size() <= 2 && parts[1].size() <= 2 && (parts[2].size() == 4 || parts[2].size() == 2)) {
        date.month = numberOf(parts[0]);
        date.day = numberOf(parts[1]);
        date.year = numberOf(parts[2]);
        date.form = MonthDayYear;
        if (parts[2].size() == 2) {
            // Two-digit years: 00 to 69 are 2000s, 70 to 99 are 1900s.
            date.year += date.year < 70 ? 2000 : 1900;
            date.form = MonthDayShortYear;
        }
        return checked(date);
    }
    return Match::None;
}

using namespace std::string_view_literals;

constexpr int WeekdayBase = 100;

struct Name {
    View name;
    int value;
};

// No two names share their first three letters.
constexpr Name names[] = {{"january"sv, 1},
                          {"february"sv, 2},
                          {"march"sv, 3},
                          {"april"sv, 4},
                          {"may"sv, 5},
                          {"june"sv, 6},
                          {"july"sv, 7},
                          {"august"sv, 8},
                          {"september"sv, 9},
                          {"october"sv, 10},
                          {"november"sv, 11},
                          {"december"sv, 12},
                          {"sunday"sv, WeekdayBase + 1},
                          {"monday"sv, WeekdayBase + 2},
                          {"tuesday"sv, WeekdayBase + 3},
                          {"wednesday"sv, WeekdayBase + 4},
                          {"thursday"sv, WeekdayBase + 5},
                          {"friday"sv, WeekdayBase + 6},
                          {"saturday"sv, WeekdayBase + 7}};

// 1 to 12 for a month's name, WeekdayBase + 1 to 7 for a weekday's, 0 for any
// other word. A name may be cut to three letters or more ("Dec", "Sept", "Thurs").
constexpr std::array<bool, 256> nameInitials()
{
    std::array<bool, 256> initials{};
    for (const char c : {'a', 'd', 'f', 'j', 'm', 'n', 'o', 's', 't', 'w'}) {
        initials[static_cast<unsigned char>(c)] = true;
        initials[static_cast<unsigned char>(c - 'a' + 'A')] = true;
    }
    return initials;
}

// Whether a name of a month or weekday starts with this letter.
bool startsAName(char c)
{
    static constexpr std::array<bool, 256> initials = nameInitials();
    return initials[static_cast<unsigned char>(c)];
}

// The names by their first three letters, in a table of 64 slots: a product
// hash sends the 19 keys to 19 different slots, so a lookup takes no branch.
constexpr std::uint32_t letterKey(char a, char b, char c)
{
    return static_cast<std::uint32_t>(a & 31) << 10 | static_cast<std::uint32_t>(b & 31) << 5 |
           static_cast<std::uint32_t>(c & 31);
}

constexpr std::uint32_t slotOf(std::uint32_t key)
{
    return (key * 798477u) >> 26;
}

constexpr std::array<std::int8_t, 64> nameSlots()
{
    std::array<std::int8_t, 64> slots{};
    for (auto& slot : slots)
        slot = -1;
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const View n = names[i].name;
        slots[slotOf(letterKey(n[0], n[1], n[2]))] = static_cast<std::int8_t>(i);
    }
    return slots;
}

constexpr bool eachNameHasItsSlot()
{
    const std::array<std::int8_t, 64> slots = nameSlots();
    int filled = 0;
    for (const std::int8_t slot : slots)
        filled += slot >= 0;
    return filled == static_cast<int>(std::size(names));
}
static_assert(eachNameHasItsSlot(), "two names share a slot: choose another multiplier");

int nameOf(View word)
{
    // Most words that are no name fail on their first letter.
    if (word.size() < 3 || !startsAName(word[0]))
        return 0;
    static constexpr std::array<std::int8_t, 64> slots = nameSlots();
    const int index = slots[slotOf(letterKey(word[0], word[1], word[2]))];
    if (index < 0)
        return 0;
    const Name& n = names[index];
    return word.size() <= n.name.size() && spells(word, n.name.substr(0, word.size())) ? n.value : 0;
}

int monthOf(View word)
{
    const int value = nameOf(word);
    return value <= 12 ? value : 0;
}

// "6", "06", "6th": the day; -1 for anything else.
int dayOf(View word)
{
    std::size_t digits = 0;
    while (digits < word.size() && isDigit(word[digits]))
        ++digits;
    if (digits == 0 || digits > 2)
        return -1;
    const View suffix = word.substr(digits);
    if (!suffix.empty() && !equalsIgnoringCase(suffix, "st") && !equalsIgnoringCase(suffix, "nd") &&
        !equalsIgnoringCase(suffix, "rd") && !equalsIgnoringCase(suffix, "th"))
        return -1;
    return numberOf(word.substr(0, digits));
}

// "Dec 6, 2026", "December 6 2026", "6 Dec 2026", "Saturday, December 6, 2026",
// given as words.
// `firstName` is nameOf(words[0]).
Match textDate(const View* words, int count, int firstName, FoundDate& date)
{
    int i = 0;
    const bool weekday = firstName > WeekdayBase;
    if (weekday)
        ++i;
    if (count - i != 3 || words[i + 2].size() != 4 || !allDigits(words[i + 2]))
        return Match::None;
    int month = weekday ? monthOf(words[i]) : firstName;
    int day = -1;
    if (month != 0) {
        day = dayOf(words[i + 1]);
        date.form = MonthNameFirst;
    } else {
        day = dayOf(words[i]);
        month = monthOf(words[i + 1]);
        date.form = DayFirst;
    }
    if (month == 0 || day < 0)
        return Match::None;
    if (weekday)
        date.form = WithWeekday;
    date.year = numberOf(words[i + 2]);
    date.month = month;
    date.day = day;
    return checked(date);
}

constexpr std::array<bool, 256> wordBreaks()
{
    std::array<bool, 256> breaks{};
    for (const char c : {' ', ',', '.', '\t', '\r'})
        breaks[static_cast<unsigned char>(c)] = true;
    return breaks;
}

// Blanks, commas and periods part the words of a written-out date.
bool partsWords(char c)
{
    static constexpr std::array<bool, 256> breaks = wordBreaks();
    return breaks[static_cast<unsigned char>(c)];
}

// Words of a field: blanks, commas and periods part them.
int addWords(View field, View* words, int count, int max)
{
    const char* p = field.data();
    const char* const end = p + field.size();
    for (;;) {
        while (p < end && partsWords(*p))
            ++p;
        if (p == end)
            return count;
        const char* const start = p;
        while (p < end && !partsWords(*p))
            ++p;
        if (count == max)
            return max + 1;
        words[count++] = View(start, static_cast<std::size_t>(p - start));
    }
}

Match dateAt(const View* fields, int n, int at, FoundDate& date)
{
    const View first = fields[at];
    if (first.empty())
        return Match::None;
    if (isDigit(first[0])) {
        const Match numeric = numericDate(first, date);
        if (numeric != Match::None)
            return numeric;
        if (at + 2 < n && first.size() <= 2 && allDigits(first) && fields[at + 1].size() <= 2 &&
            allDigits(fields[at + 1]) && fields[at + 2].size() == 4 && allDigits(fields[at + 2])) {
            date.month = numberOf(first);
            date.day = numberOf(fields[at + 1]);
            date.year = numberOf(fields[at + 2]);
            date.form = ThreeFields;
            date.fields = 3;
            return checked(date);
        }
        if (first.size() > 4)
            return Match::None;
    }
    // A written-out date starts with a weekday, a month or a day: "Pick 3 Day"
    // is none. It may reach over several fields: "Saturday, December 6, 2026"
    // unquoted in a comma-separated file, or any such date in a blank-separated one.
    if (!isDigit(first[0]) && !startsAName(first[0]))
        return Match::None;
    std::size_t firstEnd = 0;
    while (firstEnd < first.size() && !partsWords(first[firstEnd]))
        ++firstEnd;
    const int firstName = nameOf(first.substr(0, firstEnd));
    if (firstEnd == 0 || (!isDigit(first[0]) && firstName == 0))
        return Match::None;
    constexpr int MaxWords = 4;
    View words[MaxWords] = {first.substr(0, firstEnd)};
    int count = addWords(first.substr(firstEnd), words, 1, MaxWords);
    bool letters = false;
    for (int k = at; k < n && k < at + 4 && !letters; ++k)
        letters = hasLetter(fields[k]);
    if (!letters)
        return Match::None;
    for (int k = at; k < n && k < at + 4; ++k) {
        if (k > at)
            count = addWords(fields[k], words, count, MaxWords);
        if (count > MaxWords)
            return Match::None;
        if (count < 3)
            continue;
        const Match text = textDate(words, count, firstName, date);
        if (text != Match::None) {
            date.fields = k - at + 1;
            // "December<tab>6<tab>2026": month, day and year each in a field of its own.
            if (date.fields == 3 && date.form == MonthNameFirst && allDigits(fields[at + 1]) &&
                allDigits(fields[at + 2]))
                date.form = ThreeFields;
            return text;
        }
    }
    return Match::None;
}

// --- Digits and draw names ---

struct FoundDigits {
    int a = 0, b = 0, c = 0;
    DigitsForm form = ThreeDigitFields;
};

// "451", "4-5-1", "4 5 1", "4,5,1" in one field.
bool digitRun(View field, FoundDigits& digits)
{
    if (field.size() == 3 && allDigits(field)) {
        digits = {field[0] - '0', field[1] - '0', field[2] - '0', OneRun};
        return true;
    }
    if (field.size() < 5 || !isDigit(field[0]) || !isDigit(field.back()))
        return false;
    // The usual "4-5-1" or "4,5,1" at once.
    if (field.size() == 5 && field[1] == field[3] && isDigit(field[2]) &&
        (field[1] == '-' || field[1] == ',' || field[1] == ' ')) {
        digits = {field[0] - '0', field[2] - '0', field[4] - '0',
                  field[1] == '-'   ? Dashed
                  : field[1] == ',' ? Commas
                                    : Spaced};
        return true;
    }
    int values[3];
    int count = 0;
    char separator = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (isDigit(c)) {
            if (count == 3 || (i > 0 && isDigit(field[i - 1])))
                return false;
            values[count++] = c - '0';
        } else if (c == '-' || c == ' ' || c == ',') {
            if (separator == 0)
                separator = c;
            else if (c != separator && !(c == ' ' || separator == ' '))
                return false;
        } else {
            return false;
        }
    }
    if (count != 3)
        return false;
    const DigitsForm form = separator == '-' ? Dashed : separator == ',' ? Commas : Spaced;
    digits = {values[0], values[1], values[2], form};
    return true;
}

bool oneDigit(View field)
{
    return field.size() == 1 && isDigit(field[0]);
}

// The time-of-day words that tell the draws of one day apart.
View drawTimeWord(View field)
{
    static const View words[][2] = {
        {"midday"sv, "Midday"sv}, {"mid-day"sv, "Midday"sv},  {"evening"sv, "Evening"sv},     {"day"sv, "Day"sv},
        {"night"sv, "Night"sv},   {"morning"sv, "Morning"sv}, {"afternoon"sv, "Afternoon"sv}, {"noon"sv, "Noon"sv},
        {"m"sv, "Midday"sv},      {"e"sv, "Evening"sv},       {"eve"sv, "Evening"sv}};
    if (field.empty() || field.size() > 9 || !isLetter(field[0]))
        return {};
    const char first = lower(field[0]);
    if (first != 'm' && first != 'e' && first != 'd' && first != 'n' && first != 'a')
        return {};
    for (const auto& w : words)
        if (w[0][0] == first && spells(field, w[0]))
            return w[1];
    return {};
}

// "12:20pm", "12:20", "pm": the time a draw was held is no part of its name.
bool isClockWord(View word)
{
    if (word.size() == 2 && (lower(word[0]) == 'a' || lower(word[0]) == 'p') && lower(word[1]) == 'm')
        return true;
    return isDigit(word[0]) && isTimeOfDay(word);
}

void appendNamePart(std::string& name, View part)
{
    if (const View word = drawTimeWord(part); !word.empty())
        part = word;
    // Words parted by blanks, one blank between them in the name.
    std::size_t i = 0;
    while (i < part.size()) {
        while (i < part.size() && isBlank(part[i]))
            ++i;
        const std::size_t start = i;
        while (i < part.size() && !isBlank(part[i]))
            ++i;
        const View word = part.substr(start, i - start);
        if (word.empty() || isClockWord(word))
            continue;
        if (!name.empty())
            name += ' ';
        name.append(word.data(), word.size());
    }
}

// --- One line ---

enum class LineKind { Draw, NoDate, ImpossibleDate, NoDigits, DateOnly };

struct ParsedLine {
    LineKind kind = LineKind::NoDate;
    FoundDate date;
    FoundDigits digits;
    View dateText;   // for the message about an impossible date
    View longNumber; // a number of four digits or more in the column of the game's number
};

// What the line before gave, for the next one: files repeat the game name on
// every line, and each date on consecutive lines when they hold several draws
// a day. Copies, not views: a file is read a piece at a time.
struct LineMemo {
    std::string dateText; // a date in a field of its own
    FoundDate date;
    static constexpr int NameFields = 4;
    int nameFieldCount = 0; // the fields of the name before the date
    std::string nameFields[NameFields];
    std::string name;
    // The date of a line that holds only a date: a results page lists the
    // draws of that date below it, one line each ("Midday<TAB>3 9 9").
    bool blockDateSet = false;
    FoundDate blockDate;
};

// Whether one of the name's words is a time of day that tells draws apart.
bool namesDrawTime(View name)
{
    std::size_t i = 0;
    while (i < name.size()) {
        while (i < name.size() && name[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < name.size() && name[i] != ' ')
            ++i;
        if (i > start && !drawTimeWord(name.substr(start, i - start)).empty())
            return true;
    }
    return false;
}

// Reads one line; `name` receives the draw name the line gives, if any.
// `numberColumn` is the field that the header names as the game's number, or -1:
// there "66" is 066.
ParsedLine parseLine(const View* fields, int n, std::string& name, LineMemo& last, int numberColumn = -1)
{
    ParsedLine line;
    name.clear();
    int at = 0;
    Match match = Match::None;
    for (; at < n; ++at) {
        if (!last.dateText.empty() && fields[at] == View(last.dateText)) {
            line.date = last.date;
            match = Match::Found;
            break;
        }
        match = dateAt(fields, n, at, line.date);
        if (match != Match::None) {
            if (match == Match::Found && line.date.fields == 1) {
                last.dateText.assign(fields[at].data(), fields[at].size());
                last.date = line.date;
            }
            break;
        }
    }
    const bool underDateLine = match == Match::None && last.blockDateSet && n > 0 && hasLetter(fields[0]);
    if (match == Match::None && !underDateLine)
        return line;
    if (match == Match::Impossible) {
        line.kind = LineKind::ImpossibleDate;
        line.dateText = fields[at];
        if (line.date.fields > 1)
            line.dateText = View(fields[at].data(), fields[at + line.date.fields - 1].data() +
                                                        fields[at + line.date.fields - 1].size() - fields[at].data());
        return line;
    }
    if (underDateLine) {
        line.date = last.blockDate;
        line.date.fields = 0;
        at = 0;
    }
    // A game name before the date: "Pick 3 Day,12/06/2026,451".
    int firstText = -1, lastText = -1;
    for (int k = 0; k < at; ++k)
        if (hasLetter(fields[k])) {
            if (firstText < 0)
                firstText = k;
            lastText = k;
        }
    if (firstText >= 0) {
        const int count = lastText - firstText + 1;
        bool same = count == last.nameFieldCount;
        for (int k = 0; k < count && same; ++k)
            same = fields[firstText + k] == View(last.nameFields[k]);
        if (same) {
            name = last.name;
        } else {
            for (int k = firstText; k <= lastText; ++k)
                appendNamePart(name, fields[k]);
            last.nameFieldCount = count <= LineMemo::NameFields ? count : 0;
            for (int k = 0; k < last.nameFieldCount; ++k)
                last.nameFields[k].assign(fields[firstText + k].data(), fields[firstText + k].size());
            last.name = name;
        }
    }

    int k = at + line.date.fields;
    bool found = false;
    bool rest = false; // anything after the date
    for (; k < n; ++k) {
        const View field = fields[k];
        if (field.empty())
            continue;
        rest = true;
        if (hasLetter(field)) {
            appendNamePart(name, field);
            continue;
        }
        if (digitRun(field, line.digits)) {
            found = true;
            ++k;
            break;
        }
        if (oneDigit(field) && k + 2 < n && oneDigit(fields[k + 1]) && oneDigit(fields[k + 2])) {
            line.digits = {field[0] - '0', fields[k + 1][0] - '0', fields[k + 2][0] - '0', ThreeDigitFields};
            found = true;
            k += 3;
            break;
        }
        // Not "4,5" or "45,1": digits in fields of their own, some missing.
        if (k == numberColumn && allDigits(field) && !(k + 1 < n && allDigits(fields[k + 1]))) {
            if (field.size() > 3) {
                line.longNumber = field;
                break;
            }
            // The number without its zeros: 66 is 0-6-6.
            const int value = numberOf(field);
            line.digits = {value / 100, value / 10 % 10, value % 10, OneRun};
            found = true;
            ++k;
            break;
        }
        if (oneDigit(field))
            break;
        // A draw number between the date and the digits, a bar or dash
        // standing between them, or the time of the draw.
        if ((allDigits(field) && field.size() >= 4) || field.find_first_of("0123456789") == View::npos ||
            isTimeOfDay(field))
            continue;
        break;
    }
    if (underDateLine && (!found || !namesDrawTime(name))) {
        line.kind = LineKind::NoDate;
        return line;
    }
    if (!found) {
        if (!rest && firstText < 0) {
            // A date line of a results page: its draws follow on lines of their own.
            line.kind = LineKind::DateOnly;
            last.blockDateSet = true;
            last.blockDate = line.date;
            return line;
        }
        line.kind = LineKind::NoDigits;
        return line;
    }
    if (!underDateLine)
        last.blockDateSet = false;
    // After the digits only a draw time counts: the rest are bonus numbers and the like.
    for (; k < n; ++k)
        if (!drawTimeWord(fields[k]).empty())
            appendNamePart(name, fields[k]);
    line.kind = LineKind::Draw;
    return line;
}

bool isComment(View line)
{
    return line[0] == '#' || (line.size() > 1 && line[0] == '/' && line[1] == '/');
}

bool allEmpty(const View* fields, int n)
{
    for (int i = 0; i < n; ++i)
        if (!fields[i].empty())
            return false;
    return true;
}

Delimiter findDelimiter(const std::vector<View>& sample)
{
    Delimiter best = Delimiter::Comma;
    int bestCount = 0;
    View fields[MaxFields];
    std::string name;
    for (Delimiter d : delimiters) {
        LineMemo last;
        int count = 0;
        for (View line : sample)
            if (parseLine(fields, splitFields(line, d, fields), name, last).kind == LineKind::Draw)
                ++count;
        if (count > bestCount) {
            best = d;
            bestCount = count;
        }
    }
    return best;
}

std::string cutText(View line)
{
    line = trim(line);
    std::string text(line.substr(0, 80));
    if (line.size() > 80)
        text += "...";
    return text;
}

std::string dateFormText(DateForm form, char separator)
{
    const std::string s(1, separator);
    switch (form) {
    case MonthDayYear: return "M" + s + "D" + s + "YYYY";
    case MonthDayShortYear: return "MM" + s + "DD" + s + "YY";
    case YearMonthDay: return "YYYY" + s + "MM" + s + "DD";
    case MonthNameFirst: return "\"Dec 6, 2026\"";
    case DayFirst: return "\"6 Dec 2026\"";
    case WithWeekday: return "\"Saturday, December 6, 2026\"";
    case ThreeFields: return translate("quor3::Import", "month, day and year in three fields");
    default: return "";
    }
}

// The layout's words are translated where the layout is put together.
const char* digitsFormText(DigitsForm form)
{
    switch (form) {
    case ThreeDigitFields: return QT_TRANSLATE_NOOP("quor3::Import", "digits in three fields");
    case OneRun: return QT_TRANSLATE_NOOP("quor3::Import", "digits in one field, as 451");
    case Dashed: return QT_TRANSLATE_NOOP("quor3::Import", "digits in one field, as 4-5-1");
    case Spaced: return QT_TRANSLATE_NOOP("quor3::Import", "digits in one field, as 4 5 1");
    case Commas: return QT_TRANSLATE_NOOP("quor3::Import", "digits in one field, as \"4,5,1\"");
    default: return "";
    }
}

const char* delimiterText(Delimiter d)
{
    switch (d) {
    case Delimiter::Tab: return QT_TRANSLATE_NOOP("quor3::Import", "tab-separated");
    case Delimiter::Semicolon: return QT_TRANSLATE_NOOP("quor3::Import", "semicolon-separated");
    case Delimiter::Comma: return QT_TRANSLATE_NOOP("quor3::Import", "comma-separated");
    default: return QT_TRANSLATE_NOOP("quor3::Import", "separated by blanks");
    }
}

template <std::size_t N> int mostCommon(const long long (&counts)[N])
{
    return static_cast<int>(std::max_element(counts, counts + N) - counts);
}

std::uint64_t drawKey(const DrawRecord& r)
{
    // Damaged records may hold any digits: mix them in whole.
    const std::uint64_t day = static_cast<std::uint64_t>(static_cast<std::int64_t>(r.DrawDate));
    return day * 1000003ULL ^ (static_cast<std::uint64_t>(static_cast<std::uint32_t>(r.Digit1)) << 40) ^
           (static_cast<std::uint64_t>(static_cast<std::uint32_t>(r.Digit2)) << 20) ^
           static_cast<std::uint64_t>(static_cast<std::uint32_t>(r.Digit3));
}

bool sameDraw(const DrawRecord& a, const DrawRecord& b)
{
    return a.DrawDate == b.DrawDate && a.Digit1 == b.Digit1 && a.Digit2 == b.Digit2 && a.Digit3 == b.Digit3;
}

// --- Column titles ---

// What a header's column holds.
enum class Role {
    Other,
    Draw,     // one draw's number, as "Midday Daily #"
    Number,   // the game's number, as "Winning Numbers"
    AddOn,    // an add-on digit: "Fireball", "Booster", "Wild Ball"
    Sum,      // the sum of the digits
    OtherGame // a number of another game: "Win 4", "Pick 4"
};

struct Column {
    Role role = Role::Other;
    std::string title;
    std::string drawName;    // the draw a draw's column holds: "Midday"; an add-on's draw when named
    bool bare = false;       // the title is the draw time alone: "Day"
    bool addonDigit = false; // an add-on column holding the add-on digit (not a multiplier or bonus)
};

// The words of a column title in small letters; letters and digits part, and
// "#" is a word: "Midday Daily #" gives midday, daily, #; "midday_win4" gives
// midday, win, 4.
std::vector<std::string> titleWords(View title)
{
    std::vector<std::string> words;
    std::string word;
    const auto flush = [&] {
        if (!word.empty())
            words.push_back(word);
        word.clear();
    };
    for (const char c : title) {
        if (isDigit(c) || isLetter(c)) {
            if (!word.empty() && isDigit(c) != isDigit(word.back()))
                flush();
            word += lower(c);
        } else {
            flush();
            if (c == '#')
                words.emplace_back("#");
        }
    }
    flush();
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (words[i] == "mid" && words[i + 1] == "day") {
            words[i] = "midday";
            words.erase(words.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        }
    return words;
}

bool among(const std::string& word, std::initializer_list<const char*> list)
{
    for (const char* w : list)
        if (word == w)
            return true;
    return false;
}

Column classify(View title)
{
    Column column;
    column.title = std::string(title);
    const std::vector<std::string> words = titleWords(title);
    for (const std::string& w : words)
        if (among(w, {"booster", "fireball", "wild", "wildball", "fb", "bonus", "multiplier", "kicker", "plus",
                      "extra"})) {
            column.role = Role::AddOn;
            for (const std::string& v : words) {
                column.addonDigit = column.addonDigit || among(v, {"booster", "fireball", "wild", "wildball", "fb"});
                if (const View time = drawTimeWord(v); !time.empty() && v.size() > 1 && column.drawName.empty())
                    column.drawName = std::string(time);
            }
            return column;
        }
    for (const std::string& w : words)
        if (among(w, {"sum", "total"})) {
            column.role = Role::Sum;
            return column;
        }
    for (std::size_t i = 1; i < words.size(); ++i)
        if (allDigits(words[i]) && words[i] != "3" &&
            among(words[i - 1], {"pick", "win", "play", "cash", "daily", "numbers", "dc", "big"})) {
            column.role = Role::OtherGame;
            return column;
        }
    bool number = false, drawWord = false, winning = false;
    for (const std::string& w : words) {
        // "m" and "e" name draws in a line's field, never in a title.
        if (const View time = drawTimeWord(w); !time.empty() && w.size() > 1 && column.drawName.empty())
            column.drawName = std::string(time);
        number = number || among(w, {"number", "numbers", "num", "result", "results", "winning", "digits",
                                     "combination", "#", "daily", "pick"});
        drawWord = drawWord || w == "draw";
        winning = winning || w == "winning";
    }
    if (!column.drawName.empty()) {
        column.role = Role::Draw;
        column.bare = words.size() == 1;
    } else if (number && (!drawWord || winning)) {
        // "Draw #" numbers the draws; it holds no digits of a draw.
        column.role = Role::Number;
    }
    return column;
}

// --- The add-on digit ---

// "7" or " 7 ": one digit between blanks.
bool digitCell(View v)
{
    return oneDigit(trim(v));
}

// "FB 7", "FB: 7", "FB7" within a field (Florida's rows); none otherwise.
std::optional<int> fireballWithin(View field, View next)
{
    for (std::size_t at = 0; at + 1 < field.size(); ++at) {
        if (lower(field[at]) != 'f' || lower(field[at + 1]) != 'b' || (at > 0 && isLetter(field[at - 1])))
            continue;
        View rest = field.substr(at + 2);
        while (!rest.empty() && (rest.front() == ':' || rest.front() == ' '))
            rest.remove_prefix(1);
        if (rest.empty() && digitCell(next))
            return trim(next)[0] - '0';
        if (!rest.empty() && isDigit(rest[0]) && (rest.size() == 1 || !isDigit(rest[1])))
            return rest[0] - '0';
    }
    return std::nullopt;
}

// The add-on digit a line publishes beside its draw `digits` of the draw
// `drawName`: the cell of an add-on digit's column ("Fireball", "Wild Ball",
// "FB"; an empty cell is none), "FB 7" in the line, or Texas's last field after
// the digits and their sum ("4,5,1,10,7").
std::optional<int> addonOfLine(const std::vector<Column>& columns, const View* fields, int n, const FoundDigits& digits,
                               const std::string& drawName, bool columnsOnly)
{
    for (int i = 0; i < n && i < static_cast<int>(columns.size()); ++i) {
        const Column& c = columns[static_cast<std::size_t>(i)];
        if (c.role == Role::AddOn && c.addonDigit &&
            (c.drawName.empty() || drawName.empty() || equalsIgnoringCase(c.drawName, drawName)))
            return digitCell(fields[i]) ? std::optional<int>(trim(fields[i])[0] - '0') : std::nullopt;
    }
    if (columnsOnly)
        return std::nullopt;
    for (int i = 0; i < n; ++i)
        if (const auto found = fireballWithin(fields[i], i + 1 < n ? fields[i + 1] : View()))
            return found;
    if (n >= 3 && digitCell(fields[n - 1]) && allDigits(trim(fields[n - 2])) &&
        numberOf(trim(fields[n - 2])) == digits.a + digits.b + digits.c) {
        FoundDigits run;
        const bool inOne =
            digitRun(trim(fields[n - 3]), run) && run.a == digits.a && run.b == digits.b && run.c == digits.c;
        const bool inThree = n >= 5 && digitCell(fields[n - 5]) && digitCell(fields[n - 4]) &&
                             digitCell(fields[n - 3]) && trim(fields[n - 5])[0] - '0' == digits.a &&
                             trim(fields[n - 4])[0] - '0' == digits.b && trim(fields[n - 3])[0] - '0' == digits.c;
        if (inOne || inThree)
            return trim(fields[n - 1])[0] - '0';
    }
    return std::nullopt;
}

// More skipped lines than this are counted, not listed.
constexpr std::size_t SkippedListed = 1000;
// A line is read up to this many bytes; no results line is near so long.
constexpr std::size_t MaxLine = 4096;
constexpr long long MaxResultsBytes = 200LL * 1024 * 1024;
const char* const TooLarge = "it is larger than 200 MB, far more than any results file holds";

// Builds the scan from a file's lines, or from the records of a JSON file.
class Reader
{
  public:
    // One line, without its line end, in the order of the file.
    void addLine(View line)
    {
        ++number_;
        if (decided_) {
            read(number_, line);
            return;
        }
        const View trimmed = trim(line);
        if (trimmed.empty() || isComment(trimmed))
            return;
        held_.emplace_back(number_, std::string(line));
        if (held_.size() == static_cast<std::size_t>(SampleLines))
            decide();
    }

    // JSON: the keys of the records are the column titles.
    void startRecords(const std::vector<View>& titles)
    {
        decided_ = true;
        json_ = true;
        header(titles.data(), static_cast<int>(titles.size()));
    }
    void addRecord(int number, const View* fields, int n, View text)
    {
        ++contentLines_;
        readFields(number, fields, n, text);
    }

    ImportScan finish();

  private:
    void decide()
    {
        std::vector<View> sample;
        for (const auto& line : held_)
            sample.push_back(trim(line.second));
        delimiter_ = findDelimiter(sample);
        decided_ = true;
        for (const auto& line : held_)
            read(line.first, line.second);
        held_.clear();
        held_.shrink_to_fit();
    }

    void read(int number, View line)
    {
        const View trimmed = trim(line);
        if (trimmed.empty() || isComment(trimmed))
            return;
        const int n = splitFields(trimmed, delimiter_, fields_);
        if (allEmpty(fields_, n))
            return;
        ++contentLines_;
        lineQuoted_ = trimmed.find('"') != View::npos;
        readFields(number, fields_, n, line);
    }

    void readFields(int number, const View* fields, int n, View text)
    {
        if (columnMode_) {
            readColumns(number, fields, n, text);
            return;
        }
        const ParsedLine parsed = parseLine(fields, n, name_, memo_, numberColumn_);
        switch (parsed.kind) {
        case LineKind::Draw: break;
        case LineKind::DateOnly: return;
        case LineKind::NoDate:
            // Column names, or a title, above the first draw.
            if (scan_.draws.empty() && skippedCount_ == 0 && hasLetter(text)) {
                header(fields, n);
                return;
            }
            skip(number, translate("quor3::Import", "no date found"), text);
            return;
        case LineKind::ImpossibleDate:
            skip(number, fill(translate("quor3::Import", "impossible date \"%1\""), {std::string(parsed.dateText)}),
                 text);
            return;
        case LineKind::NoDigits:
            skip(number,
                 parsed.longNumber.empty() ? translate("quor3::Import", "no three digits 0 to 9 after the date")
                                           : fill(translate("quor3::Import", "\"%1\" has more than three digits"),
                                                  {std::string(parsed.longNumber)}),
                 text);
            return;
        }
        addDraw(number, parsed.date, parsed.digits, name_,
                addonOfLine(columns_, fields, n, parsed.digits, std::string(), false));
    }

    // A header's columns say which field holds what.
    void header(const View* fields, int n)
    {
        hasHeader_ = true;
        columns_.clear();
        drawColumns_.clear();
        int draws = 0, bare = 0, numbers = 0;
        for (int i = 0; i < n; ++i) {
            columns_.push_back(classify(fields[i]));
            draws += columns_.back().role == Role::Draw;
            bare += columns_.back().role == Role::Draw && columns_.back().bare;
            numbers += columns_.back().role == Role::Number;
        }
        // "Month Day Year": a day of the month, not a draw of the day.
        columnMode_ = draws > 0 && columns_[0].role != Role::Draw && (draws > bare || draws >= 2);
        numberColumn_ = -1;
        for (int i = 0; i < n; ++i) {
            if (columnMode_ && columns_[static_cast<std::size_t>(i)].role == Role::Draw)
                drawColumns_.push_back(i);
            if (!columnMode_ && numbers == 1 && columns_[static_cast<std::size_t>(i)].role == Role::Number)
                numberColumn_ = i;
        }
    }

    // A line of a file with one column per draw: the date, then each draw's
    // number from its own column; a blank cell is a draw not held that day.
    void readColumns(int number, const View* fields, int n, View text)
    {
        FoundDate date;
        Match match = Match::None;
        for (int at = 0; at < n && match == Match::None; ++at) {
            const Role role =
                at < static_cast<int>(columns_.size()) ? columns_[static_cast<std::size_t>(at)].role : Role::Other;
            if (role != Role::Other && role != Role::Number)
                continue;
            match = dateAt(fields, n, at, date);
            if (match == Match::Impossible) {
                skip(number, fill(translate("quor3::Import", "impossible date \"%1\""), {std::string(fields[at])}),
                     text);
                return;
            }
        }
        if (match == Match::None) {
            skip(number, translate("quor3::Import", "no date found"), text);
            return;
        }
        for (const int c : drawColumns_) {
            const View cell = c < n ? fields[c] : View();
            if (cell.empty())
                continue;
            const Column& column = columns_[static_cast<std::size_t>(c)];
            FoundDigits digits;
            if (!digitRun(cell, digits)) {
                if (allDigits(cell) && cell.size() < 3) {
                    // The number without its zeros: 66 is 0-6-6.
                    const int value = numberOf(cell);
                    digits = {value / 100, value / 10 % 10, value % 10, OneRun};
                } else {
                    skip(
                        number,
                        allDigits(cell)
                            ? fill(translate("quor3::Import", "\"%1\" in the column \"%2\" has more than three digits"),
                                   {std::string(cell), column.title})
                            : fill(translate("quor3::Import", "no three digits 0 to 9 in the column \"%1\""),
                                   {column.title}),
                        text);
                    continue;
                }
            }
            addDraw(number, date, digits, column.drawName,
                    addonOfLine(columns_, fields, n, digits, column.drawName, true));
        }
    }

    void skip(int number, std::string reason, View text)
    {
        ++skippedCount_;
        if (scan_.skipped.size() < SkippedListed)
            scan_.skipped.push_back({number, std::move(reason), cutText(text)});
    }

    void addDraw(int number, const FoundDate& date, const FoundDigits& digits, const std::string& name,
                 std::optional<int> addon)
    {
        quoted_ = quoted_ || lineQuoted_;
        ImportedDraw draw;
        draw.lineNumber = number;
        draw.record.DrawDate = encodeDate(date.year, date.month, date.day);
        draw.record.Digit1 = digits.a;
        draw.record.Digit2 = digits.b;
        draw.record.Digit3 = digits.c;
        carryAddon(draw.record, addon);
        if (!name.empty()) {
            // Files name a few draws, spelled alike on every line.
            for (std::size_t i = 0; i < scan_.drawNames.size() && i < 8 && draw.drawName < 0; ++i)
                if (scan_.drawNames[i] == name)
                    draw.drawName = static_cast<int>(i);
            if (draw.drawName < 0) {
                const std::string key = lowered(name);
                auto found = nameIndex_.find(key);
                if (found == nameIndex_.end()) {
                    found = nameIndex_.emplace(key, static_cast<int>(scan_.drawNames.size())).first;
                    scan_.drawNames.push_back(name);
                }
                draw.drawName = found->second;
            }
        }
        if (!scan_.draws.empty()) {
            const double previous = scan_.draws.back().record.DrawDate;
            ascending_ += draw.record.DrawDate > previous;
            descending_ += draw.record.DrawDate < previous;
        }
        ++dateForms_[date.form];
        separators_[date.form] = date.separator;
        ++digitsForms_[digits.form];
        scan_.draws.push_back(draw);
    }

    std::string layout(bool newestFirst) const;

    ImportScan scan_;
    long long skippedCount_ = 0;
    int number_ = 0;
    bool decided_ = false;
    std::vector<std::pair<int, std::string>> held_; // the first lines, until the delimiter is known
    Delimiter delimiter_ = Delimiter::Comma;
    View fields_[MaxFields];
    std::string name_;
    LineMemo memo_;
    std::unordered_map<std::string, int> nameIndex_;
    long long dateForms_[DateFormCount] = {};
    long long digitsForms_[DigitsFormCount] = {};
    char separators_[DateFormCount] = {};
    long long ascending_ = 0, descending_ = 0;
    long long contentLines_ = 0;
    bool hasHeader_ = false;
    bool json_ = false;
    bool quoted_ = false;
    bool lineQuoted_ = false;
    std::vector<Column> columns_;
    bool columnMode_ = false;
    std::vector<int> drawColumns_;
    int numberColumn_ = -1;
};

std::string Reader::layout(bool newestFirst) const
{
    if (contentLines_ == 0)
        return "";
    std::string layout =
        json_ ? translate("quor3::Import", "JSON records") : translate("quor3::Import", delimiterText(delimiter_));
    if (quoted_)
        layout += translate("quor3::Import", ", quoted fields");
    if (!json_)
        layout +=
            hasHeader_ ? translate("quor3::Import", ", a header line") : translate("quor3::Import", ", no header line");
    if (columnMode_)
        layout += translate("quor3::Import", ", one column per draw");
    if (!scan_.draws.empty()) {
        const int form = mostCommon(dateForms_);
        layout += fill(translate("quor3::Import", ", dates as %1"),
                       {dateFormText(static_cast<DateForm>(form), separators_[form])});
        layout += ", ";
        layout += translate("quor3::Import", digitsFormText(static_cast<DigitsForm>(mostCommon(digitsForms_))));
        layout +=
            newestFirst ? translate("quor3::Import", ", newest first") : translate("quor3::Import", ", oldest first");
        if (!scan_.drawNames.empty()) {
            layout += scan_.drawNames.size() == 1 ? translate("quor3::Import", ", one draw: ")
                                                  : translate("quor3::Import", ", draws named ");
            for (std::size_t i = 0; i < scan_.drawNames.size() && i < 6; ++i)
                layout += (i ? ", " : "") + scan_.drawNames[i];
            if (scan_.drawNames.size() > 6)
                layout += ", ...";
        }
    }
    std::vector<std::string> addOns;
    for (const Column& c : columns_)
        if (c.role == Role::AddOn)
            addOns.push_back(c.title);
    if (!addOns.empty()) {
        std::string names;
        for (std::size_t i = 0; i < addOns.size(); ++i)
            names += (i == 0 ? "" : i + 1 == addOns.size() ? translate("quor3::Import", " and ") : ", ") + addOns[i];
        layout += fill(addOns.size() == 1 ? translate("quor3::Import", "; a %1 column, left aside")
                                          : translate("quor3::Import", "; the %1 columns, left aside"),
                       {names});
    }
    return layout;
}

ImportScan Reader::finish()
{
    if (!decided_)
        decide();
    const bool newestFirst = descending_ > ascending_;
    if (newestFirst)
        std::reverse(scan_.draws.begin(), scan_.draws.end());
    if (columnMode_) {
        // The draws of a day in the order of their columns.
        const auto byDateAndColumn = [](const ImportedDraw& a, const ImportedDraw& b) {
            return a.record.DrawDate < b.record.DrawDate ||
                   (a.record.DrawDate == b.record.DrawDate && a.drawName < b.drawName);
        };
        std::stable_sort(scan_.draws.begin(), scan_.draws.end(), byDateAndColumn);
    } else {
        const auto byDate = [](const ImportedDraw& a, const ImportedDraw& b) {
            return a.record.DrawDate < b.record.DrawDate;
        };
        if (!std::is_sorted(scan_.draws.begin(), scan_.draws.end(), byDate))
            std::stable_sort(scan_.draws.begin(), scan_.draws.end(), byDate);
    }
    scan_.layout = layout(newestFirst);
    scan_.skippedCount = skippedCount_;
    return std::move(scan_);
}

// Hands a text, given whole or a piece at a time, to the reader line by line:
// LF or CR LF ends a line, and a lone CR in a file that has no LF.
class LineSplitter
{
  public:
    explicit LineSplitter(Reader& reader) : reader_(reader) {}

    void feed(View piece)
    {
        if (end_ == 0)
            end_ = piece.find('\n') != View::npos ? '\n' : piece.find('\r') != View::npos ? '\r' : 0;
        std::size_t start = 0;
        while (start < piece.size()) {
            const void* found = end_ ? std::memchr(piece.data() + start, end_, piece.size() - start) : nullptr;
            if (!found) {
                keep(piece.substr(start));
                return;
            }
            const std::size_t stop = static_cast<std::size_t>(static_cast<const char*>(found) - piece.data());
            if (!open_) {
                emit(piece.substr(start, stop - start));
            } else {
                keep(piece.substr(start, stop - start));
                emit(partial_);
                partial_.clear();
                open_ = false;
            }
            start = stop + 1;
        }
    }

    void finish()
    {
        if (open_)
            emit(partial_);
        open_ = false;
    }

  private:
    void keep(View part)
    {
        open_ = true;
        if (partial_.size() < MaxLine)
            partial_.append(part.substr(0, MaxLine - partial_.size()));
    }
    void emit(View line)
    {
        line = line.substr(0, MaxLine);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        reader_.addLine(line);
    }

    Reader& reader_;
    char end_ = 0;
    std::string partial_;
    bool open_ = false;
};

bool looksLikeJson(View text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first != View::npos && text[first] == '[';
}

// A JSON array of objects, one per date, their keys naming the date and the
// draws as a header's columns do. Read as a stream of events, twice: the keys
// first, then each record, so that memory grows with the draws and not with
// the file.
class RecordEvents : public nlohmann::json_sax<nlohmann::json>
{
  public:
    // `each(record, cells)` for every record once the keys are known; without
    // it the events only gather the keys. `goOn()` false stops the reading.
    using Each = std::function<void(int, const std::vector<std::string>&)>;
    RecordEvents(std::vector<std::string>& keys, Each each, std::function<bool()> goOn)
        : keys_(keys), each_(std::move(each)), goOn_(std::move(goOn))
    {
        for (std::size_t i = 0; i < keys_.size(); ++i)
            index_.emplace(keys_[i], i);
    }

    int records() const { return records_; }

    bool null() override { return value(""); }
    bool boolean(bool v) override { return value(v ? "true" : "false"); }
    bool number_integer(number_integer_t v) override { return value(std::to_string(v)); }
    bool number_unsigned(number_unsigned_t v) override { return value(std::to_string(v)); }
    bool number_float(number_float_t, const string_t& text) override { return value(text); }
    bool string(string_t& v) override { return value(v); }
    bool binary(binary_t&) override { return value(""); }
    bool key(string_t& k) override
    {
        if (depth_ == 2) {
            auto found = index_.find(k);
            if (found == index_.end()) {
                found = index_.emplace(k, keys_.size()).first;
                keys_.push_back(k);
            }
            key_ = found->second;
        }
        return true;
    }
    bool start_object(std::size_t) override
    {
        if (depth_ == 0)
            return false; // no array of records
        if (depth_ == 1) {
            cells_.assign(each_ ? keys_.size() : 0, std::string());
            key_ = -1;
        } else if (depth_ == 2) {
            value("");
        }
        ++depth_;
        return true;
    }
    bool end_object() override
    {
        if (--depth_ == 1) {
            ++records_;
            if (each_)
                each_(records_, cells_);
            if (records_ % 1024 == 0 && goOn_ && !goOn_())
                return false;
        }
        return true;
    }
    bool start_array(std::size_t) override
    {
        if (depth_ == 1)
            return false; // records are objects
        if (depth_ == 2)
            value("");
        ++depth_;
        return true;
    }
    bool end_array() override
    {
        --depth_;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }

  private:
    bool value(const std::string& text)
    {
        if (depth_ < 2)
            return false; // a bare value where the array or a record belongs
        if (depth_ == 2 && each_ && static_cast<std::size_t>(key_) < cells_.size())
            cells_[static_cast<std::size_t>(key_)] = text;
        return true;
    }

    std::vector<std::string>& keys_;
    std::unordered_map<std::string, std::size_t> index_;
    Each each_;
    std::function<bool()> goOn_;
    int depth_ = 0;
    std::size_t key_ = static_cast<std::size_t>(-1);
    std::vector<std::string> cells_;
    int records_ = 0;
};

enum class JsonRead { Done, NotRecords, Stopped };

// `parse(events)` runs the events over the whole input and tells whether it
// came to the end.
template <typename Parse>
JsonRead readJson(Parse parse, ImportScan& scan, const std::function<bool()>& goOn, const bool& stopped)
{
    std::vector<std::string> keys;
    {
        RecordEvents gather(keys, nullptr, goOn);
        if (!parse(gather) || gather.records() == 0)
            return stopped ? JsonRead::Stopped : JsonRead::NotRecords;
    }
    Reader reader;
    std::vector<View> views(keys.begin(), keys.end());
    reader.startRecords(views);
    std::string shown; // the record as the list of skipped lines shows it
    RecordEvents records(
        keys,
        [&](int number, const std::vector<std::string>& cells) {
            shown.clear();
            for (std::size_t i = 0; i < cells.size(); ++i) {
                views[i] = trim(cells[i]);
                if (!cells[i].empty())
                    shown += (shown.empty() ? "" : ", ") + keys[i] + ": " + cells[i];
            }
            reader.addRecord(number, views.data(), static_cast<int>(views.size()), shown);
        },
        goOn);
    if (!parse(records))
        return JsonRead::Stopped;
    scan = reader.finish();
    return JsonRead::Done;
}

View withoutByteOrderMark(View text)
{
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.remove_prefix(3);
    return text;
}

// The words of a draw name in small letters, a draw time in its usual spelling:
// "Pick 3 Eve" gives pick, 3, evening.
std::vector<std::string> nameWords(View name)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < name.size()) {
        while (i < name.size() && !isDigit(name[i]) && !isLetter(name[i]) && name[i] != '-')
            ++i;
        const std::size_t start = i;
        while (i < name.size() && (isDigit(name[i]) || isLetter(name[i]) || name[i] == '-'))
            ++i;
        if (i == start)
            continue;
        const View word = name.substr(start, i - start);
        const View time = drawTimeWord(word);
        words.push_back(lowered(time.empty() ? word : time));
    }
    return words;
}

// The draws whose name is `name`, or holds its words in a row.
std::vector<int> matchingDraws(const ImportScan& scan, const std::string& name)
{
    for (std::size_t i = 0; i < scan.drawNames.size(); ++i)
        if (equalsIgnoringCase(scan.drawNames[i], name))
            return {static_cast<int>(i)};
    std::vector<int> matches;
    const std::vector<std::string> words = nameWords(name);
    if (words.empty())
        return matches;
    for (std::size_t i = 0; i < scan.drawNames.size(); ++i) {
        const std::vector<std::string> own = nameWords(scan.drawNames[i]);
        const auto at = std::search(own.begin(), own.end(), words.begin(), words.end());
        if (at != own.end())
            matches.push_back(static_cast<int>(i));
    }
    return matches;
}

std::string nameList(const ImportScan& scan, const std::vector<int>& which)
{
    std::string names;
    for (std::size_t i = 0; i < which.size(); ++i)
        names += (i ? ", " : "") + scan.drawNames[static_cast<std::size_t>(which[i])];
    return names;
}

// One key for each date and digits 0 to 9.
long long exactKey(const DrawRecord& r)
{
    return static_cast<long long>(r.DrawDate) * 1000 + r.Digit1 * 100 + r.Digit2 * 10 + r.Digit3;
}

// A JSON file, read from the disk in each of the two passes.
JsonRead readJsonFile(const fs::path& file, long long size, const std::function<bool(long long, long long)>& progress,
                      ImportScan& scan)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throwIoError(file, "read");
    int pass = 0;
    bool stopped = false;
    const auto goOn = [&] {
        if (!progress)
            return true;
        const long long at = std::max(0LL, static_cast<long long>(in.tellg()));
        stopped = !progress((pass * size + at) / 2, size);
        return !stopped;
    };
    return readJson(
        [&](RecordEvents& events) {
            in.clear();
            in.seekg(0);
            const bool read = nlohmann::json::sax_parse(in, &events);
            ++pass;
            return read;
        },
        scan, goOn, stopped);
}

} // namespace

ImportScan importDraws(const std::string& input)
{
    if (static_cast<long long>(input.size()) > MaxResultsBytes)
        throw Error(Error::Kind::Conversion, fill(translate("quor3::Import", "Cannot import these results: %1."),
                                                  {translate("quor3::Error", TooLarge)}));
    const View text = withoutByteOrderMark(input);
    ImportScan scan;
    const bool never = false;
    if (looksLikeJson(text) &&
        readJson([text](RecordEvents& events) { return nlohmann::json::sax_parse(text.begin(), text.end(), &events); },
                 scan, {}, never) == JsonRead::Done)
        return scan;
    Reader reader;
    LineSplitter lines(reader);
    lines.feed(text);
    lines.finish();
    return reader.finish();
}

ImportScan importFile(const fs::path& file, const std::function<bool(long long, long long)>& progress)
{
    // Without O_NONBLOCK a FIFO would hold the open until a writer comes.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throwIoError(file, "read");
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {
    };
    if (::fstat(fd, &info) != 0)
        throwIoError(file, "read");
    if (!S_ISREG(info.st_mode))
        throwIoError(file, "read", "it is not a regular file");
    if (info.st_size > MaxResultsBytes)
        throwIoError(file, "import", TooLarge);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);

    const auto cancelled = [] {
        ImportScan scan;
        scan.cancelled = true;
        return scan;
    };
    constexpr std::size_t Piece = 1 << 20;
    std::vector<char> buffer(Piece);
    Reader reader;
    LineSplitter lines(reader);
    bool first = true;
    long long done = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throwIoError(file, "read");
        }
        if (got == 0)
            break;
        done += got;
        if (done > MaxResultsBytes)
            throwIoError(file, "import", TooLarge);
        View piece(buffer.data(), static_cast<std::size_t>(got));
        if (first) {
            first = false;
            piece = withoutByteOrderMark(piece);
            if (looksLikeJson(piece)) {
                ImportScan scan;
                switch (readJsonFile(file, info.st_size, progress, scan)) {
                case JsonRead::Done: return scan;
                case JsonRead::Stopped: return cancelled();
                case JsonRead::NotRecords: break;
                }
            }
        }
        lines.feed(piece);
        if (progress && !progress(done, info.st_size))
            return cancelled();
    }
    lines.finish();
    return reader.finish();
}

int findDrawName(const ImportScan& scan, const std::string& name)
{
    const std::vector<int> matches = matchingDraws(scan, name);
    return matches.size() == 1 ? matches.front() : -1;
}

ChosenDraws chooseDraw(const ImportScan& scan, const std::string& drawName)
{
    ChosenDraws chosen;
    int index = -1;
    if (!scan.drawNames.empty()) {
        if (drawName.empty() && scan.drawNames.size() == 1) {
            index = 0;
        } else {
            std::vector<int> all(scan.drawNames.size());
            for (std::size_t i = 0; i < all.size(); ++i)
                all[i] = static_cast<int>(i);
            const std::vector<int> matches = drawName.empty() ? std::vector<int>() : matchingDraws(scan, drawName);
            if (drawName.empty())
                throw Error(Error::Kind::Conversion,
                            fill(translate("quor3::Import", "The file holds several draws (%1): choose one."),
                                 {nameList(scan, all)}));
            if (matches.empty())
                throw Error(Error::Kind::Conversion,
                            fill(translate("quor3::Import", "The file holds no draw named \"%1\"; it holds %2."),
                                 {drawName, nameList(scan, all)}));
            if (matches.size() > 1)
                throw Error(Error::Kind::Conversion,
                            fill(translate("quor3::Import", "\"%1\" names several draws of the file (%2): choose one."),
                                 {drawName, nameList(scan, matches)}));
            index = matches.front();
        }
    }
    chosen.draws.reserve(scan.draws.size());
    chosen.lineNumbers.reserve(scan.draws.size());
    std::unordered_set<long long> seen;
    // Lines, not draws: a line of a table may hold a draw of each name, and
    // it is left aside only when it holds none of the chosen one.
    std::unordered_set<int> otherLines, chosenLines;
    for (const ImportedDraw& d : scan.draws) {
        if (index >= 0 && d.drawName != index) {
            otherLines.insert(d.lineNumber);
            continue;
        }
        chosenLines.insert(d.lineNumber);
        // Two overlapping downloads pasted into one file hold many draws twice.
        if (!seen.insert(exactKey(d.record)).second) {
            ++chosen.repeatedDraws;
            continue;
        }
        // Its add-on digit goes along to the full history (carriedAddon).
        chosen.draws.push_back(d.record);
        chosen.lineNumbers.push_back(d.lineNumber);
    }
    for (int line : otherLines)
        chosen.otherDrawLines += chosenLines.count(line) == 0;
    return chosen;
}

ImportPlan planImport(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& incoming, ImportMode mode)
{
    ImportPlan plan;
    struct Entry {
        DrawRecord record;
        bool fromFile;
    };
    std::vector<Entry> all;
    all.reserve(stored.size() + incoming.size());
    // Draws by key: the stored ones, and the file's taken so far.
    using Keyed = std::unordered_multimap<std::uint64_t, DrawRecord>;
    const auto holds = [](const Keyed& keyed, const DrawRecord& r) {
        const auto range = keyed.equal_range(drawKey(r));
        for (auto it = range.first; it != range.second; ++it)
            if (sameDraw(it->second, r))
                return true;
        return false;
    };
    Keyed storedKeys, taken;
    if (mode == ImportMode::Merge) {
        storedKeys.reserve(stored.size());
        for (const DrawRecord& r : stored) {
            all.push_back({r, false});
            storedKeys.emplace(drawKey(r), r);
        }
    }
    taken.reserve(incoming.size());
    for (const DrawRecord& r : incoming) {
        if (holds(storedKeys, r)) {
            ++plan.alreadyStored;
            continue;
        }
        // A draw the file repeats is counted once, as a stored one is.
        if (holds(taken, r)) {
            ++plan.repeatedInFile;
            continue;
        }
        taken.emplace(drawKey(r), r);
        all.push_back({r, true});
    }
    // Stable: stored draws come before new ones within a date, and each keeps
    // its own order of the day.
    std::stable_sort(all.begin(), all.end(),
                     [](const Entry& a, const Entry& b) { return a.record.DrawDate < b.record.DrawDate; });
    const std::size_t first = all.size() > static_cast<std::size_t>(MaxDraws) ? all.size() - MaxDraws : 0;
    plan.leftOut = static_cast<long long>(first);
    plan.draws.reserve(all.size() - first);
    for (std::size_t i = first; i < all.size(); ++i) {
        DrawRecord r = all[i].record;
        r.Reserved = {};
        plan.draws.push_back(r);
        plan.fromFile += all[i].fromFile;
    }
    return plan;
}

ImportOutcome storeImport(const fs::path& folder, const std::string& databaseName,
                          const std::vector<DrawRecord>& incoming, ImportMode mode, const std::string& origin)
{
    const fs::path database = (folder.empty() ? fs::path(".") : folder) / databaseName;
    ImportOutcome outcome;
    // A draw dated after today is never stored from a file (ImportChecks).
    std::vector<DrawRecord> datedDraws = incoming;
    outcome.datedAfterToday = dropFutureDraws(datedDraws);
    if (datedDraws.empty())
        throwIoError(database, "import into", "the file holds no draw that Quor 3 can read");
    const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
    const bool exists = fileExists(database);
    const std::string before = exists ? readWholeFile(database) : std::string();
    const std::vector<DrawRecord> stored = decodeDraws(before);
    // The wrong draw of a file (Midday for an Evening database) stores nothing.
    if (mode == ImportMode::Merge)
        refuseAnotherDraw(compareDraws(stored, datedDraws));
    outcome.plan = planImport(stored, datedDraws, mode);
    const std::string after = encodeDraws(outcome.plan.draws);
    RecordChange change;
    // Every draw of the file goes into the full history with the working
    // file's change; a date only the history holds takes the file's draws.
    change.offered = datedDraws;
    change.offeredReplace = mode == ImportMode::Replace;
    change.origin = {"import", origin};
    if (exists && after == before) {
        outcome.corrections = changeRecord(database, change).corrections;
        return outcome;
    }
    // Refused before the backup: a database the user cannot write, or a link
    // to one elsewhere, is never replaced.
    checkChangeable(database, "replace");
    if (exists)
        outcome.backup = backupDatabase(database, backupReason::Import);
    change.working = RecordChange::Working::Replace;
    change.bytes = after;
    outcome.corrections = changeRecord(database, change).corrections;
    outcome.changed = true;
    return outcome;
}

namespace
{

// "5/1/2010 1 2 3 (was 4 5 6)", the first few.
std::string correctionList(const std::vector<DayChange>& corrections)
{
    std::string text;
    const std::size_t shown = std::min<std::size_t>(corrections.size(), 5);
    const auto draws = [](const std::vector<DrawRecord>& day) {
        std::string list;
        for (const DrawRecord& r : day)
            list += (list.empty() ? "" : ", ") + digitTriple(r.Digit1, r.Digit2, r.Digit3);
        return list;
    };
    for (std::size_t i = 0; i < shown; ++i)
        text += (i ? "; " : "") +
                fill(translate("quor3::Import", "%1 %2 (was %3)"),
                     {monthDayYear(corrections[i].date), draws(corrections[i].after), draws(corrections[i].before)});
    if (shown < corrections.size())
        text += "; ...";
    return text;
}

} // namespace

std::string describeImport(const ImportOutcome& outcome)
{
    const ImportPlan& plan = outcome.plan;
    const auto n = [](long long value) { return std::to_string(value); };
    std::string text;
    if (!outcome.changed && outcome.corrections.empty()) {
        text = translate("quor3::Import", "Nothing changed: the database already holds these draws.");
    } else if (!outcome.changed) {
        text = translate("quor3::Import", "The database already holds these draws.");
    } else {
        const auto total = static_cast<long long>(plan.draws.size());
        text =
            fill(total == 1 ? translate("quor3::Import", "The database now holds %1 draw, %2 of them from the file.")
                            : translate("quor3::Import", "The database now holds %1 draws, %2 of them from the file."),
                 {n(total), n(plan.fromFile)});
    }
    if (plan.alreadyStored > 0)
        text += fill(plan.alreadyStored == 1
                         ? translate("quor3::Import", " %1 draw of the file was already stored and skipped.")
                         : translate("quor3::Import", " %1 draws of the file were already stored and skipped."),
                     {n(plan.alreadyStored)});
    if (plan.repeatedInFile > 0)
        text += fill(plan.repeatedInFile == 1
                         ? translate("quor3::Import", " %1 draw repeated in the file was counted once.")
                         : translate("quor3::Import", " %1 draws repeated in the file were counted once."),
                     {n(plan.repeatedInFile)});
    if (plan.leftOut > 0 && outcome.changed)
        text += fill(plan.leftOut == 1
                         ? translate("quor3::Import", " %1 draw older than the newest %2 is kept in the full history "
                                                      "only: the database holds at most %2 draws.")
                         : translate("quor3::Import", " %1 draws older than the newest %2 are kept in the full history "
                                                      "only: the database holds at most %2 draws."),
                     {n(plan.leftOut), n(MaxDraws)});
    if (outcome.datedAfterToday > 0)
        text +=
            fill(outcome.datedAfterToday == 1 ? translate("quor3::Import", " %1 draw dated after today was skipped.")
                                              : translate("quor3::Import", " %1 draws dated after today were skipped."),
                 {n(outcome.datedAfterToday)});
    if (!outcome.corrections.empty())
        text += fill(outcome.corrections.size() == 1
                         ? translate("quor3::Import", " %1 date of the full history was corrected: %2.")
                         : translate("quor3::Import", " %1 dates of the full history were corrected: %2."),
                     {n(static_cast<long long>(outcome.corrections.size())), correctionList(outcome.corrections)});
    if (!outcome.backup.empty())
        text += fill(translate("quor3::Import", " The database as it was is kept in %1."),
                     {(outcome.backup.parent_path().filename() / outcome.backup.filename()).string()});
    return text;
}

} // namespace quor3
