#include "engine/Import.h"

#include "engine/Backups.h"
#include "engine/DatabaseLock.h"
#include "engine/Dates.h"
#include "engine/Errors.h"
#include "engine/FileIo.h"
#include "engine/History.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>
#include <unordered_map>

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

int numberOf(View v)
{
    int value = 0;
    for (char c : v)
        value = value * 10 + (c - '0');
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

Match numericDate(View field, FoundDate& date)
{
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

void appendNamePart(std::string& name, View part)
{
    if (const View word = drawTimeWord(part); !word.empty())
        part = word;
    bool plain = true;
    for (std::size_t i = 0; i < part.size() && plain; ++i)
        plain = part[i] != '\t' && !(part[i] == ' ' && i + 1 < part.size() && part[i + 1] == ' ');
    if (plain) {
        if (!name.empty())
            name += ' ';
        name.append(part.data(), part.size());
        return;
    }
    bool blank = !name.empty();
    for (char c : part) {
        if (isBlank(c)) {
            blank = true;
            continue;
        }
        if (blank && !name.empty())
            name += ' ';
        blank = false;
        name += c;
    }
}

// --- One line ---

enum class LineKind { Draw, NoDate, ImpossibleDate, NoDigits };

struct ParsedLine {
    LineKind kind = LineKind::NoDate;
    FoundDate date;
    FoundDigits digits;
    View dateText; // for the message about an impossible date
};

// What the line before gave, for the next one: files repeat the game name on
// every line, and each date on consecutive lines when they hold several draws
// a day.
struct LineMemo {
    View dateText; // a date in a field of its own
    FoundDate date;
    static constexpr int NameFields = 4;
    int nameFieldCount = 0; // the fields of the name before the date
    View nameFields[NameFields];
    std::string name;
};

// Reads one line; `name` receives the draw name the line gives, if any.
ParsedLine parseLine(const View* fields, int n, std::string& name, LineMemo& last)
{
    ParsedLine line;
    name.clear();
    int at = 0;
    Match match = Match::None;
    for (; at < n; ++at) {
        if (!last.dateText.empty() && fields[at] == last.dateText) {
            line.date = last.date;
            match = Match::Found;
            break;
        }
        match = dateAt(fields, n, at, line.date);
        if (match != Match::None) {
            if (match == Match::Found && line.date.fields == 1) {
                last.dateText = fields[at];
                last.date = line.date;
            }
            break;
        }
    }
    if (match == Match::None)
        return line;
    if (match == Match::Impossible) {
        line.kind = LineKind::ImpossibleDate;
        line.dateText = fields[at];
        if (line.date.fields > 1)
            line.dateText = View(fields[at].data(), fields[at + line.date.fields - 1].data() +
                                                        fields[at + line.date.fields - 1].size() - fields[at].data());
        return line;
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
            same = fields[firstText + k] == last.nameFields[k];
        if (same) {
            name = last.name;
        } else {
            for (int k = firstText; k <= lastText; ++k)
                appendNamePart(name, fields[k]);
            last.nameFieldCount = count <= LineMemo::NameFields ? count : 0;
            for (int k = 0; k < last.nameFieldCount; ++k)
                last.nameFields[k] = fields[firstText + k];
            last.name = name;
        }
    }

    int k = at + line.date.fields;
    bool found = false;
    for (; k < n; ++k) {
        const View field = fields[k];
        if (field.empty())
            continue;
        if (hasLetter(field)) {
            appendNamePart(name, field);
            continue;
        }
        if (digitRun(field, line.digits)) {
            found = true;
            ++k;
            break;
        }
        if (oneDigit(field)) {
            if (k + 2 < n && oneDigit(fields[k + 1]) && oneDigit(fields[k + 2])) {
                line.digits = {field[0] - '0', fields[k + 1][0] - '0', fields[k + 2][0] - '0', ThreeDigitFields};
                found = true;
                k += 3;
            }
            break;
        }
        // A draw number between the date and the digits, or a bar or dash
        // standing between them.
        if ((allDigits(field) && field.size() >= 4) || field.find_first_of("0123456789") == View::npos)
            continue;
        break;
    }
    if (!found) {
        line.kind = LineKind::NoDigits;
        return line;
    }
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

// Calls `each(lineNumber, line)` for every line: LF or CR LF ends a line, and
// a lone CR in a file that has no LF at all.
template <typename Each> void forEachLine(View text, Each each)
{
    const char end = text.find('\n') == View::npos ? '\r' : '\n';
    std::size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        const void* found = std::memchr(text.data() + start, end, text.size() - start);
        const std::size_t stop =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : text.size();
        View line = text.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!each(++number, line))
            return;
        start = stop + 1;
    }
}

Delimiter findDelimiter(View text)
{
    std::vector<View> sample;
    forEachLine(text, [&](int, View line) {
        line = trim(line);
        if (!line.empty() && !isComment(line))
            sample.push_back(line);
        return sample.size() < SampleLines;
    });
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
    case ThreeFields: return "month, day and year in three fields";
    default: return "";
    }
}

