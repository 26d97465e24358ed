// The list of tariffs: every tariff's id, operator, names and the facts the
// marks and the chart read about it, one row each, in the order of the
// pricing run. Each operator's pricing file holds its tariffs' prices in rows
// that carry the same ids, checked against this list when it compiles.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace sazbar {

enum class Operator : std::uint8_t { TMobile, Eurotel, Oskar, FixedLine };

// Services a tariff may be unable to carry, as bits. A profile that uses one
// puts the tariff on the unsupported background; data, WAP, MMS and GPRS also
// write a line in front of its hint.
enum Service : std::uint8_t {
    kServiceData = 1,            // data (CSD) minutes
    kServiceWap = 2,             // WAP minutes
    kServiceMms = 4,
    kServiceGprs = 8,            // GPRS WAP or internet kB
    kServiceInternetCalls = 16,  // international calls through the internet
};

struct TariffInfo {
    std::string_view id;         // result field name
    Operator op;
    std::string_view name;       // name on the results window
    std::string_view chartName;  // bar label on the chart, exactly as shown
    // The bar's place in the chart's input: bars of equal price come out in
    // an order that depends on it.
    int chartSlot;
    bool cheapestMark;           // takes part in the cheapest mark
    std::uint8_t cannotCarry = 0;  // Service bits
};

constexpr int kTariffCount = 49;

