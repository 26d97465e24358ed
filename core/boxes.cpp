#include "core/boxes.h"

#include "core/textnum.h"

namespace sazbar {

BoxSlot boxSlot(int n) {
    if (n >= 1 && n <= 28) return {BoxSlot::Matrix, (n - 1) / 7, (n - 1) % 7};
    if (n >= 29 && n <= 32) return {BoxSlot::Wap, n - 29, 0};
    if (n >= 33 && n <= 40) {
        // Pairs per international row: peak, then evening with weekend.
        const int k = n - 33;
        return {BoxSlot::Intl, (k % 2 == 0) ? 0 : 2, k / 2};
    }
    if (n >= 41 && n <= 44) return {BoxSlot::Intl, 1, n - 41};
    if (n == 45) return {BoxSlot::GprsWap, 0, 0};
    return {BoxSlot::GprsNet, 0, 0};
}

int boxNumber(const BoxSlot& slot) {
    for (int n = 1; n <= kBoxCount; ++n) {
        const BoxSlot s = boxSlot(n);
        if (s.kind == slot.kind && s.band == slot.band && s.row == slot.row) return n;
    }
    return 0;
}

bool isDomesticBox(int n) { return (n >= 1 && n <= 32) || n == 45 || n == 46; }

bool isCallMinutesBox(int n) {
    if (n < 1 || n > 28) return false;
    const int row = (n - 1) % 7;
    return row <= Oskar || row == VoiceMail;
}

BoxTexts withoutNegativeCounts(BoxTexts boxes) {
    for (std::string& text : boxes)
        // assign(count, char) rather than = "0": GCC 12 warns falsely
        // (-Wrestrict) on the inlined copy of a literal here.
        if (textToInt(text) < 0) text.assign(1, '0');
    return boxes;
}

BoxTexts boxesFromProfile(const Profile& p) {
    BoxTexts boxes;
    for (int n = 1; n <= kBoxCount; ++n) {
        const BoxSlot s = boxSlot(n);
        std::int32_t v = 0;
        switch (s.kind) {
            case BoxSlot::Matrix: v = p.matrix[s.band][s.row]; break;
            case BoxSlot::Wap: v = p.wap[s.band]; break;
            case BoxSlot::Intl: {
                const IntlRow& r = p.intl[s.row];
                v = s.band == 0 ? r.peak : s.band == 1 ? r.afternoon : r.eveningWeekend;
                break;
            }
            case BoxSlot::GprsWap: v = p.gprsWap; break;
            case BoxSlot::GprsNet: v = p.gprsNet; break;
        }
        boxes[static_cast<std::size_t>(n - 1)] = intToText(v);
    }
    return boxes;
}

Profile profileFromBoxes(const BoxTexts& boxes, const std::array<int, kIntlRows>& countries, bool internetCalls) {
    Profile p;
    for (int n = 1; n <= kBoxCount; ++n) {
        const std::int32_t v = textToInt(boxes[static_cast<std::size_t>(n - 1)]);
        const BoxSlot s = boxSlot(n);
        switch (s.kind) {
            case BoxSlot::Matrix: p.matrix[s.band][s.row] = v; break;
            case BoxSlot::Wap: p.wap[s.band] = v; break;
            case BoxSlot::Intl: {
                IntlRow& r = p.intl[s.row];
                (s.band == 0 ? r.peak : s.band == 1 ? r.afternoon : r.eveningWeekend) = v;
                break;
            }
            case BoxSlot::GprsWap: p.gprsWap = v; break;
            case BoxSlot::GprsNet: p.gprsNet = v; break;
        }
    }
    for (int r = 0; r < kIntlRows; ++r) p.intl[r].country = countries[r];
    p.internetCalls = internetCalls;
    return p;
}

}  // namespace sazbar
