// The pricing engine as the Python module `sazbar`.
//
// price() and price_many() take profiles in the JSON form of sazbar-cli and go
// through the same reader and writer as one line of `sazbar-cli --batch`, so
// their dicts are that line's JSON, read back. price_array() prices a NumPy
// table of counts without texts or dicts, the GIL released. load_tariffs()
// reads tariff files once; a `tariffs=` argument prices them beside (or
// instead of) the compiled tariffs.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <memory>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "catalogue/data_pricing.h"
#include "catalogue/reader.h"
#include "cli/data_tariffs.h"
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
    JsonText(std::string& out, const std::string& what) : m_out(out), m_what(what) {}

    void value(py::handle v, const std::string& path, int depth) {
        if (m_out.size() > kMaxProfileText) return;
        PyObject* o = v.ptr();
        if (o == Py_None) {
            m_out += "null";
        } else if (PyBool_Check(o)) {
            m_out += o == Py_True ? "true" : "false";
        } else if (PyLong_Check(o)) {
            integer(o);
        } else if (PyFloat_Check(o)) {
            const double d = PyFloat_AS_DOUBLE(o);
            if (!std::isfinite(d)) refuse(path, py::repr(v).cast<std::string>() + " has no JSON form");
            char* text = PyOS_double_to_string(d, 'r', 0, Py_DTSF_ADD_DOT_0, nullptr);
            if (!text) throw py::error_already_set();
            m_out += text;
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
        return m_what + ": " + (path.empty() ? std::string() : path + ": ") + problem;
    }
    [[noreturn]] void tooDeep(const std::string& path) const { refuse(path, "nested too deeply for a profile"); }

    void integer(PyObject* o) {
        int overflow = 0;
        const long long v = PyLong_AsLongLongAndOverflow(o, &overflow);
        if (v == -1 && PyErr_Occurred()) throw py::error_already_set();
        // Beyond 64 bits only its sign matters to the reader: out of range.
        if (overflow) m_out += overflow < 0 ? "-99999999999999999999" : "99999999999999999999";
        else m_out += std::to_string(v);
    }

    void string(PyObject* o) {
        constexpr char kHex[] = "0123456789abcdef";
        auto unit = [&](unsigned u) {
            m_out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) m_out += kHex[(u >> shift) & 15];
        };
        if (PyUnicode_READY(o) < 0) throw py::error_already_set();
        const Py_ssize_t n = PyUnicode_GET_LENGTH(o);
        const int kind = PyUnicode_KIND(o);
        const void* data = PyUnicode_DATA(o);
        m_out += '"';
        for (Py_ssize_t i = 0; i < n && m_out.size() <= kMaxProfileText; ++i) {
            const Py_UCS4 c = PyUnicode_READ(kind, data, i);
            switch (c) {
                case '"': m_out += "\\\""; break;
                case '\\': m_out += "\\\\"; break;
                case '\b': m_out += "\\b"; break;
                case '\f': m_out += "\\f"; break;
                case '\n': m_out += "\\n"; break;
                case '\r': m_out += "\\r"; break;
                case '\t': m_out += "\\t"; break;
                default:
                    if (c >= 0x20 && c < 0x7F) m_out += static_cast<char>(c);
                    else if (c < 0x10000) unit(c);
                    else {
                        unit(0xD800 + ((c - 0x10000) >> 10));
                        unit(0xDC00 + ((c - 0x10000) & 0x3FF));
                    }
            }
        }
        m_out += '"';
    }

    void object(py::handle v, const std::string& path, int depth) {
        if (depth >= kMaxDepth) tooDeep(path);
        // A copy of the items: an __index__ called on the way may change the dict.
        const py::list items = py::reinterpret_steal<py::list>(PyDict_Items(v.ptr()));
        if (!items) throw py::error_already_set();
        m_out += '{';
        bool first = true;
        for (py::handle item : items) {
            const py::handle key = PyTuple_GET_ITEM(item.ptr(), 0);
            if (!PyUnicode_Check(key.ptr())) refuse(path, "keys must be str, not " + typeName(key.ptr()));
            if (!first) m_out += ", ";
            first = false;
            string(key.ptr());
            m_out += ": ";
            const std::string name = visible(shortened(utf8(key.ptr())));
            value(PyTuple_GET_ITEM(item.ptr(), 1), path.empty() ? name : path + "." + name, depth + 1);
        }
        m_out += '}';
    }

    void array(py::handle v, const std::string& path, int depth) {
        if (depth >= kMaxDepth) tooDeep(path);
        const py::object items = py::reinterpret_steal<py::object>(PySequence_Fast(v.ptr(), "not a sequence"));
        if (!items) refuseFrom(path, typeName(v.ptr()) + " could not be read as a sequence");
        m_out += '[';
        for (Py_ssize_t i = 0; i < PySequence_Fast_GET_SIZE(items.ptr()); ++i) {
            if (i) m_out += ", ";
            const py::object item = py::reinterpret_borrow<py::object>(PySequence_Fast_GET_ITEM(items.ptr(), i));
            value(item, path + "[" + std::to_string(i) + "]", depth + 1);
        }
        m_out += ']';
    }

    // A profile is three levels deep; far more is a mistake or a cycle.
    static constexpr int kMaxDepth = 32;
    std::string& m_out;
    const std::string& m_what;
};

