// Predefined usage profiles: the sixteen network-minute boxes filled from a
// base month, a level of calling and the networks and bands called most.
#pragma once

#include <array>
#include <cstdint>

namespace sazbar::ui {

// Minutes per destination network (fixed line, T-Mobile, Eurotel, Oskar) and
// band (peak, afternoon, evening, weekend).
using NetworkBandMinutes = std::array<std::array<std::int32_t, 4>, 4>;

// The base month every predefined profile starts from.
constexpr NetworkBandMinutes kBaseMinutes = {{
    {5, 5, 1, 1},
    {6, 6, 3, 3},
    {8, 8, 4, 4},
    {2, 2, 1, 1},
}};

// The levels of "Málo", "Středně" and "Hodně".
constexpr int kLevelFew = 1;
constexpr int kLevelMedium = 3;
constexpr int kLevelMany = 9;

// Weights of the four boxes of one group from which of them are ticked.
std::array<double, 4> groupWeights(const std::array<bool, 4>& ticked);

// base x level x network weight x band weight, multiplied in this order in
// extended precision, rounded to double and truncated toward zero.
NetworkBandMinutes predefinedMinutes(const NetworkBandMinutes& base, int level,
                                     const std::array<bool, 4>& networks, const std::array<bool, 4>& bands);

}  // namespace sazbar::ui
