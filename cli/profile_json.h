// Reading a usage profile from its JSON form.
#pragma once

#include <string>
#include <string_view>

#include "core/profile.h"

namespace sazbar::cli {

struct ProfileInput {
    Profile profile;
    bool directDebit = false;
    bool fixedLine = false;
};

struct ProfileError {
    // Line of the text where the faulty value ends, 1-based; 0 for syntax
    // errors, whose message carries the parser's own position.
    int line = 0;
    // "matrix[1][2]: expected an integer", or the parser's message.
    std::string message;
};

// Parses one profile:
//   {"matrix": [[7 ints] x 4], "wap": [4 ints], "gprs_wap_kb": int,
//    "gprs_internet_kb": int, "international": [{"country", "peak",
//    "afternoon", "evening_weekend"} x 0..4], "internet_calls": bool,
//    "direct_debit": bool, "fixed_line": bool, "name": text}
// Every key is optional; the name is not read; unknown or repeated keys, wrong types, wrong array
// lengths and numbers outside the 32-bit range are errors. `out` is
// overwritten either way.
bool parseProfile(std::string_view text, ProfileInput& out, ProfileError& error);

namespace detail {
// The two ways parseProfile reads a text. The quick reader takes only plain,
// valid profiles (no escapes, no fractions, numbers in range, no repeated
// keys) and gives up on anything else; the library reader takes any text and
// names what is wrong with it. Where both succeed they agree.
bool parseProfileQuick(std::string_view text, ProfileInput& out);
bool parseProfileWithLibrary(std::string_view text, ProfileInput& out, ProfileError& error);
}  // namespace detail

}  // namespace sazbar::cli
