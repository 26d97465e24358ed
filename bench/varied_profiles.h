// Profiles of every kind of use, the same for every benchmark run.
#pragma once

#include <random>
#include <vector>

#include "core/profile.h"

namespace sazbar::bench {

inline std::vector<sazbar::Profile> variedProfiles(std::size_t n) {
    std::mt19937 rng(2000);
    auto upTo = [&](int max) { return static_cast<std::int32_t>(rng() % static_cast<unsigned>(max + 1)); };
    std::vector<sazbar::Profile> out(n);
    for (sazbar::Profile& p : out) {
        for (auto& band : p.matrix)
            for (auto& cell : band) cell = rng() % 3 == 0 ? 0 : upTo(300);
        for (auto& w : p.wap) w = rng() % 4 == 0 ? upTo(60) : 0;
        p.gprsWap = rng() % 3 == 0 ? upTo(5000) : 0;
        p.gprsNet = rng() % 3 == 0 ? upTo(80000) : 0;
        for (auto& row : p.intl) row = {upTo(35), upTo(60), upTo(60), upTo(60)};
        p.internetCalls = rng() % 2 == 0;
    }
    return out;
}

}  // namespace sazbar::bench
