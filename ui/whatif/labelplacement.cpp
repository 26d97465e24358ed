#include "ui/whatif/labelplacement.h"

#include <algorithm>
#include <numeric>

namespace sazbar::whatif {

namespace {

// Left edges for labels of the given widths, in this order, each wanting to
// stand centred on its anchor: neighbours that would overlap are pushed apart
// as one block, centred on the mean of what its members want, and blocks are
// kept inside the room. The widths must fit the room with their gaps.
std::vector<double> spread(const std::vector<double>& anchor, const std::vector<double>& width,
                           const LabelRoom& room) {
    struct Block {
        std::size_t first;
        std::size_t count;
        double wantSum;  // sum over members of where each wants the block to start
        double width;    // members and the gaps between them
        double start;
    };
    std::vector<Block> blocks;
    for (std::size_t k = 0; k < anchor.size(); ++k) {
        Block b{k, 1, anchor[k] - width[k] / 2, width[k], 0};
        for (;;) {
            b.start = std::max(room.left, std::min(b.wantSum / static_cast<double>(b.count), room.right - b.width));
            if (blocks.empty()) break;
            const Block& prev = blocks.back();
            if (prev.start + prev.width + room.gap <= b.start) break;
            // One block: the later members want the start less what stands before them.
            Block merged{prev.first, prev.count + b.count, 0, prev.width + room.gap + b.width, 0};
            merged.wantSum = prev.wantSum + b.wantSum - static_cast<double>(b.count) * (prev.width + room.gap);
            blocks.pop_back();
            b = merged;
        }
        blocks.push_back(b);
    }
    std::vector<double> left(anchor.size());
    for (const Block& b : blocks) {
        double x = b.start;
        for (std::size_t k = b.first; k < b.first + b.count; ++k) {
            left[k] = x;
            x += width[k] + room.gap;
        }
    }
    return left;
}

}  // namespace

std::vector<LabelPlace> placeLabels(const std::vector<LabelRequest>& labels, const LabelRoom& room) {
    std::vector<LabelPlace> out(labels.size());
    std::vector<std::size_t> byAnchor(labels.size());
    std::iota(byAnchor.begin(), byAnchor.end(), std::size_t{0});
    std::stable_sort(byAnchor.begin(), byAnchor.end(),
                     [&](std::size_t a, std::size_t b) { return labels[a].anchor < labels[b].anchor; });
    std::vector<std::size_t> byWeight = byAnchor;
    std::stable_sort(byWeight.begin(), byWeight.end(),
                     [&](std::size_t a, std::size_t b) { return labels[a].weight > labels[b].weight; });

    // The row holds labels whose widths and gaps add up to its width.
    const double rowWidth = room.right - room.left + room.gap;
    double used = 0;
    for (std::size_t i : byWeight) {
        const double need = labels[i].shortWidth + room.gap;
        if (labels[i].shortWidth > 0 && used + need <= rowWidth) {
            out[i] = {LabelForm::Short, 0, labels[i].shortWidth, 0};
            used += need;
        }
    }
    for (std::size_t i : byWeight) {
        const double more = labels[i].fullWidth - labels[i].shortWidth;
        if (out[i].form == LabelForm::Short && used + more <= rowWidth) {
            out[i] = {LabelForm::Full, 0, labels[i].fullWidth, 0};
            used += more;
        }
    }

    std::vector<std::size_t> shown;
    std::vector<double> anchor, width;
    for (std::size_t i : byAnchor) {
        if (out[i].form == LabelForm::None) continue;
        shown.push_back(i);
        anchor.push_back(labels[i].anchor);
        width.push_back(out[i].width);
    }
    const std::vector<double> left = spread(anchor, width, room);
    for (std::size_t k = 0; k < shown.size(); ++k) {
        LabelPlace& p = out[shown[k]];
        p.left = left[k];
        const double inset = std::min(room.inset, p.width / 2);
        p.leaderX = std::clamp(anchor[k], p.left + inset, p.left + p.width - inset);
    }
    return out;
}

}  // namespace sazbar::whatif
