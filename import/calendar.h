// Civil dates, the Czech local time of a moment, and Easter.
#pragma once

#include <cstdint>

namespace sazbar::import {

struct LocalTime {
    int year = 1970, month = 1, day = 1;  // month 1..12
    int hour = 0, minute = 0, second = 0;
};

// Days since 1970-01-01 of a proleptic Gregorian date (any month 1..12, day 1..31).
std::int64_t daysFromCivil(int year, int month, int day) noexcept;
void civilFromDays(std::int64_t days, int& year, int& month, int& day) noexcept;
// 0 = Monday .. 6 = Sunday.
int weekday(std::int64_t days) noexcept;
int daysInMonth(int year, int month) noexcept;
bool validDate(int year, int month, int day) noexcept;

// Wall-clock time in Prague of a moment given in milliseconds since the Unix
// epoch: UTC+1, and UTC+2 from 01:00 UTC on the last Sunday of March to 01:00
// UTC on the last Sunday of October (the European rule; before 1996 summer
// time ended on the last Sunday of September). False outside years 1900..9999.
bool pragueTime(std::int64_t epochMs, LocalTime& out) noexcept;

// Days since 1970-01-01 of Easter Sunday (Gregorian computus).
std::int64_t easterSunday(int year) noexcept;

}  // namespace sazbar::import
