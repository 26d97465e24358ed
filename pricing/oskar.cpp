// Oskar tariffs: not priced yet.
#include "pricing/tariff_common.h"

namespace sazbar {

void priceOskar(const Usage&, const RunOptions&, std::span<TariffResult>) {}

}  // namespace sazbar
