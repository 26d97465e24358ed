// Value labels ("marks") of the price chart and their straightening.
#pragma once

#include <span>
#include <string>

namespace sazbar::chart {

// One value label in widget pixels, y downwards: the box and the arrow that
// runs from the bar top (arrowFrom) to the label (arrowTo).
struct Mark {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int arrowFromX = 0;
    int arrowFromY = 0;
    int arrowToX = 0;
    int arrowToY = 0;
    bool fixed = false;  // moved by the straightening; not laid out again

    bool operator==(const Mark&) const = default;
};

// Arrow length between the bar top and its label, in pixels.
constexpr int kArrowLength = 25;

// Lays a label of the given size out above a bar whose top centre is at
// (x, barTopY): the arrow goes kArrowLength pixels up, the box stands on it.
Mark automaticMark(int x, int barTopY, int width, int height);

// Moves overlapping labels apart, left to right; each label is compared only
// with its left neighbour, already moved. The leftmost label stays where it is.
// `chartHeight` is the height of the whole chart in pixels.
void narovnej(std::span<Mark> marks, int chartHeight);

// A price with thousands grouped by a blank: "1 234", "-12 345".
std::string groupThousands(long long value);

}  // namespace sazbar::chart
