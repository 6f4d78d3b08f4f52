// Dates of birth and testing, and the age at testing as practitioners work
// it out by hand on a record form: subtract day from day, month from month,
// year from year, borrowing 30 days from the months and 12 months from the
// years where a column would go negative. Norm tables are entered with
// that age, so it must agree with the form, not with a calendar count.
// Qt-free.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace interpretation {

struct Date {
    int year = 0, month = 0, day = 0;
};

bool operator<(const Date &a, const Date &b);
bool operator==(const Date &a, const Date &b);

// Whether the day exists in the Gregorian calendar (29 February only in
// leap years); years 1 to 9999.
bool isValidDate(const Date &date);

// "2026-11-02"; also "2026-11-2". Nothing for any other text or a day that
// does not exist.
std::optional<Date> parseIsoDate(std::string_view text);
// "2026-11-02".
std::string isoDate(const Date &date);

// "02.11.2026", as German writes dates; also "2.11.2026". Nothing for any
// other text or a day that does not exist.
std::optional<Date> parseDottedDate(std::string_view text);
// "02.11.2026".
std::string dottedDate(const Date &date);

// The months borrowed as days: the hand rule counts every month as 30 days.
constexpr int kDaysBorrowed = 30;

struct Age {
    int years = 0, months = 0, days = 0;
};

// Nothing when testing is before birth (a date mistyped, most likely).
std::optional<Age> ageAt(const Date &birth, const Date &testing);

} // namespace interpretation