const char* digitsFormText(DigitsForm form)
{
    switch (form) {
    case ThreeDigitFields: return "digits in three fields";
    case OneRun: return "digits in one field, as 451";
    case Dashed: return "digits in one field, as 4-5-1";
    case Spaced: return "digits in one field, as 4 5 1";
    case Commas: return "digits in one field, as \"4,5,1\"";
    default: return "";
    }
}

const char* delimiterText(Delimiter d)
{
    switch (d) {
    case Delimiter::Tab: return "tab-separated";
    case Delimiter::Semicolon: return "semicolon-separated";
    case Delimiter::Comma: return "comma-separated";
    default: return "separated by blanks";
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

} // namespace

ImportScan importDraws(const std::string& input)
{
    View text(input);
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.remove_prefix(3);

    ImportScan scan;
    const Delimiter delimiter = findDelimiter(text);
    View fields[MaxFields];
    std::string name;
    LineMemo lastLine;
    std::unordered_map<std::string, int> nameIndex;
    long long dateForms[DateFormCount] = {};
    long long digitsForms[DigitsFormCount] = {};
    char separators[DateFormCount] = {};
    bool header = false;
    bool quoted = false;
    long long ascending = 0, descending = 0;
    scan.draws.reserve(input.size() / 16);

    forEachLine(text, [&](int number, View line) {
        const View trimmed = trim(line);
        if (trimmed.empty() || isComment(trimmed))
            return true;
        const int n = splitFields(trimmed, delimiter, fields);
        if (allEmpty(fields, n))
            return true;
        const ParsedLine parsed = parseLine(fields, n, name, lastLine);
        switch (parsed.kind) {
        case LineKind::Draw: break;
        case LineKind::NoDate:
            // Column names, or a title, above the first draw.
            if (scan.draws.empty() && scan.skipped.empty() && hasLetter(trimmed)) {
                header = true;
                return true;
            }
            scan.skipped.push_back({number, "no date found", cutText(line)});
            return true;
        case LineKind::ImpossibleDate:
            scan.skipped.push_back({number, "impossible date \"" + std::string(parsed.dateText) + "\"", cutText(line)});
            return true;
        case LineKind::NoDigits:
            scan.skipped.push_back({number, "no three digits 0 to 9 after the date", cutText(line)});
            return true;
        }
        if (!quoted && trimmed.find('"') != View::npos)
            quoted = true;
        ImportedDraw draw;
        draw.lineNumber = number;
        draw.record.DrawDate = encodeDate(parsed.date.year, parsed.date.month, parsed.date.day);
        draw.record.Digit1 = parsed.digits.a;
        draw.record.Digit2 = parsed.digits.b;
        draw.record.Digit3 = parsed.digits.c;
        if (!name.empty()) {
            // Files name a few draws, spelled alike on every line.
            for (std::size_t i = 0; i < scan.drawNames.size() && i < 8 && draw.drawName < 0; ++i)
                if (scan.drawNames[i] == name)
                    draw.drawName = static_cast<int>(i);
            if (draw.drawName < 0) {
                const std::string key = lowered(name);
                auto found = nameIndex.find(key);
                if (found == nameIndex.end()) {
                    found = nameIndex.emplace(key, static_cast<int>(scan.drawNames.size())).first;
                    scan.drawNames.push_back(name);
                }
                draw.drawName = found->second;
            }
        }
        if (!scan.draws.empty()) {
            const double previous = scan.draws.back().record.DrawDate;
            ascending += draw.record.DrawDate > previous;
            descending += draw.record.DrawDate < previous;
        }
        ++dateForms[parsed.date.form];
        separators[parsed.date.form] = parsed.date.separator;
        ++digitsForms[parsed.digits.form];
        scan.draws.push_back(draw);
        return true;
    });

    const bool newestFirst = descending > ascending;
    if (newestFirst)
        std::reverse(scan.draws.begin(), scan.draws.end());
    const auto byDate = [](const ImportedDraw& a, const ImportedDraw& b) {
        return a.record.DrawDate < b.record.DrawDate;
    };
    if (!std::is_sorted(scan.draws.begin(), scan.draws.end(), byDate))
        std::stable_sort(scan.draws.begin(), scan.draws.end(), byDate);

    std::string layout = delimiterText(delimiter);
    if (quoted)
        layout += ", quoted fields";
    layout += header ? ", a header line" : ", no header line";
    if (!scan.draws.empty()) {
        const int form = mostCommon(dateForms);
        layout += ", dates as " + dateFormText(static_cast<DateForm>(form), separators[form]);
        layout += ", ";
        layout += digitsFormText(static_cast<DigitsForm>(mostCommon(digitsForms)));
        layout += newestFirst ? ", newest first" : ", oldest first";
        if (!scan.drawNames.empty()) {
            layout += scan.drawNames.size() == 1 ? ", one draw: " : ", draws named ";
            for (std::size_t i = 0; i < scan.drawNames.size() && i < 6; ++i)
                layout += (i ? ", " : "") + scan.drawNames[i];
            if (scan.drawNames.size() > 6)
                layout += ", ...";
        }
    }
    scan.layout = layout;
    return scan;
}

int findDrawName(const ImportScan& scan, const std::string& name)
{
    for (std::size_t i = 0; i < scan.drawNames.size(); ++i)
        if (equalsIgnoringCase(scan.drawNames[i], name))
            return static_cast<int>(i);
    return -1;
}

ChosenDraws chooseDraw(const ImportScan& scan, const std::string& drawName)
{
    ChosenDraws chosen;
    int index = -1;
    if (!scan.drawNames.empty()) {
        if (drawName.empty() && scan.drawNames.size() == 1) {
            index = 0;
        } else {
            index = findDrawName(scan, drawName);
            if (index < 0) {
                std::string names;
                for (std::size_t i = 0; i < scan.drawNames.size(); ++i)
                    names += (i ? ", " : "") + scan.drawNames[i];
                throw Error(Error::Kind::Conversion,
                            (drawName.empty()
                                 ? "The file holds several draws (" + names + "): choose one."
                                 : "The file holds no draw named \"" + drawName + "\"; it holds " + names + "."));
            }
        }
    }
    chosen.draws.reserve(scan.draws.size());
    chosen.lineNumbers.reserve(scan.draws.size());
    for (const ImportedDraw& d : scan.draws) {
        if (index >= 0 && d.drawName != index) {
            ++chosen.otherDrawLines;
            continue;
        }
        DrawRecord r = d.record;
        r.Reserved = {};
        chosen.draws.push_back(r);
        chosen.lineNumbers.push_back(d.lineNumber);
    }
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
    if (mode == ImportMode::Merge) {
        std::unordered_multimap<std::uint64_t, std::size_t> storedKeys;
        storedKeys.reserve(stored.size());
        for (std::size_t i = 0; i < stored.size(); ++i) {
            all.push_back({stored[i], false});
            storedKeys.emplace(drawKey(stored[i]), i);
        }
        for (const DrawRecord& r : incoming) {
            bool duplicate = false;
            const auto range = storedKeys.equal_range(drawKey(r));
            for (auto it = range.first; it != range.second && !duplicate; ++it)
                duplicate = sameDraw(stored[it->second], r);
            if (duplicate)
                ++plan.alreadyStored;
            else
                all.push_back({r, true});
        }
    } else {
        for (const DrawRecord& r : incoming)
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
                          const std::vector<DrawRecord>& incoming, ImportMode mode)
{
    const fs::path database = (folder.empty() ? fs::path(".") : folder) / databaseName;
    if (incoming.empty())
        throwIoError(database, "import into", "the file holds no draw that Quor 3 can read");
    const DatabaseLock lock(folder, databaseName, DatabaseLock::Exclusive);
    ImportOutcome outcome;
    const bool exists = fileExists(database);
    const std::string before = exists ? readWholeFile(database) : std::string();
    outcome.plan = planImport(decodeDraws(before), incoming, mode);
    keepInHistory(database, incoming);
    const std::string after = encodeDraws(outcome.plan.draws);
    if (exists && after == before)
        return outcome;
    // Refused before the backup: a database the user cannot write, or a link
    // to one elsewhere, is never replaced.
    checkChangeable(database, "replace");
    if (exists)
        outcome.backup = backupDatabase(database);
    replaceThroughHistory(database, after);
    outcome.changed = true;
    return outcome;
}

std::string describeImport(const ImportOutcome& outcome)
{
    const ImportPlan& plan = outcome.plan;
    auto draws = [](long long n) { return std::to_string(n) + (n == 1 ? " draw" : " draws"); };
    std::string text;
    if (!outcome.changed)
        text = "Nothing changed: the database already holds these draws.";
    else
        text = "The database now holds " + draws(static_cast<long long>(plan.draws.size())) + ", " +
               std::to_string(plan.fromFile) + " of them from the file.";
    if (plan.alreadyStored > 0)
        text += " " + draws(plan.alreadyStored) + " of the file " + (plan.alreadyStored == 1 ? "was" : "were") +
                " already stored and skipped.";
    if (plan.leftOut > 0 && outcome.changed)
        text += " " + draws(plan.leftOut) + " older than the newest " + std::to_string(MaxDraws) + " " +
                (plan.leftOut == 1 ? "was" : "were") + " left out: a database holds at most " +
                std::to_string(MaxDraws) + " draws.";
    if (!outcome.backup.empty())
        text += " The database as it was is kept in " +
                (outcome.backup.parent_path().filename() / outcome.backup.filename()).string() + ".";
    return text;
}

} // namespace quor3
