// The command line's batch mode: any bytes give exactly one output line per
// input line, each valid JSON, an error exactly where the line alone is
// refused, and as many errors on the error stream.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/app.h"
#include "core/profile_json.h"

namespace {

[[noreturn]] void fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        lines.push_back(text.substr(0, lf));
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the switches and one or three pricing threads, the rest is the batch.
    const sazbar::cli::RunFlags flags{(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0};
    const sazbar::cli::BatchOptions options{sazbar::cli::Format::Json, {}, (data[0] & 8) ? 3u : 1u};
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::istringstream in{std::string(text)};
    std::ostringstream out, err;
    const sazbar::cli::BatchSummary summary = sazbar::cli::runBatch(in, out, err, "fuzz", flags, options);

    const std::vector<std::string_view> inLines = splitLines(text);
    const std::string outText = out.str(), errText = err.str();
    if (!outText.empty() && outText.back() != '\n') fail("output does not end in a line end");
    const std::vector<std::string_view> outLines = splitLines(outText);
    if (summary.lines != inLines.size() || outLines.size() != inLines.size())
        fail("line counts differ", std::to_string(inLines.size()) + " in, " + std::to_string(outLines.size()) + " out");
    if (splitLines(errText).size() != summary.errors) fail("error stream and summary disagree", errText);

    std::size_t errors = 0;
    for (std::size_t i = 0; i < inLines.size(); ++i) {
        std::string_view line = inLines[i];
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        sazbar::ProfileDocument profile;
        sazbar::ProfileError error;
        const bool good = line.find_first_not_of(" \t\r\n") != std::string_view::npos &&
                          sazbar::readProfile(line, profile, error);
        // Result lines come from the report writer, tested on its own; only
        // the error lines, which carry the input's bytes, are parsed here.
        if (good) {
            if (!outLines[i].starts_with("{\"total_call_minutes\": "))
                fail("line refused though it reads alone", std::string(line) + "\n" + std::string(outLines[i]));
        } else {
            const auto result = nlohmann::json::parse(outLines[i], nullptr, false);
            if (!result.is_object() || result.size() != 1 || !result["error"].is_string())
                fail("line priced or its error is not a JSON object", std::string(outLines[i]));
            ++errors;
            const auto message = result.value("error", std::string());
            const std::string where = "fuzz: line " + std::to_string(i + 1) + ": ";
            if (message.compare(0, where.size(), where) != 0) fail("error does not name its line", message);
        }
    }
    if (errors != summary.errors) fail("error count differs");
    return 0;
}
