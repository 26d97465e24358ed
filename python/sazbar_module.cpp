// The pricing engine as the Python module `sazbar`.
//
// price() and price_many() take profiles in the JSON form of sazbar-cli and go
// through the same reader and writer as one line of `sazbar-cli --batch`, so
// their dicts are that line's JSON, read back. price_array() prices a NumPy
// table of counts without texts or dicts, the GIL released.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include "cli/report.h"
#include "core/profile.h"
#include "core/profile_json.h"
#include "core/visible_text.h"
#include "pricing/engine.h"

namespace py = pybind11;

namespace sazbar::python {

namespace {

// Columns of price_array's input. The first 28 are the JSON matrix, band by
// band; a messages cell holds a different count in each band.
constexpr int kColumns = 46;
constexpr int kWapColumn = 28;
constexpr int kGprsWapColumn = 32;
constexpr int kGprsNetColumn = 33;
constexpr int kIntlColumn = 34;  // then peak, afternoon, evening_weekend of each international row

std::array<std::string, kColumns> columnNames() {
    static constexpr std::string_view bands[kBands] = {"peak", "afternoon", "evening", "weekend"};
    static constexpr std::string_view messages[kBands] = {"sms_tmobile", "sms_eurotel", "sms_oskar", "mms"};
    std::array<std::string, kColumns> names;
    for (int b = 0; b < kBands; ++b) {
        const std::string band(bands[b]);
        const std::string_view rows[kRows] = {"fixed_line", "tmobile", "eurotel", "oskar", messages[b], "voice_mail", "data"};
        for (int r = 0; r < kRows; ++r) names[static_cast<std::size_t>(b * kRows + r)] = band + "_" + std::string(rows[r]);
        names[static_cast<std::size_t>(kWapColumn + b)] = "wap_" + band;
    }
    names[kGprsWapColumn] = "gprs_wap_kb";
    names[kGprsNetColumn] = "gprs_internet_kb";
    for (int k = 0; k < kIntlRows; ++k) {
        const std::string row = "intl" + std::to_string(k) + "_";
        names[static_cast<std::size_t>(kIntlColumn + 3 * k)] = row + "peak";
        names[static_cast<std::size_t>(kIntlColumn + 3 * k + 1)] = row + "afternoon";
        names[static_cast<std::size_t>(kIntlColumn + 3 * k + 2)] = row + "evening_weekend";
    }
    return names;
}

const std::array<std::string, kColumns>& columns() {
    static const auto names = columnNames();
    return names;
}

// A Python value as the JSON text the profile reader takes: what json.dumps
// writes (ASCII, ", " and ": "), with two additions, integers of other types
// (NumPy's, anything with __index__) and sequences other than lists and
// tuples (a NumPy array) as arrays. A value without a JSON form is refused
// with its path, "matrix[1][2]", and the Python error behind it as the cause.
// Writing stops a byte past the reader's limit, which then refuses the text.
class JsonText {
public:
    JsonText(std::string& out, const std::string& what) : out_(out), what_(what) {}

    void value(py::handle v, const std::string& path, int depth) {
        if (out_.size() > kMaxProfileText) return;
        PyObject* o = v.ptr();
        if (o == Py_None) {
            out_ += "null";
        } else if (PyBool_Check(o)) {
            out_ += o == Py_True ? "true" : "false";
        } else if (PyLong_Check(o)) {
            integer(o);
        } else if (PyFloat_Check(o)) {
            const double d = PyFloat_AS_DOUBLE(o);
            if (!std::isfinite(d)) refuse(path, py::repr(v).cast<std::string>() + " has no JSON form");
            char* text = PyOS_double_to_string(d, 'r', 0, Py_DTSF_ADD_DOT_0, nullptr);
            if (!text) throw py::error_already_set();
            out_ += text;
            PyMem_Free(text);
        } else if (PyUnicode_Check(o)) {
            string(o);
        } else if (PyDict_Check(o)) {
            object(v, path, depth);
        } else if (PyIndex_Check(o) && !PySequence_Check(o)) {
            const py::object exact = py::reinterpret_steal<py::object>(PyNumber_Index(o));
            if (!exact) refuseFrom(path, typeName(o) + " could not be read as an integer");
            integer(exact.ptr());
        } else if (PySequence_Check(o) && !PyBytes_Check(o) && !PyByteArray_Check(o)) {
            array(v, path, depth);
        } else {
            refuse(path, typeName(o) + " has no JSON form");
        }
    }

private:
    static std::string typeName(PyObject* o) { return Py_TYPE(o)->tp_name; }
    // A str for a message; what is not UTF-8 (a lone surrogate) as an escape.
    static std::string utf8(PyObject* s) {
        const py::object bytes =
            py::reinterpret_steal<py::object>(PyUnicode_AsEncodedString(s, "utf-8", "backslashreplace"));
        if (!bytes) {
            PyErr_Clear();
            return "?";
        }
        return std::string(PyBytes_AS_STRING(bytes.ptr()), static_cast<std::size_t>(PyBytes_GET_SIZE(bytes.ptr())));
    }

