#include "cli/batch.h"

#include <sched.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "cli/messages.h"
#include "core/profile_json.h"
#include "pricing/engine.h"

namespace sazbar::cli {

namespace {

// Gives lines of a stream one at a time, in bounded memory.
class LineReader {
public:
    explicit LineReader(std::istream& in)
        : m_in(in), m_buf(std::make_unique_for_overwrite<char[]>(kBufferSize)) {}

    // False at the end. `tooLong` is set for a line past kMaxBatchLine, whose
    // text is dropped. A CR before the LF belongs to the line end.
    bool next(std::string_view& line, bool& tooLong) {
        tooLong = false;
        for (;;) {
            const char* nl = static_cast<const char*>(std::memchr(m_buf.get() + m_begin, '\n', m_end - m_begin));
            if (nl) {
                const auto at = static_cast<std::size_t>(nl - m_buf.get());
                line = std::string_view(m_buf.get() + m_begin, at - m_begin);
                m_begin = at + 1;
                return finish(line, tooLong);
            }
            if (m_eof) {
                if (m_begin == m_end && !m_discarding) return false;
                line = std::string_view(m_buf.get() + m_begin, m_end - m_begin);
                m_begin = m_end;
                return finish(line, tooLong);
            }
            // A line at the limit may still be followed by its CR.
            if (m_end - m_begin > kMaxBatchLine + 1) {
                m_discarding = true;
                m_begin = m_end = 0;
            } else if (m_begin > 0) {
                std::memmove(m_buf.get(), m_buf.get() + m_begin, m_end - m_begin);
                m_end -= m_begin;
                m_begin = 0;
            }
            const auto got = m_in.rdbuf() ? m_in.rdbuf()->sgetn(m_buf.get() + m_end,
                                                              static_cast<std::streamsize>(kBufferSize - m_end))
                                         : 0;
            if (got <= 0) m_eof = true;
            else m_end += static_cast<std::size_t>(got);
        }
    }

private:
    static constexpr std::size_t kBufferSize = kMaxBatchLine + 65536;

    bool finish(std::string_view& line, bool& tooLong) {
        if (!m_discarding && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (m_discarding || line.size() > kMaxBatchLine) {
            m_discarding = false;
            tooLong = true;
            line = {};
        }
        return true;
    }

    std::istream& m_in;
    std::unique_ptr<char[]> m_buf;
    std::size_t m_begin = 0, m_end = 0;
    bool m_eof = false;
    bool m_discarding = false;
};

bool blank(std::string_view s) { return s.find_first_not_of(" \t\r\n") == std::string_view::npos; }

// A batch line is one line of text: the parser's "line 1, " says nothing.
std::string withoutLineOne(std::string message) {
    const std::string_view from = "at line 1, column ";
    const auto at = message.find(from);
    if (at != std::string::npos) message.replace(at, from.size(), "at column ");
    return message;
}

// A run of lines, priced as one piece of work.
struct Chunk {
    static constexpr std::size_t kMaxLines = 256;
    static constexpr std::size_t kMaxText = std::size_t{1} << 20;

    struct Line {
        std::uint32_t end;  // offset in `text` after the line
        bool tooLong;
    };
    std::size_t firstLine = 0;  // 1-based number of the first line
    std::string text;
    std::vector<Line> lines;
    std::string out, errors;
    std::size_t errorCount = 0;

    void clear(std::size_t first) {
        firstLine = first;
        text.clear();
        lines.clear();
        out.clear();
        errors.clear();
        errorCount = 0;
    }
    bool full() const { return lines.size() >= kMaxLines || text.size() >= kMaxText; }
};

// Fills `chunk` with the next lines; false when there were none.
bool fill(LineReader& reader, Chunk& chunk, std::size_t firstLine) {
    chunk.clear(firstLine);
    std::string_view line;
    bool tooLong = false;
    while (!chunk.full() && reader.next(line, tooLong)) {
        chunk.text.append(line);
        chunk.lines.push_back({static_cast<std::uint32_t>(chunk.text.size()), tooLong});
    }
    return !chunk.lines.empty();
}

// What pricing one chunk needs; one per thread.
class Pricer {
public:
    Pricer(std::string_view name, const RunFlags& flags, const BatchOptions& options)
        : m_name(name), m_flags(flags), m_options(options) {}

