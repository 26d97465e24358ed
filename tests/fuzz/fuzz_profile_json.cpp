// The profile reader of the command line, the Python module and the window:
// any text gives either a one-line error or a profile; an accepted profile
// prices cleanly, and written back in either layout it reads again to the
// same values, by both ways of reading.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/profile_json.h"
#include "pricing/engine.h"

namespace {

using sazbar::ProfileDocument;
using sazbar::ProfileError;
using sazbar::ProfileReader;

[[noreturn]] void fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

bool same(const ProfileDocument& a, const ProfileDocument& b) {
    const sazbar::Profile &p = a.profile, &q = b.profile;
    if (p.matrix != q.matrix || p.wap != q.wap || p.gprsWap != q.gprsWap || p.gprsNet != q.gprsNet ||
        p.internetCalls != q.internetCalls || a.directDebit != b.directDebit || a.fixedLine != b.fixedLine ||
        a.name != b.name)
        return false;
    for (std::size_t r = 0; r < p.intl.size(); ++r) {
        const auto &x = p.intl[r], &y = q.intl[r];
        if (x.country != y.country || x.peak != y.peak || x.afternoon != y.afternoon ||
            x.eveningWeekend != y.eveningWeekend)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ProfileReader reader;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ProfileDocument input;
    ProfileError error;
    const bool accepted = reader.read(text, input, error);

    // The fast way may give up, but never on a text the exact one refuses,
    // and where both read it they agree.
    ProfileDocument fast;
    const bool fastRead = reader.readFast(text, fast);
    ProfileDocument exact;
    ProfileError exactError;
    const bool exactRead = ProfileReader::readExact(text, exact, exactError);
    if (fastRead && !exactRead) fail("the fast way accepts what the exact one refuses:", exactError.message);
    if (accepted != exactRead) fail("read() and the exact way disagree");
    if (fastRead && !same(fast, exact)) fail("the two ways read different values");

    if (!accepted) {
        if (error.fault == sazbar::ProfileFault::None) fail("error without a fault");
        if (error.message.empty()) fail("error without a message");
        if (error.message.find_first_of("\r\n") != std::string::npos) fail("error message spans lines:", error.message);
        if (error.fault != sazbar::ProfileFault::TooLarge &&
            (error.line < 1 || error.column < 1 || static_cast<std::size_t>(error.line) > size + 1 ||
             static_cast<std::size_t>(error.column) > size + 1))
            fail("error placed outside the text:", error.message);
        return 0;
    }
    for (const auto& row : input.profile.intl)
        if (row.country < 0 || row.country >= sazbar::kCountries) fail("country index out of range accepted");

    sazbar::RunResult result;
    sazbar::runPricing(input.profile, {input.directDebit, input.fixedLine}, result);
    for (const auto& field : result.fields)
        if (field.text().empty()) fail("empty result field");

    for (const auto layout : {sazbar::ProfileLayout::File, sazbar::ProfileLayout::Line}) {
        std::string written;
        sazbar::appendProfileJson(written, input, layout);
        // One line holds the counts only.
        ProfileDocument expected = input;
        if (layout == sazbar::ProfileLayout::Line) {
            expected.profile.internetCalls = expected.directDebit = expected.fixedLine = false;
            expected.name.clear();
        }
        ProfileDocument reread;
        if (!reader.read(written, reread, error)) fail("written profile refused:", error.message + "\n" + written);
        if (!same(reread, expected)) fail("written profile reads back different:", written);
        // The fast way leaves names to the exact one.
        if (expected.name.empty() && (!reader.readFast(written, fast) || !same(fast, expected)))
            fail("the fast way refuses or misreads a written profile:", written);
    }
    return 0;
}
