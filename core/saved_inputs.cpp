#include "core/saved_inputs.h"

#include <array>
#include <fstream>
#include <system_error>

#include "core/textnum.h"

namespace sazbar {

void StreamingTextToInt::feed(char c) noexcept {
    switch (state_) {
        case State::Blanks:
            if (c == ' ' || c == '\t') return;
            if (c == '-' || c == '+') {
                negative_ = c == '-';
                state_ = State::AfterSign;
                return;
            }
            [[fallthrough]];
        case State::AfterSign:
            if (c == '$' || c == 'x' || c == 'X') {
                hex_ = true;
                state_ = State::Digits;
                return;
            }
            if (c == '0') {
                // Either a digit or the start of "0x"; the magnitude is 0 both ways.
                state_ = State::LeadingZero;
                return;
            }
            break;
        case State::LeadingZero:
            state_ = State::Digits;
            if (c == 'x' || c == 'X') {
                hex_ = true;
                return;
            }
            break;
        case State::Digits: break;
        case State::Stopped: return;
    }
    state_ = State::Digits;
    const int d = digitValue(c, hex_);
    if (d < 0) {
        state_ = State::Stopped;
        return;
    }
    constexpr std::uint64_t cap = std::uint64_t{1} << 31;
    magnitude_ = magnitude_ * (hex_ ? 16 : 10) + static_cast<std::uint64_t>(d);
    if (magnitude_ > cap) magnitude_ = cap;
}

std::int32_t StreamingTextToInt::value() const noexcept {
    auto v = static_cast<std::int64_t>(magnitude_);
    // A text read to its end keeps its sign; one that stopped early does not.
    if (state_ != State::Stopped && negative_) v = -v;
    return saturate32(v);
}

BoxTexts readSavedInputs(std::istream& in) {
    BoxTexts boxes;
    StreamingTextToInt number;
    int line = 0;
    // A CR is part of the line end only right before LF (or the end of the
    // file), so it is held back until the next character shows which.
    bool pendingCr = false;
    std::array<char, 16384> buffer;
    while (line < kBoxCount && in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0) break;
        for (std::size_t i = 0; i < got && line < kBoxCount; ++i) {
            const char c = buffer[i];
            if (c == '\n') {
                boxes[static_cast<std::size_t>(line++)] = intToText(number.value());
                number.reset();
                pendingCr = false;
                continue;
            }
            if (pendingCr) number.feed('\r');
            pendingCr = c == '\r';
            if (!pendingCr) number.feed(c);
        }
    }
    // The last line may lack its line end; lines after it are missing and read as empty.
    for (; line < kBoxCount; ++line) {
        boxes[static_cast<std::size_t>(line)] = intToText(number.value());
        number.reset();
    }
    return boxes;
}

std::string savedInputsContent(const BoxTexts& boxes) {
    std::string out;
    std::size_t size = 0;
    for (const std::string& text : boxes) size += text.size() + 2;
    out.reserve(size);
    for (const std::string& text : boxes) {
        for (char c : text)
            if (c != '\r' && c != '\n') out += c;
        out += "\r\n";
    }
    return out;
}

bool loadSavedInputs(const std::filesystem::path& file, BoxTexts& boxes) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    BoxTexts read = readSavedInputs(in);
    if (in.bad()) return false;
    boxes = std::move(read);
    return true;
}

bool saveSavedInputs(const std::filesystem::path& file, const BoxTexts& boxes) {
    std::filesystem::path temp = file;
    temp += ".tmp";
    const std::string content = savedInputsContent(boxes);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.close();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace sazbar
