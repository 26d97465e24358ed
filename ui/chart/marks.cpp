#include "ui/chart/marks.h"

#include <cmath>
#include <cstdlib>

namespace sazbar::chart {

Mark automaticMark(int x, int barTopY, int width, int height) {
    Mark m;
    m.arrowFromX = m.arrowToX = x;
    m.arrowFromY = barTopY;
    m.arrowToY = barTopY - kArrowLength;
    m.width = width;
    m.height = height;
    m.left = x - width / 2;
    m.top = m.arrowToY - height;
    return m;
}

void narovnej(std::span<Mark> marks, int chartHeight) {
    const double k = chartHeight / 600.0 + 0.5;
    for (std::size_t i = 1; i < marks.size(); ++i) {
        Mark& p = marks[i];
        const Mark& q = marks[i - 1];
        p.fixed = true;
        const bool overlapX = q.left + q.width > p.left;
        const bool nearY = p.top + p.height + q.height * k > q.top;
        if (!overlapX || !nearY) continue;
        const int step = static_cast<int>(std::trunc(q.height * k));
        int y;
        if (2 * p.height < q.arrowFromY - q.arrowToY)
            y = q.top + step;  // just under q, along q's long arrow
        else
            y = q.top - step;  // above q
        if (p.arrowFromY - y < 1.5 * p.height) y = q.top - step;
        p.top = y;
        p.arrowToY = y;
    }
}

std::string groupThousands(long long value) {
    // Work on the magnitude as unsigned so that the smallest value has one.
    unsigned long long mag = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                       : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(mag);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    if (value < 0) out += '-';
    for (std::size_t n = 0; n < digits.size(); ++n) {
        if (n > 0 && (digits.size() - n) % 3 == 0) out += ' ';
        out += digits[n];
    }
    return out;
}

}  // namespace sazbar::chart