namespace tariff_list {
constexpr Operator TM = Operator::TMobile;
constexpr Operator ET = Operator::Eurotel;
constexpr Operator OS = Operator::Oskar;
constexpr Operator FL = Operator::FixedLine;

// Every tariff, in the order of the pricing run.
inline constexpr std::array<TariffInfo, kTariffCount> kTariffs = {{
    {.id = "t30", .op = TM, .name = "T 30",
     .chartName = "T-Mobile T 30", .chartSlot = 0, .cheapestMark = true},
    {.id = "t80", .op = TM, .name = "T 80",
     .chartName = "T-Mobile T 80 ", .chartSlot = 1, .cheapestMark = true},
    {.id = "t250", .op = TM, .name = "T 250",
     .chartName = "T-Mobile T 250 ", .chartSlot = 2, .cheapestMark = true},
    {.id = "t600", .op = TM, .name = "T 600",
     .chartName = "T-Mobile T 600 ", .chartSlot = 3, .cheapestMark = true},
    {.id = "hit30", .op = TM, .name = "T 30 +HIT",
     .chartName = "T-Mobile T 30 + hit", .chartSlot = 4, .cheapestMark = true},
    {.id = "hit80", .op = TM, .name = "T 80 +HIT",
     .chartName = "T-Mobile T 80 + hit", .chartSlot = 5, .cheapestMark = true},
    {.id = "hit250", .op = TM, .name = "T 250 +HIT",
     .chartName = "T-Mobile T 250 + hit", .chartSlot = 6, .cheapestMark = true},
    {.id = "hit600", .op = TM, .name = "T 600 +HIT",
     .chartName = "T-Mobile T 600 + hit", .chartSlot = 7, .cheapestMark = true},
    {.id = "tarif20p20", .op = TM, .name = "Tarif 20+20",
     .chartName = "T-Mobile Tarif 20+20", .chartSlot = 8, .cheapestMark = true},
    {.id = "twist_standard", .op = TM, .name = "Twist standard",
     .chartName = "T-Mobile Tarif Twist Standard", .chartSlot = 9, .cheapestMark = true},
    {.id = "twist_sms", .op = TM, .name = "Twist SMS",
     .chartName = "T-Mobile Twist SMS", .chartSlot = 10, .cheapestMark = true},
    {.id = "twist_extra", .op = TM, .name = "Twist extra",
     .chartName = "T-Mobile Twist Extra", .chartSlot = 11, .cheapestMark = true},
    {.id = "twist_home", .op = TM, .name = "Twist home",
     .chartName = "T-Mobile Twist Home", .chartSlot = 12, .cheapestMark = true},
    {.id = "student", .op = TM, .name = "Student",
     .chartName = "T-Mobile Student", .chartSlot = 13, .cheapestMark = true},
    {.id = "internet", .op = TM, .name = "Internet",
     .chartName = "T-Mobile Internet", .chartSlot = 14, .cheapestMark = true},
    {.id = "internethit", .op = TM, .name = "Internet +HIT",
     .chartName = "T-Mobile Internet + hit", .chartSlot = 15, .cheapestMark = true},
    {.id = "sms", .op = ET, .name = "SMS",
     .chartName = "Eurotel SMS", .chartSlot = 16, .cheapestMark = true},
    {.id = "sms_max", .op = ET, .name = "SMS max",
     .chartName = "Eurotel SMS + max", .chartSlot = 22, .cheapestMark = true},
    {.id = "bronz", .op = ET, .name = "Bronz",
     .chartName = "Eurotel Bronz", .chartSlot = 17, .cheapestMark = true},
    {.id = "bronz_max", .op = ET, .name = "Bronz max",
     .chartName = "Eurotel Bronz + max", .chartSlot = 23, .cheapestMark = true},
    {.id = "silver", .op = ET, .name = "Silver",
     .chartName = "Eurotel Silver", .chartSlot = 18, .cheapestMark = true},
    {.id = "silver_max", .op = ET, .name = "Silver max",
     .chartName = "Eurotel Silver + max", .chartSlot = 24, .cheapestMark = true},
    {.id = "gold", .op = ET, .name = "Gold",
     .chartName = "Eurotel Gold", .chartSlot = 19, .cheapestMark = true},
    {.id = "gold_max", .op = ET, .name = "Gold max",
     .chartName = "Eurotel Gold + max", .chartSlot = 25, .cheapestMark = true},
    {.id = "platinum", .op = ET, .name = "Platinum",
     .chartName = "Eurotel Platinum", .chartSlot = 20, .cheapestMark = true},
    {.id = "platinum_max", .op = ET, .name = "Platinum max",
     .chartName = "Eurotel Platinum + max", .chartSlot = 26, .cheapestMark = true},
    {.id = "diamant", .op = ET, .name = "Diamant",
     .chartName = "Eurotel Diamant", .chartSlot = 21, .cheapestMark = true},
    {.id = "diamant_max", .op = ET, .name = "Diamant max",
     .chartName = "Eurotel Diamant + max", .chartSlot = 27, .cheapestMark = true},
    {.id = "start", .op = ET, .name = "Start",
     .chartName = "Eurotel Start", .chartSlot = 28, .cheapestMark = true},
    {.id = "pohoda", .op = ET, .name = "Pohoda",
     .chartName = "Eurotel Pohoda", .chartSlot = 37, .cheapestMark = true},
    {.id = "individual_wapmi", .op = ET, .name = "Individual",
     .chartName = "Eurotel Individual", .chartSlot = 36, .cheapestMark = true},
    {.id = "smsdata", .op = ET, .name = "SMS/Data",
     .chartName = "Eurotel SMS/Data", .chartSlot = 35, .cheapestMark = false},
    {.id = "originalgo", .op = ET, .name = "Original GO",
     .chartName = "Eurotel Original GO", .chartSlot = 30, .cheapestMark = true},
    {.id = "quatrogo", .op = ET, .name = "Quatro GO",
     .chartName = "Eurotel Quatro GO", .chartSlot = 29, .cheapestMark = true},
    {.id = "fungo", .op = ET, .name = "Fun GO",
     .chartName = "Eurotel Fun GO", .chartSlot = 31, .cheapestMark = true},
    {.id = "tipbusiness", .op = ET, .name = "Tip Business",
     .chartName = "Eurotel Tip Business", .chartSlot = 32, .cheapestMark = false,
     .cannotCarry = kServiceData | kServiceWap | kServiceMms | kServiceGprs},
    {.id = "tiprelax", .op = ET, .name = "Tip Relax",
     .chartName = "Eurotel Tip Relax", .chartSlot = 33, .cheapestMark = false,
     .cannotCarry = kServiceData | kServiceWap | kServiceMms | kServiceGprs},
    {.id = "tipakord", .op = ET, .name = "Tip Akord",
     .chartName = "Eurotel Tip AKord", .chartSlot = 34, .cheapestMark = false,
     .cannotCarry = kServiceData | kServiceWap | kServiceMms | kServiceGprs},
    {.id = "naplno50", .op = OS, .name = "50 naplno",
     .chartName = "Oskar 50 Naplno", .chartSlot = 38, .cheapestMark = true},
    {.id = "naplno150", .op = OS, .name = "150 naplno",
     .chartName = "Oskar 150 Naplno", .chartSlot = 39, .cheapestMark = true},
    {.id = "naplno300", .op = OS, .name = "300 naplno",
     .chartName = "Oskar 300 Naplno", .chartSlot = 40, .cheapestMark = true},
    {.id = "naplno500", .op = OS, .name = "500 naplno",
     .chartName = "Oskar 500 Naplno", .chartSlot = 41, .cheapestMark = true},
    {.id = "naplnorozjezd", .op = OS, .name = "Rozjezd naplno",
     .chartName = "Oskar Rozjezd Naplno", .chartSlot = 42, .cheapestMark = true},
    {.id = "mezinami", .op = OS, .name = "Mezi námi",
     .chartName = "Oskar Mezi námí", .chartSlot = 44, .cheapestMark = true},
    {.id = "odepis", .op = OS, .name = "Odepiš",
     .chartName = "Oskar Odepiš", .chartSlot = 43, .cheapestMark = true},
    {.id = "oskarta", .op = OS, .name = "Oskarta",
     .chartName = "Oskar Oskarta", .chartSlot = 45, .cheapestMark = true},
    {.id = "najistotu", .op = OS, .name = "Na jistotu",
     .chartName = "Oskar Na jistotu", .chartSlot = 47, .cheapestMark = true},
    {.id = "nazisk", .op = OS, .name = "Na zisk",
     .chartName = "Oskar Na zisk", .chartSlot = 46, .cheapestMark = true},
    {.id = "telecom", .op = FL, .name = "Telefon Standard",
     .chartName = "Český telecom", .chartSlot = 48, .cheapestMark = false,
     .cannotCarry = kServiceWap | kServiceMms | kServiceGprs | kServiceInternetCalls},
}};
}  // namespace tariff_list