// The data tariffs of load_tariffs(): checked once, priced as often as asked.
struct Tariffs {
    cli::DataTariffs data;
    std::vector<std::string> warnings;
};

// Problems listed in an error message; the rest are counted.
constexpr std::size_t kListedProblems = 50;

// The files of a file or folder argument: a folder gives its *.json files in name order.
void addFiles(const std::string& path, std::vector<std::string>& files) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::is_directory(path, ec)) {
        files.push_back(path);
        return;
    }
    std::vector<std::string> found;
    for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == ".json" && it->is_regular_file(ec)) found.push_back(it->path().string());
    if (ec) throw py::value_error(visible(path + ": cannot read the folder: " + ec.message()));
    if (found.empty()) throw py::value_error(visible(path + ": no tariff files (*.json) in the folder"));
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
}

// A path (str or os.PathLike), or a list of them.
std::vector<std::string> tariffFiles(const py::object& path) {
    static const py::handle fspath = py::module_::import("os").attr("fspath").cast<py::object>().release();
    std::vector<std::string> files;
    if (py::isinstance<py::list>(path) || py::isinstance<py::tuple>(path)) {
        for (py::handle p : path) addFiles(fspath(p).cast<std::string>(), files);
        if (files.empty()) throw py::value_error("no tariff file given");
    } else {
        addFiles(fspath(path).cast<std::string>(), files);
    }
    return files;
}

// The day of `on`: None for today, a datetime.date, or "YYYY-MM-DD".
catalogue::Day dayOf(const py::object& on) {
    if (on.is_none()) return cli::today();
    const py::object text = py::isinstance<py::str>(on) ? on : on.attr("isoformat")();
    const std::string s = text.cast<std::string>();
    catalogue::Day day = 0;
    if (!catalogue::parseDate(s, day))
        throw py::value_error("on: expected a date as YYYY-MM-DD, got " + visible(shortened(s)));
    return day;
}

std::unique_ptr<Tariffs> loadTariffs(const py::object& path, bool builtin, const py::object& on) {
    const catalogue::Day day = dayOf(on);
    const std::vector<std::string> files = tariffFiles(path);
    catalogue::ReadOptions options;
    options.builtinPriced = builtin;
    catalogue::Catalogue c;
    {
        py::gil_scoped_release unlocked;
        c = catalogue::loadTariffFiles(files, options);
    }
    if (c.hasErrors()) {
        const std::size_t errors = c.errorCount();
        std::string message = std::to_string(errors) + (errors == 1 ? " error" : " errors") + " in the tariff files:";
        std::size_t listed = 0;
        for (const catalogue::Problem& p : c.problems) {
            if (p.severity != catalogue::Severity::Error) continue;
            if (listed++ == kListedProblems) {
                message += "\n... and " + std::to_string(errors - kListedProblems) + " more";
                break;
            }
            message += "\n" + visible(p.text());
        }
        throw py::value_error(message);
    }
    auto out = std::make_unique<Tariffs>();
    for (const catalogue::Problem& p : c.problems) out->warnings.push_back(visible(p.text()));
    cli::DataTariffs& d = out->data;
    d.builtin = builtin;
    d.on = day;
    d.onText = catalogue::formatDate(day);
    for (catalogue::DataTariff& t : c.tariffs) {
        if (t.validOn(day)) d.tariffs.push_back(std::move(t));
        else ++d.notValid;
    }
    return out;
}

