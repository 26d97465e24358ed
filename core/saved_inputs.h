// The saved inputs file "sazbar.dat": the texts of the 46 input boxes, one a line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>

#include "core/boxes.h"

namespace sazbar {

constexpr const char* kSavedInputsFileName = "sazbar.dat";
// More than 46 lines of any box text the window keeps; a file is read no further.
constexpr std::size_t kMaxSavedInputsBytes = std::size_t{1} << 20;

// Reads a box text one character at a time with the text-to-integer rule;
// gives exactly textToInt() of the whole text while keeping no more than a
// few bytes of state, so a line of any length costs no memory.
class StreamingTextToInt {
public:
    void reset() noexcept { *this = StreamingTextToInt{}; }
    void feed(char c) noexcept;
    // Value of the text fed so far.
    std::int32_t value() const noexcept;
    // True once a character that is not part of a number was fed.
    bool stopped() const noexcept { return m_state == State::Stopped; }

private:
    enum class State : std::uint8_t { Blanks, AfterSign, LeadingZero, Digits, Stopped };
    State m_state = State::Blanks;
    bool m_negative = false;
    bool m_hex = false;
    std::uint64_t m_magnitude = 0;  // clamped at 2^31
};

// What a reading saw that the program never writes into the file. The
// window loads whatever it can; the command line reports these.
struct SavedInputsReport {
    int lines = 0;             // lines of the file; kBoxCount + 1 when anything follows line 46
    int notNumbers = 0;        // lines the text-to-integer rule does not read to their end
    int firstNotNumber = 0;    // the first of them, 1-based; 0 for none
    std::string firstNotNumberText;  // its first bytes
    int controlLine = 0;       // first line holding a NUL or another control character; 0 for none
    bool utf16 = false;        // starts with a UTF-16 byte order mark
    bool tooLarge = false;     // longer than the byte limit given
};

// Reads the file's 46 lines, each normalised with the text-to-integer and then
// the number-to-text rule. Lines end in CR LF, LF or CR alone; a UTF-8 byte
// order mark at the start is skipped; missing lines read as "0"; anything
// after line 46 is not read. Works in bounded memory on input of any size or
// content.
// With `report`, reading also notes what is odd about the file: it stops at
// the first control character or after `maxBytes` bytes, and looks one
// character past line 46.
BoxTexts readSavedInputs(std::istream& in, SavedInputsReport* report = nullptr,
                         std::size_t maxBytes = static_cast<std::size_t>(-1));

// The file content for 46 box texts: each text followed by CR LF. Line breaks
// inside a text are dropped so that every box keeps its own line.
std::string savedInputsContent(const BoxTexts& boxes);

// Loads a saved inputs file from its first kMaxSavedInputsBytes bytes; false
// (and `boxes` untouched) when it cannot be opened or read or is not a regular
// file. Never blocks, whatever the name leads to.
bool loadSavedInputs(const std::filesystem::path& file, BoxTexts& boxes);

// Writes a saved inputs file through a temporary file renamed over it, so a
// failed write never leaves a truncated file behind. False when it cannot be
// written.
bool saveSavedInputs(const std::filesystem::path& file, const BoxTexts& boxes);

}  // namespace sazbar
