// Checks shared by the two import fuzz targets: whatever the bytes, reading
// them streamed or at once gives the same, every event read is counted or
// skipped, the boxes are never negative, and no message quotes a number.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "import/readers.h"

namespace sazbar::import::fuzz {

[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "import check failed: %s\n", what);
    std::abort();
}

inline void check(const std::string& text) {
    Importer whole, streamed;
    const ReadOutcome a = readLog(text, whole);
    std::istringstream in(text);
    const ReadOutcome b = readLog(in, streamed);
    if (a.ok != b.ok || a.refusal != b.refusal || a.format != b.format) fail("streamed and whole reads differ");
    if (!a.ok && (whole.events() != 0 || whole.refused() != 0)) fail("a refused file added events");
    if (whole.events() != streamed.events() || whole.refused() != streamed.refused()) fail("counts differ");

    // Month by month only for short spans: each month's result walks them all.
    const auto months = whole.months();
    const bool byMonth = months.size() <= 24;
    std::int64_t countedByMonth = 0;
    if (byMonth)
        for (const YearMonth& m : months) countedByMonth += whole.result({.perSecond = false, .month = m}).summary.counted;
    for (const bool perSecond : {false, true}) {
        const ImportResult r = whole.result({.perSecond = perSecond, .month = {}});
        const Summary& s = r.summary;
        std::int64_t skipped = 0;
        for (std::int64_t k : s.skipped) skipped += k;
        if (s.events != whole.events()) fail("events of the summary");
        if (s.counted + skipped != s.events) fail("an event neither counted nor skipped");
        if (byMonth && s.counted != countedByMonth) fail("months do not add up");
        const Profile& p = r.profile;
        for (const auto& band : p.matrix)
            for (std::int32_t v : band)
                if (v < 0) fail("negative box");
        for (std::int32_t v : p.wap)
            if (v < 0) fail("negative WAP box");
        if (p.gprsWap < 0 || p.gprsNet < 0) fail("negative GPRS box");
        for (const IntlRow& row : p.intl)
            if (row.country < 0 || row.country >= kCountries || row.peak < 0 || row.afternoon < 0 ||
                row.eveningWeekend < 0)
                fail("bad international row");
        if (!perSecond) {
            const ImportResult other = streamed.result();
            if (other.profile.matrix != p.matrix || other.profile.intl[0].country != p.intl[0].country)
                fail("streamed profile differs");
        }
    }
    for (const Issue& i : whole.issues()) {
        int run = 0;
        for (char c : i.message) {
            run = (c >= '0' && c <= '9') ? run + 1 : 0;
            if (run >= 7) fail("a message quotes a number");
        }
    }
}

}  // namespace sazbar::import::fuzz
