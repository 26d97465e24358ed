// The itemised price of one tariff: what every crown of it pays for. The
// items come from the tariff's own pricing code (pricing/itemiser.h), so they
// add up exactly to the price the run shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/money.h"
#include "core/profile.h"
#include "pricing/engine.h"

namespace sazbar {

enum class ItemKind : std::uint8_t { Call, Message, Data, International, Fee, Package, Discount, Minimum, Surcharge };
constexpr int kItemKinds = 9;

// "call", "message", ...: the kind's name in JSON and CSV.
std::string_view itemKindId(ItemKind k);
// "Volání", "Zprávy", ...: the kind's Czech name in the window and the table.
std::string_view itemKindLabel(ItemKind k);

// A label as a translation key: its text with the numbers the pricing code
// put in written %1, %2, ... and the numbers apart, so a window can translate
// the key and put the numbers back. The label itself stays Czech.
struct LabelKey {
    static constexpr int kNumbers = 3;
    std::string pattern;
    std::array<std::int64_t, kNumbers> numbers{};
    int count = 0;
};

struct BreakdownItem {
    ItemKind kind = ItemKind::Fee;
    std::string label;
    LabelKey key;
    std::int64_t quantity = 0;
    std::string_view unit;  // empty: the item has no quantity
    std::int64_t rate = 0;  // milli per unit
    bool hasRate = false;
    Money amount;
};

struct ChoiceOption {
    std::string label;
    LabelKey key;
    Money amount;
    bool taken = false;
};

// One choice the engine made (package, add-on, configuration part), with the
// alternatives it compared and their exact amounts.
struct BreakdownChoice {
    std::string title;
    LabelKey key;
    std::vector<ChoiceOption> options;
};

enum class BreakdownStatus : std::uint8_t {
    Itemised,         // the items add up to the price
    Saturated,        // the exact price does not fit the field; the field shows the 32-bit limit
    NoConfiguration,  // no configuration below 999999: the field shows 999999
};

struct Breakdown {
    int tariff = -1;  // index into kTariffs
    BreakdownStatus status = BreakdownStatus::Itemised;
    std::vector<BreakdownItem> items;
    std::vector<BreakdownChoice> choices;
    Money total;             // exact price before truncation
    std::int32_t shown = 0;  // the price as its result field shows it
    std::string hint;        // the result field's hint as the tariff writes it

    Money itemSum() const;
    Money kindSum(ItemKind k) const;
};

// "itemised", "saturated", "no_configuration": the status in JSON and CSV.
std::string_view breakdownStatusId(BreakdownStatus s);
// What a breakdown without items says instead, in Czech; empty when itemised.
std::string breakdownStatusText(const Breakdown& b);

// The breakdown of one tariff (index into kTariffs) for a profile.
Breakdown priceBreakdown(const Profile& profile, const RunOptions& options, int tariffIndex);
void priceBreakdown(const Profile& profile, const RunOptions& options, int tariffIndex, Breakdown& out);

// a - b, exactly when the fraction's denominator fits 64 bits (every
// breakdown's does), else to the thousandth below.
Money moneyDifference(const Money& a, const Money& b);

// The amounts of a breakdown as a window shows them, so that what a reader
// adds up is what the total says. Every amount that is a decimal of at most
// kShownDecimals places is shown as it is; the others to the haléř, except one
// of them, the carrier, which shows the shown total less the other shown
// items. The total is shown exactly when it is such a decimal, else to the
// haléř. Every shown amount is a decimal of at most kShownDecimals places.
struct ShownAmounts {
    static constexpr int kShownDecimals = 4;
    std::vector<Money> items;  // parallel to Breakdown::items
    Money total;
    int carrier = -1;  // the item that carries the rounding, or -1 when none does
    std::vector<bool> rounded;  // items shown to the haléř (the carrier too)

    Money kindSum(const Breakdown& b, ItemKind k) const;
};
ShownAmounts shownAmounts(const Breakdown& b);
// An amount on its own (a choice's option): as it is when a decimal of at most
// kShownDecimals places, else to the haléř; `rounded` tells which.
Money shownAmount(const Money& m, bool* rounded = nullptr);

// Formatting of exact amounts (milli or Money, in crowns).
// Rounded half away from zero to the haléř, "," as the decimal mark, a space
// between thousands: "1 234,56", "-12,50".
std::string formatHalere(const Money& m);
// A rate, with two decimals or three when the third is not 0: "4,76", "0,238".
std::string formatRate(std::int64_t milli, char decimalMark = ',');
// Rounded to the haléř with "." and no grouping: "571.20".
std::string formatCents(const Money& m);
// Exact: a decimal with at least two decimals ("571.20", "0.238",
// "12.3456") when it terminates, else the reduced fraction "p/q" of crowns.
std::string formatExact(const Money& m);

}  // namespace sazbar
