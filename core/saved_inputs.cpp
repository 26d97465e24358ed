#include "core/saved_inputs.h"

#include <array>
#include <fstream>
#include <sstream>
#include <system_error>

#include "core/small_file.h"
#include "core/textnum.h"

namespace sazbar {

void StreamingTextToInt::feed(char c) noexcept {
    switch (m_state) {
        case State::Blanks:
            if (c == ' ' || c == '\t') return;
            if (c == '-' || c == '+') {
                m_negative = c == '-';
                m_state = State::AfterSign;
                return;
            }
            [[fallthrough]];
        case State::AfterSign:
            if (c == '$' || c == 'x' || c == 'X') {
                m_hex = true;
                m_state = State::Digits;
                return;
            }
            if (c == '0') {
                // Either a digit or the start of "0x"; the magnitude is 0 both ways.
                m_state = State::LeadingZero;
                return;
            }
            break;
        case State::LeadingZero:
            m_state = State::Digits;
            if (c == 'x' || c == 'X') {
                m_hex = true;
                return;
            }
            break;
        case State::Digits: break;
        case State::Stopped: return;
    }
    m_state = State::Digits;
    const int d = digitValue(c, m_hex);
    if (d < 0) {
        m_state = State::Stopped;
        return;
    }
    constexpr std::uint64_t cap = std::uint64_t{1} << 31;
    m_magnitude = m_magnitude * (m_hex ? 16 : 10) + static_cast<std::uint64_t>(d);
    if (m_magnitude > cap) m_magnitude = cap;
}

std::int32_t StreamingTextToInt::value() const noexcept {
    auto v = static_cast<std::int64_t>(m_magnitude);
    // A text read to its end keeps its sign; one that stopped early does not.
    if (m_state != State::Stopped && m_negative) v = -v;
    return saturate32(v);
}

BoxTexts readSavedInputs(std::istream& in, SavedInputsReport* report, std::size_t maxBytes) {
    constexpr std::size_t kQuotedBytes = 64;
    BoxTexts boxes;
    SavedInputsReport seen;
    StreamingTextToInt number;
    int line = 0;
    bool lineHasText = false;
    // The LF of a CR LF pair ends no line of its own.
    bool afterCr = false;
    std::string lineStart;  // first bytes of the current line, for the report
    std::size_t total = 0;
    bool first = true;
    auto endLine = [&] {
        if (number.stopped() && ++seen.notNumbers == 1) {
            seen.firstNotNumber = line + 1;
            seen.firstNotNumberText = lineStart;
        }
        boxes[static_cast<std::size_t>(line++)] = intToText(number.value());
        number.reset();
        lineHasText = false;
        lineStart.clear();
    };
    std::array<char, 16384> buffer;
    bool done = false;
    while (!done && in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        std::size_t got = static_cast<std::size_t>(in.gcount());
        if (got == 0) break;
        std::size_t i = 0;
        if (first) {
            first = false;
            if (got >= 3 && buffer[0] == '\xEF' && buffer[1] == '\xBB' && buffer[2] == '\xBF') i = 3;
            if (got >= 2 && ((buffer[0] == '\xFF' && buffer[1] == '\xFE') || (buffer[0] == '\xFE' && buffer[1] == '\xFF')))
                seen.utf16 = true;
        }
        if (report && got > maxBytes - total) {
            got = maxBytes - total;
            seen.tooLarge = true;
            done = true;
        }
        total += got;
        for (; i < got; ++i) {
            const char c = buffer[i];
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = false;
            if (line == kBoxCount) {
                // Only a report looks past the last box, one character far.
                seen.lines = kBoxCount + 1;
                seen.tooLarge = false;
                done = true;
                break;
            }
            if (c == '\n' || c == '\r') {
                afterCr = c == '\r';
                endLine();
                if (line == kBoxCount && !report) {
                    done = true;
                    break;
                }
                continue;
            }
            const auto u = static_cast<unsigned char>(c);
            if (report && ((u < 0x20 && c != '\t') || u == 0x7F)) {
                seen.controlLine = line + 1;
                done = true;
                break;
            }
            lineHasText = true;
            number.feed(c);
            if (report && lineStart.size() < kQuotedBytes) lineStart += c;
        }
    }
    // The last line may lack its line end; lines after it are missing and read as empty.
    if (line < kBoxCount && lineHasText) endLine();
    if (seen.lines == 0) seen.lines = line;
    for (; line < kBoxCount; ++line) boxes[static_cast<std::size_t>(line)] = intToText(0);
    if (report) *report = std::move(seen);
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
    // A larger file still gives its first lines, as far as they go.
    SmallFile f = readSmallFile(file, kMaxSavedInputsBytes);
    if (f.status != SmallFileStatus::Ok && f.status != SmallFileStatus::TooLarge) return false;
    std::istringstream in(std::move(f.bytes));
    boxes = readSavedInputs(in);
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
