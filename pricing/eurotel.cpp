// Eurotel tariffs: not priced yet.
#include "pricing/tariff_common.h"

namespace sazbar {

void priceEurotel(const Usage&, std::span<TariffResult>) {}

}  // namespace sazbar
