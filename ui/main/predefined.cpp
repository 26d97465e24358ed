#include "ui/main/predefined.h"

#include <cmath>
#include <limits>

namespace sazbar::ui {

static_assert(std::numeric_limits<long double>::digits >= 64,
              "the profile weights are multiplied in 80-bit extended precision");

std::array<double, 4> groupWeights(const std::array<bool, 4>& ticked) {
    int count = 0;
    for (bool t : ticked) count += t ? 1 : 0;
    double on = 1.0;
    double off = 1.0;
    switch (count) {
        case 1: on = 3.0; off = 1.0 / 3.0; break;
        case 2: on = 5.0 / 3.0; off = 1.0 / 3.0; break;
        case 3: on = 1.5; off = 0.5; break;
        default: break;  // none or all ticked: every box weighs 1
    }
    std::array<double, 4> w{};
    for (int i = 0; i < 4; ++i) w[i] = ticked[i] ? on : off;
    return w;
}

NetworkBandMinutes predefinedMinutes(const NetworkBandMinutes& base, int level,
                                     const std::array<bool, 4>& networks, const std::array<bool, 4>& bands) {
    const std::array<double, 4> nw = groupWeights(networks);
    const std::array<double, 4> bw = groupWeights(bands);
    NetworkBandMinutes out{};
    for (int n = 0; n < 4; ++n) {
        for (int b = 0; b < 4; ++b) {
            long double v = static_cast<long double>(base[n][b]);
            v *= static_cast<long double>(level);
            v *= static_cast<long double>(nw[n]);
            v *= static_cast<long double>(bw[b]);
            const double rounded = static_cast<double>(v);
            out[n][b] = static_cast<std::int32_t>(std::trunc(rounded));
        }
    }
    return out;
}

}  // namespace sazbar::ui
