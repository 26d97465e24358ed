// A result field's hint, kept as the constant texts it is written from and
// joined only when its text is asked for: a pricing run copies no characters.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace sazbar {

class Hint {
public:
    // The longest hint, Individual's configuration with Data NONSTOP, has 8
    // pieces: a heading, six lines and the NONSTOP line.
    static constexpr int kCapacity = 8;

    // Every piece must outlive the hint: a literal or other text of static storage.
    void add(std::string_view piece) {
        assert(m_count < kCapacity);
        if (m_count < kCapacity) m_pieces[static_cast<std::size_t>(m_count++)] = piece;
    }
    void assign(std::string_view piece) {
        m_count = 0;
        add(piece);
    }
    // Puts `first` (count pieces) in front of the hint.
    void prepend(const std::string_view* first, int count);
    void clear() { m_count = 0; }

    bool empty() const;
    std::size_t size() const;  // in bytes
    std::string str() const;
    void appendTo(std::string& out) const;
    template <class F>
    void forEachPiece(F&& f) const {
        for (int i = 0; i < m_count; ++i) f(m_pieces[static_cast<std::size_t>(i)]);
    }

    friend bool operator==(const Hint& a, const Hint& b) { return a.str() == b.str(); }
    friend bool operator==(const Hint& h, std::string_view text);
    friend std::ostream& operator<<(std::ostream& os, const Hint& h) { return os << h.str(); }

private:
    std::array<std::string_view, kCapacity> m_pieces;
    // Not a character type, which could alias the pieces: a run of adds keeps
    // the count in a register.
    int m_count = 0;
};

}  // namespace sazbar
