// The JSON form of a usage profile: the one reader and the one writer behind
// sazbar-cli (a file, --batch, --import), the Python module and the window's
// profile files.
//
//   {"matrix": [[7 ints] x 4], "wap": [4 ints], "gprs_wap_kb": int,
//    "gprs_internet_kb": int, "international": [{"country", "peak",
//    "afternoon", "evening_weekend"} x 0..4], "internet_calls": bool,
//    "direct_debit": bool, "fixed_line": bool, "name": text}
//
// Every key is optional. Unknown or repeated keys, wrong types, wrong array
// lengths, fractions, negative counts and numbers beyond 32 bits are errors.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/profile.h"

namespace sazbar {

// A longer text is not a profile (one is a few hundred bytes).
inline constexpr std::size_t kMaxProfileText = std::size_t{1} << 20;

struct ProfileDocument {
    Profile profile;
    bool directDebit = false;  // "Platba inkasem"
    bool fixedLine = false;    // "Vypočítat Český Telecom"
    std::string name;          // the window's name for a saved profile, UTF-8; it does not price
};

// What is wrong with a text, for callers that word it in their own language.
enum class ProfileFault : std::uint8_t {
    None,
    // Not JSON.
    TooLarge,      // more than kMaxProfileText bytes
    Empty,         // nothing but blanks
    NulByte,       // a NUL byte: not a text
    EndInNumber,   // the text ends in a number, or right after one
    EndInString,   // the text ends inside quotes
    EndEarly,      // the text ends before the object is closed
    BadNumber,     // "01", "1.", "-x"
    BadString,     // a control character or a wrong escape inside quotes
    BadUtf8,       // bytes that are not UTF-8
    BadCharacter,  // a character or word that JSON does not know ("x", "tru", "'")
    Misplaced,     // a comma, colon or bracket missing or one too many
    TextAfterEnd,  // more text after the object
    // JSON, but not a profile.
    NotAnObject,
    UnknownKey,
    DuplicateKey,
    NotAnInteger,  // a text, a fraction, a truth value or null where a count goes
    Negative,
    OutOfRange,    // beyond the 32-bit range
    NotABoolean,
    NotAText,
    WrongShape,    // not the array or object the key holds, or a wrong count of items
    BadCountry,    // a country index outside 0..35
};

constexpr bool isSyntaxFault(ProfileFault f) { return f >= ProfileFault::TooLarge && f <= ProfileFault::TextAfterEnd; }

struct ProfileError {
    ProfileFault fault = ProfileFault::None;
    // Where: for a faulty value the line where it ends; for a syntax fault the
    // character the parser stopped at (one past the end when the text ended
    // early). Both 1-based, the column counted in characters; 0 when unplaced.
    int line = 0;
    int column = 0;
    // The JSON path of the faulty entry, "matrix[1][2]", "international[0].country";
    // an unknown key made visible and shortened; empty for the whole text.
    std::string field;
    // The band and the matrix row of an entry of "matrix" or "wap"; -1 otherwise.
    int band = -1;
    int row = -1;
    // In English, on one line: "matrix[1][2]: expected an integer", or for a
    // syntax fault "parse error at line 3, column 1: ..." with the parser's
    // own position and words.
    std::string message;
};

// Reads one profile. `out` is overwritten either way; on failure `error`
// says why.
struct ProfileReader {
    static bool read(std::string_view text, ProfileDocument& out, ProfileError& error);

    // The two ways read() takes, for tests and benchmarks. The fast one, a
    // strict scanner, takes plain valid profiles (no escapes, no fractions,
    // numbers in range, no repeated keys, no name) and gives up on anything
    // else; the exact one, nlohmann's parser, takes any text and names what
    // is wrong with it. Where both succeed they agree. (simdjson's On Demand
    // API in place of the scanner made `sazbar-cli --batch` 13 % slower.)
    static bool readFast(std::string_view text, ProfileDocument& out);
    static bool readExact(std::string_view text, ProfileDocument& out, ProfileError& error);
};

// The same.
bool readProfile(std::string_view text, ProfileDocument& out, ProfileError& error);

enum class ProfileLayout : std::uint8_t {
    // A saved profile file: every key on its own line, the name first when
    // there is one, the switches last.
    File,
    // The counts on one line without the name and the switches, as
    // sazbar-cli --import writes a month.
    Line,
};

// Appends the JSON text of a profile. Negative counts, which mean nothing in a
// month of use, are written as 0, and countries outside 0..35 as the nearest
// one, so that what is written always reads back.
void appendProfileJson(std::string& out, const ProfileDocument& doc, ProfileLayout layout);

}  // namespace sazbar
