#include "pricing/hint.h"

#include <algorithm>

namespace sazbar {

void Hint::prepend(const std::string_view* first, int count) {
    assert(m_count + count <= kCapacity);
    count = std::min(count, kCapacity - m_count);
    std::copy_backward(m_pieces.begin(), m_pieces.begin() + m_count, m_pieces.begin() + m_count + count);
    std::copy(first, first + count, m_pieces.begin());
    m_count += count;
}

bool Hint::empty() const { return size() == 0; }

std::size_t Hint::size() const {
    std::size_t n = 0;
    forEachPiece([&n](std::string_view p) { n += p.size(); });
    return n;
}

void Hint::appendTo(std::string& out) const {
    forEachPiece([&out](std::string_view p) { out += p; });
}

std::string Hint::str() const {
    std::string s;
    s.reserve(size());
    appendTo(s);
    return s;
}

bool operator==(const Hint& h, std::string_view text) {
    bool same = true;
    h.forEachPiece([&](std::string_view p) {
        same = same && text.substr(0, p.size()) == p;
        text.remove_prefix(std::min(p.size(), text.size()));
    });
    return same && text.empty();
}

}  // namespace sazbar
