// Composition of the printed page and its scaling onto the printer.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace sazbar::print {

// The three windows that can go on the page, in page order.
enum Capture : int { Input = 0, Results = 1, Chart = 2 };
constexpr int kCaptures = 3;

// Height of a preview image and the centre line of the preview panel.
constexpr int kPreviewHeight = 150;
constexpr int kPreviewCentre = 174;

struct PageLayout {
    QSize page{80, 40};                  // the page image
    std::array<bool, kCaptures> chosen{};
    std::array<QPoint, kCaptures> at{};  // top left of each chosen capture on the page
    std::array<int, kCaptures> previewTop{16, 16, 16};
};

PageLayout composePage(const std::array<QSize, kCaptures>& captures, const std::array<bool, kCaptures>& chosen);

// A preview image: 150 high, as wide as the capture's proportions give,
// centred on the panel's centre line.
QRect previewRect(QSize capture, int top);

// The page image: white, with the chosen captures where the layout puts them.
QImage paintPage(const PageLayout& layout, const std::array<QImage, kCaptures>& captures);

// The ratio of page to printable area that makes the page fit: the larger of
// the width and the height ratio, the height ratio on a tie.
double printScale(QSize page, QSize printable);
// Where the page image goes on the printer page: the top left, proportions kept.
QRect printTarget(QSize page, QSize printable);

}  // namespace sazbar::print
