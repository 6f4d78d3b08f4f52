#include "interpretation/age.h"

#include <tuple>

namespace interpretation {

namespace {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Digits only, between minDigits and maxDigits of them.
std::optional<int> number(std::string_view text, std::size_t minDigits, std::size_t maxDigits)
{
    if (text.size() < minDigits || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string twoDigits(int value)
{
    return std::string(1, char('0' + value / 10)) + char('0' + value % 10);
}

} // namespace

bool operator<(const Date &a, const Date &b)
{
    return std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day);
}

bool operator==(const Date &a, const Date &b)
{
    return std::tie(a.year, a.month, a.day) == std::tie(b.year, b.month, b.day);
}

bool isValidDate(const Date &date)
{
    return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12
        && date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

namespace {

// Three numbers split by `mark`; the year of four digits first or last.
std::optional<Date> parseParts(std::string_view text, char mark, bool yearFirst)
{
    const std::size_t first = text.find(mark);
    const std::size_t second = first == std::string_view::npos ? first : text.find(mark, first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const std::string_view head = text.substr(0, first), tail = text.substr(second + 1);
    const auto year = yearFirst ? number(head, 4, 4) : number(tail, 4, 4);
    const auto month = number(text.substr(first + 1, second - first - 1), 1, 2);
    const auto day = yearFirst ? number(tail, 1, 2) : number(head, 1, 2);
    if (!year || !month || !day)
        return std::nullopt;
    const Date date{*year, *month, *day};
    if (!isValidDate(date))
        return std::nullopt;
    return date;
}

} // namespace

std::optional<Date> parseIsoDate(std::string_view text)
{
    return parseParts(text, '-', true);
}

std::optional<Date> parseDottedDate(std::string_view text)
{
    return parseParts(text, '.', false);
}

std::string dottedDate(const Date &date)
{
    std::string year = std::to_string(date.year);
    year.insert(0, year.size() < 4 ? 4 - year.size() : 0, '0');
    return twoDigits(date.day) + '.' + twoDigits(date.month) + '.' + year;
}

std::string isoDate(const Date &date)
{
    std::string year = std::to_string(date.year);
    year.insert(0, year.size() < 4 ? 4 - year.size() : 0, '0');
    return year + '-' + twoDigits(date.month) + '-' + twoDigits(date.day);
}

std::optional<Age> ageAt(const Date &birth, const Date &testing)
{
    if (testing < birth)
        return std::nullopt;
    Age age{testing.year - birth.year, testing.month - birth.month, testing.day - birth.day};
    if (age.days < 0) {
        age.days += kDaysBorrowed;
        age.months -= 1;
    }
    if (age.months < 0) {
        age.months += 12;
        age.years -= 1;
    }
    return age;
}

} // namespace interpretation
