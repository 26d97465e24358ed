// Import of a generated log of a million events, read as a stream that is
// never held whole: the itemised bill in CSV and the Android call backup.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <istream>
#include <streambuf>
#include <string>
#include <vector>

#include "import/readers.h"

namespace {

constexpr std::int64_t kEvents = 1'000'000;

// A log of `events` lines, served as it is read: a block of 3000 different
// lines (calls and messages of all kinds over the 30 days of April 2026,
// spread over networks, countries and bands) again and again.
class GeneratedLog : public std::streambuf {
public:
    static constexpr int kBlock = 3000;

    GeneratedLog(bool xml, std::int64_t events) : m_xml(xml), m_left(events) {
        static const char* const kNumbers[] = {"603 000 001", "+420 601000002", "777000003", "222 000 004",
                                               "4603",        "+421 2 0000 005", "+49 30 000 006", "+81 3 0000 007"};
        static const char* const kTypes[] = {"call", "call", "call", "sms", "call", "mms", "call", "data"};
        for (int n = 0; n < kBlock; ++n) {
            const int day = n / 100 + 1, hour = n * 7 % 24, minute = n % 60;
            const char* number = kNumbers[n % 8];
            const int seconds = n * 37 % 900;
            char line[200];
            if (m_xml) {
                // 2026-04-01 00:00 in Prague is 1775001600 s after the epoch (UTC+2).
                const long long ms = (1775001600LL + (day - 1) * 86400LL + hour * 3600LL + minute * 60LL) * 1000;
                std::snprintf(line, sizeof line,
                              "  <call number=\"%s\" duration=\"%d\" date=\"%lld\" type=\"%d\" presentation=\"1\" />\n",
                              number, seconds, ms, n % 5 == 0 ? 1 : 2);
            } else {
                std::snprintf(line, sizeof line, "%d. 4. 2026;%02d:%02d:%02d;%s;%s;%d;%s;%s\n", day, hour, minute,
                              n % 60, n % 5 == 0 ? "in" : "out", number, seconds, kTypes[n % 8],
                              n % 8 == 7 ? "1500" : "");
            }
            m_block += line;
            m_ends.push_back(m_block.size());
        }
        m_buf = xml ? "<?xml version='1.0' encoding='UTF-8' standalone='yes' ?>\n<calls>\n"
                   : "date;time;direction;number;duration;type;volume_kb\n";
        setg(m_buf.data(), m_buf.data(), m_buf.data() + m_buf.size());
    }

protected:
    int_type underflow() override {
        if (m_left >= kBlock) {
            m_left -= kBlock;
            setg(m_block.data(), m_block.data(), m_block.data() + m_block.size());
        } else if (m_left > 0) {
            const std::size_t end = m_ends[static_cast<std::size_t>(m_left - 1)];
            m_left = 0;
            setg(m_block.data(), m_block.data(), m_block.data() + end);
        } else if (!m_closed) {
            m_closed = true;
            m_buf = m_xml ? "</calls>\n" : "";
            if (m_buf.empty()) return traits_type::eof();
            setg(m_buf.data(), m_buf.data(), m_buf.data() + m_buf.size());
        } else {
            return traits_type::eof();
        }
        return traits_type::to_int_type(*gptr());
    }

private:
    bool m_xml;
    std::int64_t m_left;
    bool m_closed = false;
    std::string m_block, m_buf;
    std::vector<std::size_t> m_ends;
};

void importLog(benchmark::State& state, bool xml) {
    std::int64_t total = 0;
    for (auto _ : state) {
        GeneratedLog gen(xml, kEvents);
        std::istream in(&gen);
        sazbar::import::Importer importer;
        const auto outcome = sazbar::import::readLog(in, importer);
        const auto result = importer.result();
        if (!outcome.ok || result.summary.events != kEvents) state.SkipWithError("import failed");
        benchmark::DoNotOptimize(result.profile);
        total += result.summary.events;
    }
    state.SetItemsProcessed(total);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// What --by-month and the import preview do with a log over many months: an
// importer that keeps each month, then every month's profile in turn. One
// call a month from January 1900 on, straight into the importer.
void BM_ImportByMonth(benchmark::State& state) {
    const auto months = static_cast<int>(state.range(0));
    for (auto _ : state) {
        sazbar::import::Importer importer;
        for (int i = 0; i < months; ++i) {
            sazbar::import::Event e;
            e.start = {1900 + i / 12, i % 12 + 1, 15, 10, 0, 0};
            e.number = "222000001";
            e.seconds = 61;
            importer.add(e);
        }
        std::int64_t counted = 0;
        for (const auto& m : importer.months())
            counted += importer.result({.perSecond = false, .month = m}).summary.counted;
        if (counted != months) state.SkipWithError("months lost");
    }
    state.SetItemsProcessed(state.iterations() * months);
}

void BM_ImportBillCsv1M(benchmark::State& state) { importLog(state, false); }
void BM_ImportAndroidXml1M(benchmark::State& state) { importLog(state, true); }

}  // namespace

BENCHMARK(BM_ImportBillCsv1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAndroidXml1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportByMonth)->Arg(1332)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);
