#include "cli/data_tariffs.h"

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "catalogue/reader.h"
#include "cli/messages.h"

namespace sazbar::cli {

void priceDataTariffs(const DataTariffs& tariffs, const Profile& profile, const RunOptions& options,
                      RunResult& compiled, DataPart& out) {
    if (!tariffs.builtin)
        for (TariffResult& f : compiled.fields) f = TariffResult{};
    out.tariffs = &tariffs;
    out.results.resize(tariffs.tariffs.size());
    for (std::size_t i = 0; i < tariffs.tariffs.size(); ++i)
        out.results[i] = catalogue::priceDataTariff(tariffs.tariffs[i], profile, options);
    catalogue::markCheapestTogether(compiled, out.results);
}

catalogue::Day today() {
    const auto days = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    return static_cast<catalogue::Day>(days.time_since_epoch().count());
}

bool loadDataTariffs(const std::vector<std::string>& paths, bool builtin, catalogue::Day on, DataTariffs& out,
                     std::ostream& err) {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    for (const std::string& p : paths) {
        std::error_code ec;
        if (!fs::is_directory(p, ec)) {
            files.push_back(p);
            continue;
        }
        std::vector<std::string> found;
        for (fs::directory_iterator it(p, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().extension() == ".json" && it->is_regular_file(ec)) found.push_back(it->path().string());
        if (ec) {
            err << "sazbar-cli: " << visible(p + ": cannot read the folder: " + ec.message()) << '\n';
            return false;
        }
        if (found.empty()) {
            err << "sazbar-cli: " << visible(p + ": no tariff files (*.json) in the folder") << '\n';
            return false;
        }
        std::sort(found.begin(), found.end());
        files.insert(files.end(), found.begin(), found.end());
    }
    catalogue::ReadOptions options;
    options.builtinPriced = builtin;
    catalogue::Catalogue c = catalogue::loadTariffFiles(files, options);
    // The first error is enough to mend the file; --check-tariffs lists them all.
    if (c.hasErrors()) {
        for (const catalogue::Problem& p : c.problems)
            if (p.severity == catalogue::Severity::Error) {
                err << "sazbar-cli: " << visible(p.text()) << '\n';
                break;
            }
        return false;
    }
    for (const catalogue::Problem& p : c.problems) err << "sazbar-cli: " << visible(p.text()) << '\n';
    out.builtin = builtin;
    out.on = on;
    out.onText = catalogue::formatDate(on);
    out.tariffs.clear();
    out.notValid = 0;
    for (catalogue::DataTariff& t : c.tariffs) {
        if (t.validOn(on)) out.tariffs.push_back(std::move(t));
        else ++out.notValid;
    }
    return true;
}

}  // namespace sazbar::cli
