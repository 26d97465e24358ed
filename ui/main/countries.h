// The names of the countries of the international page, in the interface's
// language. The Czech names are those of core/profile.h, in its order.
#pragma once

#include <QString>
#include <array>

#include "core/profile.h"

namespace sazbar::ui {

// Translation context of the country names; the import preview shows them too.
inline constexpr const char* kCountryContext = "Countries";

// The Czech names as they stand in the translation (marked for lupdate).
extern const std::array<const char*, kCountries> kCountryNameTexts;

// Country `index` (0 .. kCountries - 1) in the interface's language.
QString countryName(int index);

}  // namespace sazbar::ui
