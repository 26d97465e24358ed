// The command line's profile reader: any text gives either a one-line error
// or a profile; an accepted profile prices cleanly, and written back as JSON
// it reads again to the same values, by both readers.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/profile_json.h"
#include "pricing/engine.h"

namespace {

using sazbar::cli::ProfileError;
using sazbar::cli::ProfileInput;

[[noreturn]] void fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

bool same(const ProfileInput& a, const ProfileInput& b) {
    const sazbar::Profile &p = a.profile, &q = b.profile;
    if (p.matrix != q.matrix || p.wap != q.wap || p.gprsWap != q.gprsWap || p.gprsNet != q.gprsNet ||
        p.internetCalls != q.internetCalls || a.directDebit != b.directDebit || a.fixedLine != b.fixedLine)
        return false;
    for (std::size_t r = 0; r < p.intl.size(); ++r) {
        const auto &x = p.intl[r], &y = q.intl[r];
        if (x.country != y.country || x.peak != y.peak || x.afternoon != y.afternoon ||
            x.eveningWeekend != y.eveningWeekend)
            return false;
    }
    return true;
}

template <typename Array>
void appendInts(std::string& out, const Array& values) {
    out += '[';
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ", " : "") + std::to_string(values[i]);
    out += ']';
}

// Every key, in the documented form.
std::string toJson(const ProfileInput& in) {
    const sazbar::Profile& p = in.profile;
    std::string out = "{\"matrix\": [";
    for (std::size_t b = 0; b < p.matrix.size(); ++b) {
        if (b) out += ", ";
        appendInts(out, p.matrix[b]);
    }
    out += "], \"wap\": ";
    appendInts(out, p.wap);
    out += ", \"gprs_wap_kb\": " + std::to_string(p.gprsWap);
    out += ", \"gprs_internet_kb\": " + std::to_string(p.gprsNet);
    out += ", \"international\": [";
    for (std::size_t r = 0; r < p.intl.size(); ++r) {
        const auto& row = p.intl[r];
        out += std::string(r ? ", " : "") + "{\"country\": " + std::to_string(row.country) +
               ", \"peak\": " + std::to_string(row.peak) + ", \"afternoon\": " + std::to_string(row.afternoon) +
               ", \"evening_weekend\": " + std::to_string(row.eveningWeekend) + "}";
    }
    out += "], \"internet_calls\": ";
    out += p.internetCalls ? "true" : "false";
    out += ", \"direct_debit\": ";
    out += in.directDebit ? "true" : "false";
    out += ", \"fixed_line\": ";
    out += in.fixedLine ? "true" : "false";
    return out + "}";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ProfileInput input;
    ProfileError error;
    const bool accepted = sazbar::cli::parseProfile(text, input, error);

    // The quick reader may give up, but never on a text the full reader
    // refuses, and where both read it they agree.
    ProfileInput quick;
    const bool quickRead = sazbar::cli::detail::parseProfileQuick(text, quick);
    ProfileInput full;
    ProfileError fullError;
    const bool fullRead = sazbar::cli::detail::parseProfileWithLibrary(text, full, fullError);
    if (quickRead && !fullRead) fail("quick reader accepts what the library reader refuses:", fullError.message);
    if (accepted != fullRead) fail("parseProfile and the library reader disagree");
    if (quickRead && !same(quick, full)) fail("the two readers read different values");

    if (!accepted) {
        if (error.message.empty()) fail("error without a message");
        if (error.message.find_first_of("\r\n") != std::string::npos) fail("error message spans lines:", error.message);
        if (error.line < 0 || static_cast<std::size_t>(error.line) > size + 1) fail("error line outside the text");
        return 0;
    }
    for (const auto& row : input.profile.intl)
        if (row.country < 0 || row.country >= sazbar::kCountries) fail("country index out of range accepted");

    sazbar::RunResult result;
    sazbar::runPricing(input.profile, {input.directDebit, input.fixedLine}, result);
    for (const auto& field : result.fields)
        if (field.text().empty()) fail("empty result field");

    const std::string written = toJson(input);
    ProfileInput reread;
    if (!sazbar::cli::parseProfile(written, reread, error)) fail("written profile refused:", error.message + "\n" + written);
    if (!same(reread, input)) fail("written profile reads back different:", written);
    if (!sazbar::cli::detail::parseProfileQuick(written, quick) || !same(quick, input))
        fail("quick reader refuses or misreads a plain written profile:", written);
    return 0;
}
