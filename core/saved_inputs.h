// The saved inputs file "sazbar.dat": the texts of the 46 input boxes, one a line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>

#include "core/boxes.h"

namespace sazbar {

constexpr const char* kSavedInputsFileName = "sazbar.dat";

// Reads a box text one character at a time with the text-to-integer rule;
// gives exactly textToInt() of the whole text while keeping no more than a
// few bytes of state, so a line of any length costs no memory.
class StreamingTextToInt {
public:
    void reset() noexcept { *this = StreamingTextToInt{}; }
    void feed(char c) noexcept;
    // Value of the text fed so far.
    std::int32_t value() const noexcept;

private:
    enum class State : std::uint8_t { Blanks, AfterSign, LeadingZero, Digits, Stopped };
    State state_ = State::Blanks;
    bool negative_ = false;
    bool hex_ = false;
    std::uint64_t magnitude_ = 0;  // clamped at 2^31
};

// Reads the file's 46 lines, each normalised with the text-to-integer and then
// the number-to-text rule. Lines end in CR LF or LF; missing lines read as
// "0"; anything after line 46 is not read. Works in bounded memory on input of
// any size or content.
BoxTexts readSavedInputs(std::istream& in);

// The file content for 46 box texts: each text followed by CR LF. Line breaks
// inside a text are dropped so that every box keeps its own line.
std::string savedInputsContent(const BoxTexts& boxes);

// Loads a saved inputs file; false (and `boxes` untouched) when it cannot be
// opened or read.
bool loadSavedInputs(const std::filesystem::path& file, BoxTexts& boxes);

// Writes a saved inputs file through a temporary file renamed over it, so a
// failed write never leaves a truncated file behind. False when it cannot be
// written.
bool saveSavedInputs(const std::filesystem::path& file, const BoxTexts& boxes);

}  // namespace sazbar
