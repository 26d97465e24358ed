// Where the break-even labels of the "Co kdyby" chart stand: side by side in
// one row above the chart, in the order of their points, each as near its
// point as the others leave it. A leader runs from the bottom edge of each
// label down to the chart's top at its point's x, and from there straight
// down to the point; since labels and points come in the same order, no two
// leaders cross and none runs through a label.
#pragma once

#include <cstdint>
#include <vector>

namespace sazbar::whatif {

// One label to place, in pixels along the chart's x axis.
struct LabelRequest {
    double anchor = 0;        // x of its point
    double fullWidth = 0;     // the label with the factor and the tariffs
    double shortWidth = 0;    // the label with the factor alone
    std::int64_t weight = 0;  // the larger, the sooner the label gets its room
};

enum class LabelForm : std::uint8_t { None, Short, Full };

struct LabelPlace {
    LabelForm form = LabelForm::None;
    double left = 0;     // left edge
    double width = 0;    // of the form chosen
    double leaderX = 0;  // where the leader leaves the label's bottom edge
};

struct LabelRoom {
    double left = 0;  // labels stand between left and right
    double right = 0;
    double gap = 6;    // at least between two labels
    double inset = 4;  // a leader leaves a label at least this far inside its edges
};

// Gives as many labels as the row holds the factor, the heaviest first, then
// the tariffs too to the heaviest of them while the row still holds them all.
// Of any two labels shown, the one of the smaller anchor stands left of the
// other; a label stands centred over its anchor where the others leave it
// room, and its leader leaves it straight above the anchor where it can.
// Anchors need not be sorted; the result is in the order of `labels`.
std::vector<LabelPlace> placeLabels(const std::vector<LabelRequest>& labels, const LabelRoom& room);

}  // namespace sazbar::whatif
