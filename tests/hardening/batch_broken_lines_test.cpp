// sazbar-cli --batch with one broken line between two good ones: both good
// lines are priced as they would be alone, the broken one gets a JSON error
// line naming it, and the program ends with status 2.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "child_process.h"

namespace sazbar::hardening {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

struct Broken {
    const char* name;
    std::string line;
};

const Broken kBroken[] = {
    {"NUL byte inside", std::string("{\"wap\": [1,\0 2, 3, 4]}", 22)},
    {"invalid UTF-8 key", "{\"\xff\xfe\xc3\": 1}"},
    {"invalid UTF-8 outside strings", "{\xc3\x28}"},
    {"cut short", "{\"matrix\": [[1, 2"},
    {"number past 32 bits", "{\"gprs_wap_kb\": 2147483648}"},
    {"number past 64 bits", "{\"gprs_wap_kb\": -99999999999999999999999}"},
    {"fraction", "{\"gprs_wap_kb\": 1.0}"},
    {"array instead of an object", "[1, 2, 3]"},
    {"two objects", "{} {}"},
    {"country out of range", "{\"international\": [{\"country\": 36}]}"},
    {"deep nesting", std::string(100000, '[') + std::string(100000, ']')},
    {"only a carriage return", "\r"},
    {"line longer than the batch limit", "{" + std::string((1u << 20) + 10, ' ') + "}"},
};

TEST(BatchBrokenLine, EveryOtherLineIsPricedAndTheStatusIs2) {
    ScratchDir dir("batch");
    const fs::path in = dir.path() / "in.jsonl", out = dir.path() / "out", err = dir.path() / "err";
    const std::string first = "{\"matrix\": [[1, 2, 3, 4, 5, 6, 7], [0, 0, 0, 0, 0, 0, 0], [9, 9, 9, 9, 9, 9, 9], "
                              "[0, 0, 0, 0, 0, 0, 1]]}";
    const std::string last = "{\"gprs_internet_kb\": 700, \"fixed_line\": true}";

    spit(in, first + "\n" + last + "\n");
    ChildResult r = runProgram({SAZBAR_CLI, "--batch", "-"}, in, out, err);
    ASSERT_EQ(r.exitCode, 0);
    const std::vector<std::string> clean = splitLines(slurp(out));
    ASSERT_EQ(clean.size(), 2u);

    for (const Broken& b : kBroken) {
        SCOPED_TRACE(b.name);
        spit(in, first + "\n" + b.line + "\n" + last + "\n");
        r = runProgram({SAZBAR_CLI, "--batch", "-"}, in, out, err);
        ASSERT_TRUE(r.ended);
        EXPECT_EQ(r.signal, 0);
        EXPECT_EQ(r.exitCode, 2);
        const std::vector<std::string> got = splitLines(slurp(out));
        ASSERT_EQ(got.size(), 3u);
        EXPECT_EQ(got[0], clean[0]);
        EXPECT_EQ(got[2], clean[1]);
        // The error line is valid JSON whatever bytes the broken line held.
        const auto error = nlohmann::json::parse(got[1], nullptr, false);
        ASSERT_TRUE(error.is_object()) << got[1];
        ASSERT_EQ(error.size(), 1u);
        ASSERT_TRUE(error["error"].is_string());
        EXPECT_TRUE(error["error"].get<std::string>().starts_with("<stdin>: line 2: ")) << got[1];
        const std::vector<std::string> messages = splitLines(slurp(err));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].starts_with("sazbar-cli: <stdin>: line 2: ")) << messages[0];
    }
}

}  // namespace
}  // namespace sazbar::hardening