using tariff_list::kTariffs;

// Index of a result field in kTariffs, or -1.
constexpr int tariffIndex(std::string_view id) {
    for (int i = 0; i < kTariffCount; ++i)
        if (kTariffs[static_cast<std::size_t>(i)].id == id) return i;
    return -1;
}

constexpr int kTelecomIndex = tariffIndex("telecom");

// How many tariffs an operator has, and their indexes in run order.
constexpr int tariffCountOf(Operator op) {
    int n = 0;
    for (const TariffInfo& t : kTariffs) n += t.op == op;
    return n;
}
template <Operator op>
constexpr std::array<int, static_cast<std::size_t>(tariffCountOf(op))> tariffsOf() {
    std::array<int, static_cast<std::size_t>(tariffCountOf(op))> out{};
    std::size_t n = 0;
    for (int i = 0; i < kTariffCount; ++i)
        if (kTariffs[static_cast<std::size_t>(i)].op == op) out[n++] = i;
    return out;
}

template <Operator op>
inline constexpr auto kTariffsOf = tariffsOf<op>();

// Every id names one tariff.
constexpr bool idsAreUnique() {
    for (std::size_t i = 0; i < kTariffs.size(); ++i)
        for (std::size_t j = i + 1; j < kTariffs.size(); ++j)
            if (kTariffs[i].id == kTariffs[j].id) return false;
    return true;
}
static_assert(idsAreUnique());

// Whether the price rows of one operator's tables agree with the list: every
// row names a tariff of the operator and every such tariff has exactly one
// row. Each table is a std::array of rows with an `id`.
template <class... Tables>
constexpr bool rowsAgreeWithList(Operator op, const Tables&... tables) {
    int rows = 0;
    for (const TariffInfo& t : kTariffs) {
        if (t.op != op) continue;
        int found = 0;
        ((found += [&] {
             int n = 0;
             for (const auto& row : tables) n += row.id == t.id;
             return n;
         }()),
         ...);
        if (found != 1) return false;
    }
    ((rows += static_cast<int>(tables.size())), ...);
    return rows == tariffCountOf(op);
}

// Index of the row with a tariff's id in a table, or -1.
template <class Table>
constexpr int rowOf(const Table& table, std::string_view id) {
    for (std::size_t r = 0; r < table.size(); ++r)
        if (table[r].id == id) return static_cast<int>(r);
    return -1;
}

}  // namespace sazbar
