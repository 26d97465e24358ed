// A data tariff prepared for pricing: everything that does not depend on the
// month resolved once, when the tariff is read.
//
// The price of a combination of add-ons is a sum: the charge of every cell (a
// service in a band, or an international row in a band) at its rate, what
// every pool of allowances takes off the cells it covers, and the fees. Groups
// of add-ons that share nothing - no cell whose rate they set, no pool they add
// to or whose cells they set rates for, no `requires` between them - add
// independent terms to that sum, so each such piece is searched on its own and
// the cheapest combination is the cheapest option of every piece; the first of
// equal combinations is then the first of each piece's equal options. Groups
// that do share something form one piece, searched over all its combinations.
// A minimum spend or a direct-debit discount ties every group together; such
// a tariff is priced by the full search.
#pragma once

#include <memory>

#include "catalogue/data_month.h"
#include "catalogue/data_pricing.h"

namespace sazbar::catalogue {

// Prepares a tariff read without errors (any tariff: what the fast path
// cannot price is left to the full search).
std::shared_ptr<const PreparedTariff> prepareTariff(const DataTariff& t);

namespace detail {

// Prices `t` (prepared as `p`) for the month; false when only the full search
// can (the result is then untouched).
bool pricePrepared(const PreparedTariff& p, const DataTariff& t, const Month& m, DataResult& out);

}  // namespace detail

}  // namespace sazbar::catalogue
