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
        : in_(in), buf_(std::make_unique_for_overwrite<char[]>(kBufferSize)) {}

    // False at the end. `tooLong` is set for a line past kMaxBatchLine, whose
    // text is dropped. A CR before the LF belongs to the line end.
    bool next(std::string_view& line, bool& tooLong) {
        tooLong = false;
        for (;;) {
            const char* nl = static_cast<const char*>(std::memchr(buf_.get() + begin_, '\n', end_ - begin_));
            if (nl) {
                const auto at = static_cast<std::size_t>(nl - buf_.get());
                line = std::string_view(buf_.get() + begin_, at - begin_);
                begin_ = at + 1;
                return finish(line, tooLong);
            }
            if (eof_) {
                if (begin_ == end_ && !discarding_) return false;
                line = std::string_view(buf_.get() + begin_, end_ - begin_);
                begin_ = end_;
                return finish(line, tooLong);
            }
            // A line at the limit may still be followed by its CR.
            if (end_ - begin_ > kMaxBatchLine + 1) {
                discarding_ = true;
                begin_ = end_ = 0;
            } else if (begin_ > 0) {
                std::memmove(buf_.get(), buf_.get() + begin_, end_ - begin_);
                end_ -= begin_;
                begin_ = 0;
            }
            const auto got = in_.rdbuf() ? in_.rdbuf()->sgetn(buf_.get() + end_,
                                                              static_cast<std::streamsize>(kBufferSize - end_))
                                         : 0;
            if (got <= 0) eof_ = true;
            else end_ += static_cast<std::size_t>(got);
        }
    }

private:
    static constexpr std::size_t kBufferSize = kMaxBatchLine + 65536;

    bool finish(std::string_view& line, bool& tooLong) {
        if (!discarding_ && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (discarding_ || line.size() > kMaxBatchLine) {
            discarding_ = false;
            tooLong = true;
            line = {};
        }
        return true;
    }

    std::istream& in_;
    std::unique_ptr<char[]> buf_;
    std::size_t begin_ = 0, end_ = 0;
    bool eof_ = false;
    bool discarding_ = false;
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
        : name_(name), flags_(flags), options_(options) {}

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
            } else if (!reader_.read(line, input_, error_)) {
                problem = withoutLineOne(std::move(error_.message));
            }
            if (problem.empty()) {
                input_.profile.internetCalls |= flags_.internetCalls;
                const bool fixedLine = flags_.fixedLine || input_.fixedLine;
                const RunOptions run{flags_.directDebit || input_.directDebit, fixedLine};
                runPricing(input_.profile, run, result_);
                const DataPart* data = nullptr;
                if (options_.data) {
                    priceDataTariffs(*options_.data, input_.profile, run, result_, data_);
                    data = &data_;
                }
                if (options_.format == Format::Csv) {
                    appendCsvRow(c.out, number, result_, options_.columns, data);
                } else {
                    if (options_.columns.empty()) appendJson(c.out, result_, fixedLine, data);
                    else appendJsonColumns(c.out, number, result_, options_.columns, data);
                    c.out += '\n';
                }
            } else {
                ++c.errorCount;
                const std::string message =
                    visible(std::string(name_) + ": line " + std::to_string(number) + ": " + problem);
                c.errors += "sazbar-cli: " + message + '\n';
                if (options_.format == Format::Csv) {
                    appendCsvErrorRow(c.out, number, message, options_.columns);
                } else {
                    if (options_.columns.empty()) appendJsonError(c.out, message);
                    else appendJsonColumnsError(c.out, number, message, options_.columns);
                    c.out += '\n';
                }
            }
        }
    }

private:
    std::string_view name_;
    const RunFlags& flags_;
    const BatchOptions& options_;
    ProfileReader reader_;
    ProfileDocument input_;
    ProfileError error_;
    RunResult result_;
    DataPart data_;
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