    [[noreturn]] void refuse(const std::string& path, const std::string& problem) const {
        throw py::value_error(message(path, problem));
    }
    // Raised from the Python error that is being handled, which stays its cause.
    [[noreturn]] void refuseFrom(const std::string& path, const std::string& problem) const {
        std::string text = message(path, problem);
        PyObject *type = nullptr, *value = nullptr, *trace = nullptr;
        PyErr_Fetch(&type, &value, &trace);
        PyErr_NormalizeException(&type, &value, &trace);
        if (PyObject* said = value ? PyObject_Str(value) : nullptr) {
            text += ": " + utf8(said);
            Py_DECREF(said);
        }
        PyErr_Clear();
        PyErr_Restore(type, value, trace);
        py::raise_from(PyExc_ValueError, text.c_str());
        throw py::error_already_set();
    }
    std::string message(const std::string& path, const std::string& problem) const {
        return what_ + ": " + (path.empty() ? std::string() : path + ": ") + problem;
    }
    [[noreturn]] void tooDeep(const std::string& path) const { refuse(path, "nested too deeply for a profile"); }

    void integer(PyObject* o) {
        int overflow = 0;
        const long long v = PyLong_AsLongLongAndOverflow(o, &overflow);
        if (v == -1 && PyErr_Occurred()) throw py::error_already_set();
        // Beyond 64 bits only its sign matters to the reader: out of range.
        if (overflow) out_ += overflow < 0 ? "-99999999999999999999" : "99999999999999999999";
        else out_ += std::to_string(v);
    }

    void string(PyObject* o) {
        constexpr char kHex[] = "0123456789abcdef";
        auto unit = [&](unsigned u) {
            out_ += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) out_ += kHex[(u >> shift) & 15];
        };
        if (PyUnicode_READY(o) < 0) throw py::error_already_set();
        const Py_ssize_t n = PyUnicode_GET_LENGTH(o);
        const int kind = PyUnicode_KIND(o);
        const void* data = PyUnicode_DATA(o);
        out_ += '"';
        for (Py_ssize_t i = 0; i < n && out_.size() <= kMaxProfileText; ++i) {
            const Py_UCS4 c = PyUnicode_READ(kind, data, i);
            switch (c) {
                case '"': out_ += "\\\""; break;
                case '\\': out_ += "\\\\"; break;
                case '\b': out_ += "\\b"; break;
                case '\f': out_ += "\\f"; break;
                case '\n': out_ += "\\n"; break;
                case '\r': out_ += "\\r"; break;
                case '\t': out_ += "\\t"; break;
                default:
                    if (c >= 0x20 && c < 0x7F) out_ += static_cast<char>(c);
                    else if (c < 0x10000) unit(c);
                    else {
                        unit(0xD800 + ((c - 0x10000) >> 10));
                        unit(0xDC00 + ((c - 0x10000) & 0x3FF));
                    }
            }
        }
        out_ += '"';
    }

    void object(py::handle v, const std::string& path, int depth) {
        if (depth >= kMaxDepth) tooDeep(path);
        // A copy of the items: an __index__ called on the way may change the dict.
        const py::list items = py::reinterpret_steal<py::list>(PyDict_Items(v.ptr()));
        if (!items) throw py::error_already_set();
        out_ += '{';
        bool first = true;
        for (py::handle item : items) {
            const py::handle key = PyTuple_GET_ITEM(item.ptr(), 0);
            if (!PyUnicode_Check(key.ptr())) refuse(path, "keys must be str, not " + typeName(key.ptr()));
            if (!first) out_ += ", ";
            first = false;
            string(key.ptr());
            out_ += ": ";
            const std::string name = visible(shortened(utf8(key.ptr())));
            value(PyTuple_GET_ITEM(item.ptr(), 1), path.empty() ? name : path + "." + name, depth + 1);
        }
        out_ += '}';
    }

