#include "import/calendar.h"

namespace sazbar::import {

std::int64_t daysFromCivil(int year, int month, int day) noexcept {
    // Howard Hinnant's days_from_civil.
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, int& year, int& month, int& day) noexcept {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

int weekday(std::int64_t days) noexcept {
    // 1970-01-01 was a Thursday.
    const std::int64_t w = (days + 3) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

int daysInMonth(int year, int month) noexcept {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) return (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) ? 29 : 28;
    return kDays[month - 1];
}

bool validDate(int year, int month, int day) noexcept {
    return year >= 1900 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

namespace {

std::int64_t lastSunday(int year, int month) {
    const std::int64_t last = daysFromCivil(year, month, daysInMonth(year, month));
    return last - weekday(last + 1);  // weekday(last + 1) == 0 when `last` is a Sunday
}

}  // namespace

bool pragueTime(std::int64_t epochMs, LocalTime& out) noexcept {
    constexpr std::int64_t kMin = -2208988800LL * 1000;   // 1900-01-01
    constexpr std::int64_t kMax = 253402300799LL * 1000;  // 9999-12-31 23:59:59
    if (epochMs < kMin || epochMs > kMax) return false;
    std::int64_t s = epochMs >= 0 ? epochMs / 1000 : -((-epochMs + 999) / 1000);
    int year, month, day;
    civilFromDays((s + 3600) / 86400 - ((s + 3600) % 86400 < 0), year, month, day);
    // The summer time of the year before is mostly asked again.
    thread_local int cachedYear = 0;
    thread_local std::int64_t start = 0, end = 0;
    if (year != cachedYear) {
        start = lastSunday(year, 3) * 86400 + 3600;
        end = lastSunday(year, year < 1996 ? 9 : 10) * 86400 + 3600;
        cachedYear = year;
    }
    s += (s >= start && s < end) ? 7200 : 3600;
    std::int64_t days = s / 86400, rest = s % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    civilFromDays(days, out.year, out.month, out.day);
    out.hour = static_cast<int>(rest / 3600);
    out.minute = static_cast<int>(rest / 60 % 60);
    out.second = static_cast<int>(rest % 60);
    return out.year >= 1900 && out.year <= 9999;
}

std::int64_t easterSunday(int y) noexcept {
    // Anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return daysFromCivil(y, month, day);
}

}  // namespace sazbar::import
