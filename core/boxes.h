// The 46 input boxes of the main window (Edit1 .. Edit46) and the profile they fill.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/profile.h"

namespace sazbar {

constexpr int kBoxCount = 46;
// Box texts, index 0 = Edit1 ... index 45 = Edit46.
using BoxTexts = std::array<std::string, kBoxCount>;

// What one box holds.
struct BoxSlot {
    enum Kind { Matrix, Wap, Intl, GprsWap, GprsNet } kind;
    int band = 0;  // Matrix, Wap: time band; Intl: 0 peak, 1 afternoon, 2 evening with weekend
    int row = 0;   // Matrix: matrix row; Intl: international row 0..3
};

// Slot of box number n (1..46).
BoxSlot boxSlot(int n);

// Box number (1..46) of a slot, the inverse of boxSlot(); 0 for a slot no box has.
int boxNumber(const BoxSlot& slot);

// True for the 34 boxes of the domestic page: Edit1..Edit32, Edit45, Edit46.
bool isDomesticBox(int n);

// True for the 20 boxes summed into the total call minutes.
bool isCallMinutesBox(int n);

// 31 days x 24 hours x 60 minutes: more call minutes than a month has. The
// calculation refuses a total of this many or more.
constexpr std::int64_t kMonthMinutes = 44640;

// The boxes with every negative number replaced by "0", as leaving a box
// cleans it up. A saved negative count can only come from a box saved before
// its clean-up, and means nothing in a month of use.
BoxTexts withoutNegativeCounts(BoxTexts boxes);

// Reads every box with the text-to-integer rule into a profile.
// The box texts of a profile, each count in canonical decimal form.
BoxTexts boxesFromProfile(const Profile& p);

Profile profileFromBoxes(const BoxTexts& boxes, const std::array<int, kIntlRows>& countries = {0, 1, 2, 3},
                         bool internetCalls = false);

}  // namespace sazbar