    void array(py::handle v, const std::string& path, int depth) {
        if (depth >= kMaxDepth) tooDeep(path);
        const py::object items = py::reinterpret_steal<py::object>(PySequence_Fast(v.ptr(), "not a sequence"));
        if (!items) refuseFrom(path, typeName(v.ptr()) + " could not be read as a sequence");
        out_ += '[';
        for (Py_ssize_t i = 0; i < PySequence_Fast_GET_SIZE(items.ptr()); ++i) {
            if (i) out_ += ", ";
            const py::object item = py::reinterpret_borrow<py::object>(PySequence_Fast_GET_ITEM(items.ptr(), i));
            value(item, path + "[" + std::to_string(i) + "]", depth + 1);
        }
        out_ += ']';
    }

    // A profile is three levels deep; far more is a mistake or a cycle.
    static constexpr int kMaxDepth = 32;
    std::string& out_;
    const std::string& what_;
};

// Prices one profile (a dict, or its JSON text) as a line of --batch does;
// errors name `what`.
py::object priceOne(py::handle profile, bool directDebit, bool fixedLine, const std::string& what) {
    std::string text;
    if (py::isinstance<py::str>(profile)) text = profile.cast<std::string>();
    else JsonText(text, what).value(profile, "", 0);
    ProfileDocument input;
    ProfileError error;
    if (!readProfile(text, input, error)) {
        std::string message = std::move(error.message);
        if (text.find('\n') == std::string::npos) {
            // As for a batch line: in one line of text, "line 1, " says nothing.
            const std::string_view from = "at line 1, column ";
            if (const auto at = message.find(from); at != std::string::npos) message.replace(at, from.size(), "at column ");
        } else if (!isSyntaxFault(error.fault)) {
            message = "line " + std::to_string(error.line) + ": " + message;
        }
        throw py::value_error(what + ": " + message);
    }
    const bool fixed = fixedLine || input.fixedLine;
    const RunResult result = runPricing(input.profile, {directDebit || input.directDebit, fixed});
    std::string out;
    cli::appendJson(out, result, fixed);
    static const py::handle loads = py::module_::import("json").attr("loads").cast<py::object>().release();
    return loads(py::str(out));
}

py::list priceMany(py::iterable profiles, bool directDebit, bool fixedLine) {
    py::list results;
    std::size_t i = 0;
    for (py::handle p : profiles) results.append(priceOne(p, directDebit, fixedLine, "profile " + std::to_string(i++)));
    return results;
}

// Why a table could not be priced, found without the GIL and raised after.
struct Problem {
    py::ssize_t row = -1;
    int column = 0;  // an input column, or -1 - k for country k
    std::string_view what;
    explicit operator bool() const { return row >= 0; }
};

constexpr std::string_view kNegative = "negative: expected 0 or more";
constexpr std::string_view kTooLarge = "outside the 32-bit range";
constexpr std::string_view kCountry = "expected a country index from 0 to 35";

template <typename T>
bool readCount(T v, std::int32_t& out, std::string_view& problem) {
    if constexpr (std::is_signed_v<T>) {
        if (v < 0) {
            problem = kNegative;
            return false;
        }
    }
    if constexpr (sizeof(T) >= sizeof(std::int32_t)) {
        if (static_cast<std::uint64_t>(v) > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
            problem = kTooLarge;
            return false;
        }
    }
    out = static_cast<std::int32_t>(v);
    return true;
}

// The countries of the four international rows: one set for every profile,
// or a row of four per profile.
struct Countries {
    std::array<std::int32_t, kIntlRows> fixed{0, 1, 2, 3};
    const std::int64_t* perRow = nullptr;  // C order, (n, 4)
    py::array_t<std::int64_t> keep;
};

Countries readCountries(const py::object& countries, py::ssize_t rows) {
    Countries c;
    if (countries.is_none()) return c;
    const py::array a = py::module_::import("numpy").attr("asarray")(countries);
    const char kind = a.dtype().kind();
    const bool fourPerRow = a.ndim() == 2 && a.shape(0) == rows && a.shape(1) == kIntlRows;
    if ((kind != 'i' && kind != 'u') || !((a.ndim() == 1 && a.shape(0) == kIntlRows) || fourPerRow))
        throw py::value_error("countries: expected 4 country indexes, or an integer array of shape (" +
                              std::to_string(rows) + ", 4)");
    c.keep = py::array_t<std::int64_t, py::array::c_style | py::array::forcecast>::ensure(a);
    if (!c.keep) throw py::error_already_set();
    const std::int64_t* v = c.keep.data();
    const py::ssize_t count = c.keep.size();
    for (py::ssize_t i = 0; i < count; ++i)
        if (v[i] < 0 || v[i] >= kCountries)  // a huge unsigned index wraps to negative
            throw py::value_error((fourPerRow ? "row " + std::to_string(i / kIntlRows) + ", " : std::string()) +
                                  "countries[" + std::to_string(i % kIntlRows) + "]: " + std::string(kCountry));
    if (fourPerRow) c.perRow = v;
    else
        for (int k = 0; k < kIntlRows; ++k) c.fixed[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(v[k]);
    return c;
}

// The pricing loop; no allocation per profile once `result` has grown.
template <typename T>
Problem priceRows(const py::array& table, const Countries& countries, const RunOptions& options, bool internetCalls,
                  std::int32_t* prices, std::int32_t* cheapest) {
    const auto in = table.unchecked<T, 2>();
    Profile p;
    p.internetCalls = internetCalls;
    RunResult result;
    Problem problem;
    std::array<std::int32_t, kColumns> v{};
    for (py::ssize_t i = 0; i < in.shape(0); ++i) {
        for (int c = 0; c < kColumns; ++c) {
            if (!readCount(in(i, c), v[static_cast<std::size_t>(c)], problem.what)) {
                problem.row = i;
                problem.column = c;
                return problem;
            }
        }
        for (int b = 0; b < kBands; ++b) {
            for (int r = 0; r < kRows; ++r) p.matrix[b][r] = v[static_cast<std::size_t>(b * kRows + r)];
            p.wap[b] = v[static_cast<std::size_t>(kWapColumn + b)];
        }
        p.gprsWap = v[kGprsWapColumn];
        p.gprsNet = v[kGprsNetColumn];
        for (int k = 0; k < kIntlRows; ++k) {
            IntlRow& row = p.intl[static_cast<std::size_t>(k)];
            row.country = countries.perRow ? static_cast<std::int32_t>(countries.perRow[i * kIntlRows + k])
                                           : countries.fixed[static_cast<std::size_t>(k)];
            row.peak = v[static_cast<std::size_t>(kIntlColumn + 3 * k)];
            row.afternoon = v[static_cast<std::size_t>(kIntlColumn + 3 * k + 1)];
            row.eveningWeekend = v[static_cast<std::size_t>(kIntlColumn + 3 * k + 2)];
        }
        runPricing(p, options, result);
        std::int32_t* out = prices + i * kTariffCount;
        std::int32_t first = -1;
        for (int t = 0; t < kTariffCount; ++t) {
            const TariffResult& f = result.fields[static_cast<std::size_t>(t)];
            out[t] = f.priced ? f.price : -1;
            if (f.cheapest && first < 0) first = t;
        }
        cheapest[i] = first;
    }
    return problem;
}

using PriceRows = Problem (*)(const py::array&, const Countries&, const RunOptions&, bool, std::int32_t*, std::int32_t*);

// The loop for the table's element type, or null.
template <typename T, typename... More>
PriceRows loopFor(const py::dtype& type) {
    if (type.equal(py::dtype::of<T>())) return &priceRows<T>;
    if constexpr (sizeof...(More) > 0) return loopFor<More...>(type);
    return nullptr;
}

py::tuple priceArray(const py::object& tableObject, const py::object& countriesObject, bool directDebit, bool fixedLine,
                     bool internetCalls) {
    // Array-likes too, as a pandas DataFrame of the 46 columns.
    const py::array table = py::module_::import("numpy").attr("asarray")(tableObject);
    const char kind = table.dtype().kind();
    if (table.ndim() != 2 || table.shape(1) != kColumns || (kind != 'i' && kind != 'u'))
        throw py::value_error("expected an integer array of shape (n, 46), got " +
                              py::str(table.dtype()).cast<std::string>() + " of shape " +
                              py::str(table.attr("shape")).cast<std::string>());
    const PriceRows loop = loopFor<std::int32_t, std::int64_t, std::int16_t, std::int8_t, std::uint64_t, std::uint32_t,
                                   std::uint16_t, std::uint8_t>(table.dtype());
    if (!loop)
        throw py::value_error("expected integers in native byte order, got " + py::str(table.dtype()).cast<std::string>());
    const py::ssize_t n = table.shape(0);
    const Countries countries = readCountries(countriesObject, n);
    py::array_t<std::int32_t> prices({n, static_cast<py::ssize_t>(kTariffCount)});
    py::array_t<std::int32_t> cheapest(n);
    std::int32_t* p = prices.mutable_data();
    std::int32_t* c = cheapest.mutable_data();
    Problem problem;
    {
        // Nothing in the loop touches a Python object.
        py::gil_scoped_release unlocked;
        problem = loop(table, countries, {directDebit, fixedLine}, internetCalls, p, c);
    }
    if (problem)
        throw py::value_error("row " + std::to_string(problem.row) + ", column " + std::to_string(problem.column) + " (" +
                              columns()[static_cast<std::size_t>(problem.column)] + "): " + std::string(problem.what));
    return py::make_tuple(prices, cheapest);
}

}  // namespace

}  // namespace sazbar::python