// The tariffs argument: None, or what load_tariffs() gave.
const cli::DataTariffs* dataOf(const py::object& tariffs) {
    if (tariffs.is_none()) return nullptr;
    if (!py::isinstance<Tariffs>(tariffs))
        throw py::type_error("tariffs: expected what sazbar.load_tariffs() returns, got " +
                             std::string(Py_TYPE(tariffs.ptr())->tp_name));
    return &tariffs.cast<const Tariffs&>().data;
}

// id, operator and name of every column of price_array's prices.
py::tuple columnsOf(const cli::DataTariffs* data) {
    const bool builtin = !data || data->builtin;
    const std::size_t compiled = builtin ? kTariffs.size() : 0;
    py::tuple out(compiled + (data ? data->tariffs.size() : 0));
    auto column = [](std::string_view id, std::string_view op, std::string_view name) {
        py::dict d;
        d["id"] = py::str(std::string(id));
        d["operator"] = py::str(std::string(op));
        d["name"] = py::str(std::string(name));
        return d;
    };
    for (std::size_t i = 0; i < compiled; ++i) out[i] = column(kTariffs[i].id, operatorName(kTariffs[i].op), kTariffs[i].name);
    if (data)
        for (std::size_t i = 0; i < data->tariffs.size(); ++i) {
            const catalogue::DataTariff& t = data->tariffs[i];
            out[compiled + i] = column(t.id, t.operatorName, t.name);
        }
    return out;
}

// Prices one profile (a dict, or its JSON text) as a line of --batch does;
// errors name `what`.
py::object priceOne(py::handle profile, bool directDebit, bool fixedLine, const cli::DataTariffs* data,
                    const std::string& what) {
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
    const RunOptions options{directDebit || input.directDebit, fixed};
    RunResult result = runPricing(input.profile, options);
    std::string out;
    if (data) {
        cli::DataPart part;
        cli::priceDataTariffs(*data, input.profile, options, result, part);
        cli::appendJson(out, result, fixed, &part);
    } else {
        cli::appendJson(out, result, fixed);
    }
    static const py::handle loads = py::module_::import("json").attr("loads").cast<py::object>().release();
    return loads(py::str(out));
}

py::list priceMany(py::iterable profiles, bool directDebit, bool fixedLine, const py::object& tariffs) {
    const cli::DataTariffs* data = dataOf(tariffs);
    py::list results;
    std::size_t i = 0;
    for (py::handle p : profiles)
        results.append(priceOne(p, directDebit, fixedLine, data, "profile " + std::to_string(i++)));
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
// Without the compiled tariffs only the data tariffs' columns are written;
// the row of prices is `width` wide.
template <typename T>
Problem priceRows(const py::array& table, const Countries& countries, const RunOptions& options, bool internetCalls,
                  const cli::DataTariffs* data, std::int32_t* prices, std::int32_t* cheapest) {
    const auto in = table.unchecked<T, 2>();
    Profile p;
    p.internetCalls = internetCalls;
    RunResult result;
    const bool builtin = !data || data->builtin;
    const std::size_t compiled = builtin ? static_cast<std::size_t>(kTariffCount) : 0;
    std::vector<catalogue::DataResult> dataResults(data ? data->tariffs.size() : 0);
    const std::size_t width = compiled + dataResults.size();
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
        if (builtin) runPricing(p, options, result);
        if (data) {
            const Usage u = aggregate(p);
            for (std::size_t t = 0; t < dataResults.size(); ++t)
                catalogue::priceDataTariff(data->tariffs[t], u, options, dataResults[t]);
            catalogue::markCheapestTogether(result, dataResults);
        }
        std::int32_t* out = prices + static_cast<std::size_t>(i) * width;
        std::int32_t first = -1;
        for (std::size_t t = 0; t < compiled; ++t) {
            const TariffResult& f = result.fields[t];
            out[t] = f.priced ? f.price : -1;
            if (f.cheapest && first < 0) first = static_cast<std::int32_t>(t);
        }
        for (std::size_t t = 0; t < dataResults.size(); ++t) {
            const catalogue::DataResult& d = dataResults[t];
            out[compiled + t] = d.priced ? d.price : -1;
            if (d.cheapest && first < 0) first = static_cast<std::int32_t>(compiled + t);
        }
        cheapest[i] = first;
    }
    return problem;
}