    void price(Chunk& c) {
        std::uint32_t begin = 0;
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            const std::string_view line(c.text.data() + begin, c.lines[i].end - begin);
            begin = c.lines[i].end;
            const std::size_t number = c.firstLine + i;
            std::string problem;
            if (c.lines[i].tooLong) {
                problem = "longer than " + std::to_string(kMaxBatchLine) + " bytes";
            } else if (blank(line)) {
                problem = "empty line";
            } else if (!m_reader.read(line, m_input, m_error)) {
                problem = withoutLineOne(std::move(m_error.message));
            }
            if (problem.empty()) {
                m_input.profile.internetCalls |= m_flags.internetCalls;
                const bool fixedLine = m_flags.fixedLine || m_input.fixedLine;
                const RunOptions run{m_flags.directDebit || m_input.directDebit, fixedLine};
                runPricing(m_input.profile, run, m_result);
                const DataPart* data = nullptr;
                if (m_options.data) {
                    priceDataTariffs(*m_options.data, m_input.profile, run, m_result, m_data);
                    data = &m_data;
                }
                if (m_options.format == Format::Csv) {
                    appendCsvRow(c.out, number, m_result, m_options.columns, data);
                } else {
                    if (m_options.columns.empty()) appendJson(c.out, m_result, fixedLine, data);
                    else appendJsonColumns(c.out, number, m_result, m_options.columns, data);
                    c.out += '\n';
                }
            } else {
                ++c.errorCount;
                const std::string message =
                    visible(std::string(m_name) + ": line " + std::to_string(number) + ": " + problem);
                c.errors += "sazbar-cli: " + message + '\n';
                if (m_options.format == Format::Csv) {
                    appendCsvErrorRow(c.out, number, message, m_options.columns);
                } else {
                    if (m_options.columns.empty()) appendJsonError(c.out, message);
                    else appendJsonColumnsError(c.out, number, message, m_options.columns);
                    c.out += '\n';
                }
            }
        }
    }

private:
    std::string_view m_name;
    const RunFlags& m_flags;
    const BatchOptions& m_options;
    ProfileReader m_reader;
    ProfileDocument m_input;
    ProfileError m_error;
    RunResult m_result;
    DataPart m_data;
};

// Writes a chunk's results and messages; false once the output failed.
bool emit(const Chunk& c, std::ostream& out, std::ostream& err, BatchSummary& summary) {
    summary.lines += c.lines.size();
    summary.errors += c.errorCount;
    if (!c.errors.empty()) err.write(c.errors.data(), static_cast<std::streamsize>(c.errors.size()));
    errno = 0;
    out.write(c.out.data(), static_cast<std::streamsize>(c.out.size()));
    if (out) return true;
    summary.writeError = errno ? errno : -1;
    return false;
}

bool finishOutput(std::ostream& out, BatchSummary& summary) {
    if (summary.writeError) return false;
    errno = 0;
    out.flush();
    if (out) return true;
    summary.writeError = errno ? errno : -1;
    return false;
}

BatchSummary runInOneThread(LineReader& reader, std::ostream& out, std::ostream& err, Pricer& pricer) {
    BatchSummary summary;
    Chunk chunk;
    while (fill(reader, chunk, summary.lines + 1)) {
        pricer.price(chunk);
        if (!emit(chunk, out, err, summary)) return summary;
    }
    finishOutput(out, summary);
    return summary;
}

// The reader (this thread) fills chunks in a ring, `jobs` workers price them,
// a writer writes them in order and hands each slot back to the reader.
BatchSummary runInThreads(LineReader& reader, std::ostream& out, std::ostream& err, std::string_view name,
                          const RunFlags& flags, const BatchOptions& options) {
    const std::size_t slots = 2 * std::size_t{options.jobs} + 2;
    std::vector<Chunk> ring(slots);
    std::vector<std::uint8_t> priced(slots, 0);
    std::mutex m;
    std::condition_variable work, done, space;
    std::size_t filled = 0, taken = 0, written = 0;  // chunk counts
    bool inputEnded = false, stop = false;
    BatchSummary summary;

    std::vector<std::thread> workers;
    for (unsigned j = 0; j < options.jobs; ++j) {
        workers.emplace_back([&] {
            Pricer pricer(name, flags, options);
            std::unique_lock lock(m);
            for (;;) {
                work.wait(lock, [&] { return stop || taken < filled || inputEnded; });
                if (stop || taken == filled) return;
                Chunk& c = ring[taken % slots];
                const std::size_t mine = taken++;
                lock.unlock();
                pricer.price(c);
                lock.lock();
                priced[mine % slots] = 1;
                done.notify_all();
            }
        });
    }
    std::thread writer([&] {
        std::unique_lock lock(m);
        for (;;) {
            done.wait(lock, [&] { return priced[written % slots] || (inputEnded && written == filled); });
            if (!priced[written % slots]) return;
            const Chunk& c = ring[written % slots];
            lock.unlock();
            const bool ok = emit(c, out, err, summary);
            lock.lock();
            priced[written % slots] = 0;
            ++written;
            space.notify_one();
            if (!ok) {
                stop = true;
                work.notify_all();
                return;
            }
        }
    });

    std::size_t nextLine = 1;
    for (;;) {
        std::unique_lock lock(m);
        space.wait(lock, [&] { return stop || filled - written < slots; });
        if (stop) break;
        Chunk& c = ring[filled % slots];
        lock.unlock();
        // The slot is free: the writer is done with it and no worker has it.
        const bool more = fill(reader, c, nextLine);
        lock.lock();
        if (!more) break;
        nextLine += c.lines.size();
        ++filled;
        work.notify_one();
    }
    {
        std::lock_guard lock(m);
        inputEnded = true;
    }
    work.notify_all();
    done.notify_all();
    for (std::thread& t : workers) t.join();
    writer.join();
    finishOutput(out, summary);
    return summary;
}

}  // namespace

unsigned availableCores() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0) return static_cast<unsigned>(CPU_COUNT(&set));
    return std::max(1u, std::thread::hardware_concurrency());
}

BatchSummary runBatch(std::istream& in, std::ostream& out, std::ostream& err, std::string_view name,
                      const RunFlags& flags, const BatchOptions& options) {
    BatchOptions o = options;
    if (o.format == Format::Csv)
        o.columns = o.columns.empty() ? defaultBatchColumns(flags.fixedLine, o.data)
                                      : withPricesExpanded(o.columns, flags.fixedLine, o.data);
    LineReader reader(in);
    if (o.format == Format::Csv) {
        std::string header;
        appendCsvHeader(header, o.columns, o.data);
        out.write(header.data(), static_cast<std::streamsize>(header.size()));
    }
    if (o.jobs <= 1) {
        Pricer pricer(name, flags, o);
        return runInOneThread(reader, out, err, pricer);
    }
    return runInThreads(reader, out, err, name, flags, o);
}

}  // namespace sazbar::cli