PYBIND11_MODULE(sazbar, m) {
    using namespace sazbar;
    using namespace sazbar::python;
    m.doc() = R"(The Sazbar 2000 pricing engine: the monthly price of a usage profile under every tariff.

price(profile) and price_many(profiles) take profiles as dicts in the JSON form
of sazbar-cli and give what one line of `sazbar-cli --batch` gives, as dicts.
price_array(table) prices an integer table of profiles, one row a profile, whose
46 columns are named by COLUMNS:
  0-27   the usage matrix band by band (peak, afternoon, evening, weekend), each
         band's seven cells: calls to the fixed line, T-Mobile, Eurotel, Oskar
         (minutes), the messages cell (peak: SMS to T-Mobile, afternoon: SMS to
         Eurotel, evening: SMS to Oskar, weekend: MMS), voice-mailbox minutes,
         data minutes; row[:28].reshape(4, 7) is the JSON "matrix"
  28-31  WAP minutes per band ("wap")
  32, 33 "gprs_wap_kb", "gprs_internet_kb"
  34-45  the four international rows' minutes: peak, afternoon, evening_weekend
The countries of the international rows are the `countries` argument.)";

    py::tuple tariffs(kTariffCount);
    for (std::size_t i = 0; i < kTariffs.size(); ++i) tariffs[i] = py::str(std::string(kTariffs[i].id));
    m.attr("TARIFFS") = tariffs;
    py::tuple names(kColumns);
    for (std::size_t i = 0; i < columns().size(); ++i) names[i] = py::str(columns()[i]);
    m.attr("COLUMNS") = names;
    py::tuple countries(kCountries);
    for (std::size_t i = 0; i < kCountryNames.size(); ++i) countries[i] = py::str(std::string(kCountryNames[i]));
    m.attr("COUNTRIES") = countries;
    m.attr("NOT_PRICED") = -1;
    m.attr("__version__") = SAZBAR_VERSION;

    m.def(
        "price",
        [](py::handle profile, bool directDebit, bool fixedLine) {
            return priceOne(profile, directDebit, fixedLine, "profile");
        },
        py::arg("profile"), py::arg("direct_debit") = false, py::arg("fixed_line") = false,
        R"(Prices one profile: a dict in the JSON form of sazbar-cli (or its JSON text).

Returns the dict of one `sazbar-cli --batch` result line: total_call_minutes,
results (every tariff's id, operator, name, price, text, hint, unsupported,
cheapest) and chart. direct_debit and fixed_line apply on top of the profile's
own keys, as the command line's --direct-debit and --fixed-line do.
Lists, tuples and other sequences (a NumPy array) are JSON arrays; integers
of any type with __index__ (NumPy's) are JSON numbers. Raises ValueError naming
the field for a profile sazbar-cli refuses, a value without a JSON form or one
whose conversion fails (that error chained as the cause), and for more than
1 MiB of JSON, as sazbar-cli does.)");
    m.def("price_many", &priceMany, py::arg("profiles"), py::arg("direct_debit") = false, py::arg("fixed_line") = false,
          R"(Prices every profile of an iterable as price() does; a list of dicts.
A bad profile raises ValueError naming its position, "profile 3: ...".)");
    m.def("price_array", &priceArray, py::arg("table"), py::arg("countries") = py::none(),
          py::arg("direct_debit") = false, py::arg("fixed_line") = false, py::arg("internet_calls") = false,
          R"(Prices a table of profiles: an integer array of shape (n, 46), columns as in COLUMNS.

countries: the country indexes (0-35, see COUNTRIES) of the four international
rows, the same four for every profile (default 0, 1, 2, 3) or an integer array
of shape (n, 4). The switches apply to every profile; the fixed line is priced
either way (fixed_line shows it on the chart, which the table does not give).
Returns (prices, cheapest): prices an int32 array (n, 49) in the order of
TARIFFS, NOT_PRICED (-1) where the price is not given ("xx", as the fixed line
without fixed_line); cheapest an int32 array (n,) with the index of the first
cheapest tariff. The GIL is released while pricing.
Raises ValueError for a wrong shape or type, a negative count or one outside
the 32-bit range, naming the row and column.)");
}