using PriceRows = Problem (*)(const py::array&, const Countries&, const RunOptions&, bool, const cli::DataTariffs*,
                              std::int32_t*, std::int32_t*);

// The loop for the table's element type, or null.
template <typename T, typename... More>
PriceRows loopFor(const py::dtype& type) {
    if (type.equal(py::dtype::of<T>())) return &priceRows<T>;
    if constexpr (sizeof...(More) > 0) return loopFor<More...>(type);
    return nullptr;
}

py::tuple priceArray(const py::object& tableObject, const py::object& countriesObject, bool directDebit, bool fixedLine,
                     bool internetCalls, const py::object& tariffs) {
    const cli::DataTariffs* data = dataOf(tariffs);
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
    const py::ssize_t width = (!data || data->builtin ? kTariffCount : 0) +
                              static_cast<py::ssize_t>(data ? data->tariffs.size() : 0);
    py::array_t<std::int32_t> prices({n, width});
    py::array_t<std::int32_t> cheapest(n);
    std::int32_t* p = prices.mutable_data();
    std::int32_t* c = cheapest.mutable_data();
    Problem problem;
    {
        // Nothing in the loop touches a Python object.
        py::gil_scoped_release unlocked;
        problem = loop(table, countries, {directDebit, fixedLine}, internetCalls, data, p, c);
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
The countries of the international rows are the `countries` argument.

load_tariffs(path) reads tariff files (docs/tariff-format.md) once; the
`tariffs=` argument of price, price_many and price_array then prices their
tariffs after the compiled ones, or alone (load_tariffs(..., builtin=False)).
The columns of price_array's prices are TARIFFS, or tariffs.ids with data
tariffs; tariffs.columns gives each column's id, operator and name.)";

    py::class_<Tariffs>(m, "Tariffs", R"(Tariffs read from files by load_tariffs(), checked, for the tariffs= argument.)")
        .def_property_readonly(
            "ids",
            [](const Tariffs& t) {
                py::list ids;
                for (py::handle c : columnsOf(&t.data)) ids.append(c["id"]);
                return py::tuple(ids);
            },
            "The ids of price_array's price columns: the compiled tariffs' (TARIFFS) unless builtin is False, "
            "then the data tariffs' in file order.")
        .def_property_readonly(
            "columns", [](const Tariffs& t) { return columnsOf(&t.data); },
            "A dict of id, operator and name for every price column, in the order of ids.")
        .def_property_readonly(
            "data_ids",
            [](const Tariffs& t) {
                py::tuple ids(t.data.tariffs.size());
                for (std::size_t i = 0; i < t.data.tariffs.size(); ++i) ids[i] = py::str(t.data.tariffs[i].id);
                return ids;
            },
            "The ids of the data tariffs priced, in file order (folders: their files in name order).")
        .def_property_readonly("builtin", [](const Tariffs& t) { return t.data.builtin; },
                               "Whether the compiled tariffs are priced too.")
        .def_property_readonly("on", [](const Tariffs& t) { return t.data.onText; },
                               "The day whose revisions are priced, as YYYY-MM-DD.")
        .def_property_readonly("not_valid", [](const Tariffs& t) { return t.data.notValid; },
                               "How many tariffs the files hold that are not valid on that day (left out).")
        .def_property_readonly(
            "warnings",
            [](const Tariffs& t) {
                py::tuple out(t.warnings.size());
                for (std::size_t i = 0; i < t.warnings.size(); ++i) out[i] = py::str(t.warnings[i]);
                return out;
            },
            "The files' warnings (a tariff without a source, ...), one text each: FILE: PATH: message.")
        .def("__len__", [](const Tariffs& t) { return t.data.tariffs.size(); })
        .def("__repr__", [](const Tariffs& t) {
            return "<sazbar.Tariffs: " + std::to_string(t.data.tariffs.size()) + " data tariffs valid on " +
                   t.data.onText + (t.data.builtin ? ", with" : ", without") + " the compiled tariffs>";
        });

    m.def("load_tariffs", &loadTariffs, py::arg("path"), py::kw_only(), py::arg("builtin") = true,
          py::arg("on") = py::none(),
          R"(Reads and checks tariff files once: path is a file, a folder (its *.json files in name order)
or a list of them, as str or os.PathLike.

builtin: whether the compiled tariffs are priced too (a data tariff may then not
take a compiled tariff's id). on: a datetime.date or "YYYY-MM-DD" (default
today); only the revisions valid that day are priced.
Returns a Tariffs for the tariffs= argument of price, price_many and price_array.
Raises ValueError listing every error, each as "FILE: JSON.PATH: what is wrong"
(a parse error as "FILE:LINE:COLUMN: ..."); nothing of a failed load is priced.
Warnings do not stop the load: they are the result's .warnings.)");

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
        [](py::handle profile, bool directDebit, bool fixedLine, const py::object& tariffs) {
            return priceOne(profile, directDebit, fixedLine, dataOf(tariffs), "profile");
        },
        py::arg("profile"), py::arg("direct_debit") = false, py::arg("fixed_line") = false, py::kw_only(),
        py::arg("tariffs") = py::none(),
        R"(Prices one profile: a dict in the JSON form of sazbar-cli (or its JSON text).

Returns the dict of one `sazbar-cli --batch` result line: total_call_minutes,
results (every tariff's id, operator, name, price, text, hint, unsupported,
cheapest) and chart. direct_debit and fixed_line apply on top of the profile's
own keys, as the command line's --direct-debit and --fixed-line do.
Lists, tuples and other sequences (a NumPy array) are JSON arrays; integers
of any type with __index__ (NumPy's) are JSON numbers. Raises ValueError naming
the field for a profile sazbar-cli refuses, a value without a JSON form or one
whose conversion fails (that error chained as the cause), and for more than
1 MiB of JSON, as sazbar-cli does.
tariffs: from load_tariffs(); their results follow the compiled ones (or stand
alone without them), the cheapest mark covers both, and the dict gains
"tariffs_on" and "tariffs_not_valid", as `sazbar-cli --tariffs` gives.)");
    m.def("price_many", &priceMany, py::arg("profiles"), py::arg("direct_debit") = false, py::arg("fixed_line") = false,
          py::kw_only(), py::arg("tariffs") = py::none(),
          R"(Prices every profile of an iterable as price() does; a list of dicts.
A bad profile raises ValueError naming its position, "profile 3: ...".)");
    m.def("price_array", &priceArray, py::arg("table"), py::arg("countries") = py::none(),
          py::arg("direct_debit") = false, py::arg("fixed_line") = false, py::arg("internet_calls") = false,
          py::kw_only(), py::arg("tariffs") = py::none(),
          R"(Prices a table of profiles: an integer array of shape (n, 46), columns as in COLUMNS.

countries: the country indexes (0-35, see COUNTRIES) of the four international
rows, the same four for every profile (default 0, 1, 2, 3) or an integer array
of shape (n, 4). The switches apply to every profile; the fixed line is priced
either way (fixed_line shows it on the chart, which the table does not give).
Returns (prices, cheapest): prices an int32 array (n, 49) in the order of
TARIFFS, NOT_PRICED (-1) where the price is not given ("xx", as the fixed line
without fixed_line); cheapest an int32 array (n,) with the index of the first
cheapest tariff (-1 where none is). The GIL is released while pricing.
tariffs: from load_tariffs(); the data tariffs' columns follow the compiled
ones (or stand alone without them), in the order of tariffs.ids, and the
cheapest index covers both (an unsupported tariff is never the cheapest).
Raises ValueError for a wrong shape or type, a negative count or one outside
the 32-bit range, naming the row and column.)");
}
