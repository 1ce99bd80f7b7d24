// Measures the program's heavy work against the plainest way to do the same in the same run, and
// ends with one line per goal: `ratio NAME VALUE`.
//
//   ratio scan-sparse/memmem   scan of 256 MiB without markers, against memmem over its bytes
//   ratio scan-dense/memmem    the same for 256 MiB dense with addresses        (goal <= 1.5)
//   ratio scan-worst/memmem    the largest of the same over 64 MiB of each hostile input
//                                                                               (goal <= 2)
//   ratio rows/read            the row pass over 256 MiB of made-up rows, against reading the
//                              same file through the same reads                  (goal <= 2)
//   ratio peak-rss-mib         extra memory while reading a 2 GiB sparse file    (goal <= 32)
//   ratio peak-rss-mib-markers the same for 1000 markers sharing a 16 MiB text  (goal <= 32)
//   ratio peak-rss-mib-entry   the same for one entry of 512 MiB                 (goal <= 32)
//   ratio peak-rss-mib-rows    the same for a 2 GiB sparse cache of 4 billion rows, and for a
//                              string of 4 GiB                                   (goal <= 32)
//   ratio pause-cpu/wall       processor time spent in Pause(1.0) per second     (goal < 0.05)
//   ratio export/durable-write export of 32,767 addresses against one plain write flushed to the
//                              device                                            (goal <= 3)

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "export/contact_csv.h"
#include "files/append_file.h"
#include "files/byte_file.h"
#include "forms/event_pauser.h"
#include "platform/clock.h"
#include "qt/event_wait.h"
#include "scan/address_scanner.h"
#include "scan/cache_addresses.h"
#include "scan/cache_rows.h"
#include "support/cache_file.h"

namespace {

namespace fs = std::filesystem;
constexpr std::size_t kScanBytes = 256u << 20;

const fs::path &workFolder() {
    static const fs::path folder = [] {
        fs::path path = fs::temp_directory_path() / ("ravelo-bench-" + std::to_string(getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

// Random text: letters, digits and punctuation, with or without addresses among them.
std::string makeCache(bool dense) {
    std::mt19937_64 random(42);
    std::string bytes(kScanBytes, '\0');
    const char alphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,:;-_@";
    for (char &c : bytes) {
        c = alphabet[random() % (sizeof alphabet - 1)];
    }
    if (dense) {
        for (std::size_t at = 1; at + 64 < bytes.size(); at += 48 + random() % 32) {
            const std::string entry =
                "SMTP:person" + std::to_string(at % 100000) + "@example.org" + '\0' + '\3';
            std::memcpy(bytes.data() + at, entry.data(), entry.size());
        }
    }
    return bytes;
}

const std::string &cacheBytes(bool dense) {
    static std::map<bool, std::string> made;
    auto found = made.find(dense);
    if (found == made.end()) {
        found = made.emplace(dense, makeCache(dense)).first;
        std::ofstream(workFolder() / (dense ? "dense.NK2" : "sparse.NK2"), std::ios::binary)
            << found->second;
    }
    return found->second;
}

// Every address of the source, with no limit on their number.
std::size_t scanAll(ravelo::ByteSource &source) {
    ravelo::AddressScanner scanner(source);
    std::size_t found = 0;
    while (auto address = scanner.next()) {
        ++found;
    }
    return found;
}

// The plainest search for the same markers.
std::size_t memmemAll(const std::string &bytes) {
    std::size_t found = 0;
    const char *at = bytes.data();
    const char *end = bytes.data() + bytes.size();
    while (const void *hit = memmem(at, static_cast<std::size_t>(end - at), "SMTP:", 5)) {
        ++found;
        at = static_cast<const char *>(hit) + 5;
    }
    return found;
}

void scanFile(benchmark::State &state, bool dense) {
    cacheBytes(dense);
    const std::string path = (workFolder() / (dense ? "dense.NK2" : "sparse.NK2")).string();
    for (auto _ : state) {
        auto file = ravelo::ByteFile::open(path);
        benchmark::DoNotOptimize(scanAll(*file));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kScanBytes));
}

void memmemBytes(benchmark::State &state, bool dense) {
    const std::string &bytes = cacheBytes(dense);
    for (auto _ : state) {
        benchmark::DoNotOptimize(memmemAll(bytes));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kScanBytes));
}

void BM_ScanSparse(benchmark::State &state) {
    scanFile(state, false);
}
void BM_MemmemSparse(benchmark::State &state) {
    memmemBytes(state, false);
}
void BM_ScanDense(benchmark::State &state) {
    scanFile(state, true);
}
void BM_MemmemDense(benchmark::State &state) {
    memmemBytes(state, true);
}

// Rows as the caches of both generations hold them, each with an address of its own: the
// three kinds of row, with the nickname, entry id, display names, weights and times around them.
// An Exchange row's e-mail address and entry id hold its X.500 path, of about 100 letters.
ravelo::testing::Row madeUpRow(std::uint32_t n) {
    using namespace ravelo::testing;
    const std::string number = std::to_string(n);
    const std::u16string wide(number.begin(), number.end());
    Row row = n % 3 == 0   ? smtpRow("person" + number + "@example.org")
              : n % 3 == 1 ? exchangeRow(u"colleague" + wide + u"@example.org")
                           : keylessRow(u"friend" + wide + u"@example.org");
    std::size_t entryId = 124;
    if (n % 3 == 1) {
        const std::u16string x500 =
            u"/o=ExchangeLabs/ou=Exchange Administrative Group "
            u"(FYDIBOHF23SPDLT)/cn=Recipients/cn=" +
            wide + u"-colleague";
        row[2] = text16(kEmailAddress, x500);
        entryId = 28 + x500.size();
    }
    row.insert(row.begin(), text16(0x6001, u"person" + wide));
    row.push_back({0x0102, 0x0FFF, counted(std::string(entryId, static_cast<char>(n)))});
    row.push_back(int32(0x0FFE, 6));
    row.push_back(text16(0x6003, u"Person " + wide + u" <person" + wide + u"@example.org>"));
    row.push_back(int32(0x6004, n));
    row.push_back({0x0040, 0x5FE5, {}, 0x01DA000000000000ull + n});
    row.push_back({0x000B, 0x6002, {}, 0});
    return row;
}

const std::string &rowCachePath() {
    static const std::string path = [] {
        using namespace ravelo::testing;
        const std::string file = (workFolder() / "rows.NK2").string();
        std::string rows;
        std::uint32_t count = 0;
        while (rows.size() < kScanBytes) {
            rows += rowBytes(madeUpRow(count++));
        }
        std::ofstream(file, std::ios::binary)
            << cacheHeader({}, count) << rows << std::string(12, '\0');
        return file;
    }();
    return path;
}

void BM_RowPass(benchmark::State &state) {
    const std::string &path = rowCachePath();
    for (auto _ : state) {
        auto file = ravelo::ByteFile::open(path);
        ravelo::CacheRowReader rows(*file);
        std::size_t found = 0;
        while (auto row = rows.next()) {
            ++found;
        }
        benchmark::DoNotOptimize(found);
    }
}

// The same file read through the reads the row pass makes, and nothing done with its bytes.
void BM_ReadRows(benchmark::State &state) {
    const std::string &path = rowCachePath();
    std::vector<char> buffer(1 << 16);
    for (auto _ : state) {
        auto file = ravelo::ByteFile::open(path);
        std::uint64_t offset = 0;
        while (const std::size_t n = file->readAt(offset, buffer.data(), buffer.size())) {
            benchmark::DoNotOptimize(buffer.data());
            offset += n;
        }
    }
}

// Inputs made to slow a marker search down, each 64 MiB.
enum class Hostile { AllS, SmtpWithoutColon, MarkersOnly, Random, DenseAddresses, FarTerminator };

std::string makeHostile(Hostile kind) {
    constexpr std::size_t size = 64u << 20;
    std::string bytes;
    bytes.reserve(size + 16);
    auto repeat = [&](std::string_view piece) {
        while (bytes.size() + piece.size() <= size) {
            bytes += piece;
        }
    };
    switch (kind) {
        case Hostile::AllS:
            bytes.assign(size, 'S');
            break;
        case Hostile::SmtpWithoutColon:
            repeat("SMTP");
            break;
        case Hostile::MarkersOnly:
            bytes.push_back('x');
            repeat("SMTP:");
            break;
        case Hostile::Random:
            bytes = cacheBytes(false).substr(0, size);
            break;
        case Hostile::DenseAddresses:
            bytes = cacheBytes(true).substr(0, size);
            break;
        case Hostile::FarTerminator:
            bytes.push_back('x');
            for (int i = 0; i < 1000; ++i) {
                bytes += "SMTP:a";
            }
            bytes.resize(size - 1, 'a');
            bytes += '\3';
            break;
    }
    return bytes;
}

const std::string &hostileBytes(Hostile kind) {
    static std::map<Hostile, std::string> made;
    auto found = made.find(kind);
    if (found == made.end()) {
        found = made.emplace(kind, makeHostile(kind)).first;
    }
    return found->second;
}

class MemorySource final : public ravelo::ByteSource {
public:
    explicit MemorySource(const std::string &bytes) : bytes_(bytes) {}
    std::size_t readAt(std::uint64_t offset, char *out, std::size_t count) override {
        if (offset >= bytes_.size()) {
            return 0;
        }
        const std::size_t n = std::min<std::size_t>(count, bytes_.size() - offset);
        std::memcpy(out, bytes_.data() + offset, n);
        return n;
    }

private:
    const std::string &bytes_;
};

void BM_ScanHostile(benchmark::State &state, Hostile kind) {
    const std::string &bytes = hostileBytes(kind);
    for (auto _ : state) {
        MemorySource source(bytes);
        benchmark::DoNotOptimize(scanAll(source));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_MemmemHostile(benchmark::State &state, Hostile kind) {
    const std::string &bytes = hostileBytes(kind);
    for (auto _ : state) {
        benchmark::DoNotOptimize(memmemAll(bytes));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

const std::pair<const char *, Hostile> kHostile[] = {
    {"all-S", Hostile::AllS},
    {"SMTP-without-colon", Hostile::SmtpWithoutColon},
    {"markers-only", Hostile::MarkersOnly},
    {"random", Hostile::Random},
    {"dense", Hostile::DenseAddresses},
    {"far-terminator", Hostile::FarTerminator},
};

ravelo::AddressList exportList() {
    ravelo::AddressList list;
    for (int i = 0; i < ravelo::AddressList::kMaxCount; ++i) {
        list.Append("correspondent" + std::to_string(i) + "@example.org");
    }
    return list;
}

void BM_Export(benchmark::State &state) {
    const ravelo::AddressList list = exportList();
    const std::string path = (workFolder() / "export.csv").string();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(path);
        state.ResumeTiming();
        benchmark::DoNotOptimize(ravelo::appendWhole(path, ravelo::contactFileText(list)));
    }
}

void BM_PlainWrite(benchmark::State &state) {
    const std::string bytes = ravelo::contactFileText(exportList());
    const std::string path = (workFolder() / "plain.csv").string();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(path);
        state.ResumeTiming();
        std::FILE *file = std::fopen(path.c_str(), "ab");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fflush(file);
        fsync(fileno(file));  // an export is on the device before it says so
        std::fclose(file);
    }
}

BENCHMARK(BM_ScanSparse)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_MemmemSparse)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ScanDense)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_MemmemDense)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RowPass)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ReadRows)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Keeps each benchmark's time per iteration for the ratios.
class RecordingReporter final : public benchmark::ConsoleReporter {
public:
    RecordingReporter()
        : ConsoleReporter(OO_Tabular) {}  // no colours: the ratios are read by scripts
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs) {
            seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

long maxRssKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Run in a child of its own, so that nothing measured before counts: the extra peak memory, in
// MiB, of reading the file at `path` as Browse does, which is removed afterwards.
double peakScanMemoryMib(const fs::path &path) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return -1;
    }
    const pid_t child = fork();
    if (child == 0) {
        const long idle = maxRssKib();
        auto file = ravelo::ByteFile::open(path);
        ravelo::CacheAddresses addresses(*file);
        std::vector<std::string> kept;  // as the list keeps them
        while (auto address = addresses.next()) {
            kept.push_back(std::move(*address));
        }
        const double extra = static_cast<double>(maxRssKib() - idle) / 1024.0;
        if (write(pipeEnds[1], &extra, sizeof extra) != sizeof extra) {
            _exit(1);
        }
        _exit(0);
    }
    double extra = -1;
    if (read(pipeEnds[0], &extra, sizeof extra) != sizeof extra) {
        extra = -1;
    }
    waitpid(child, nullptr, 0);
    fs::remove(path);
    return extra;
}

double peakMemoryOfSparseFile() {
    const fs::path path = workFolder() / "sparse-2g.NK2";
    std::ofstream(path, std::ios::binary) << "xSMTP:first@example.org" << '\0' << '\3';
    fs::resize_file(path, 2ull << 30);
    return peakScanMemoryMib(path);
}

// 1000 markers whose texts run on together through 16 MiB to one terminator.
double peakMemoryOfSharedText() {
    const fs::path path = workFolder() / "markers.NK2";
    {
        std::ofstream file(path, std::ios::binary);
        file << 'x';
        for (int i = 0; i < 1000; ++i) {
            file << "SMTP:a";
        }
        file << std::string(16u << 20, 'a') << '\3';
    }
    return peakScanMemoryMib(path);
}

double peakMemoryOfOneLongEntry() {
    const fs::path path = workFolder() / "long-entry.NK2";
    {
        std::ofstream file(path, std::ios::binary);
        file << "xSMTP:";
        const std::string block(1u << 20, 'a');
        for (int i = 0; i < 512; ++i) {
            file << block;
        }
        file << '\3';
    }
    return peakScanMemoryMib(path);
}

// The larger of two caches that claim more than they hold: 4 billion rows in a 2 GiB sparse
// file, and one string of 4 GiB.
double peakMemoryOfHugeCounts() {
    using namespace ravelo::testing;
    const fs::path rows = workFolder() / "rows-4g.NK2";
    std::ofstream(rows, std::ios::binary) << cacheHeader({}, 0xFFFFFFFF);
    fs::resize_file(rows, 2ull << 30);
    const fs::path string = workFolder() / "string-4g.NK2";
    std::ofstream(string, std::ios::binary)
        << cacheHeader({}, 1) + rowBytes({{0x001F, 0x39FE, le32(0xFFFFFFFF) + "a"}});
    return std::max(peakScanMemoryMib(rows), peakScanMemoryMib(string));
}

double pauseCpuPerWall() {
    ravelo::MonotonicClock clock;
    ravelo::EventPauser pauser(clock, ravelo::handleQtEvents);
    timespec cpuStart{}, cpuEnd{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuStart);
    const double wallStart = clock.seconds();
    pauser.Pause(1.0f);
    const double wall = clock.seconds() - wallStart;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuEnd);
    const double cpu = static_cast<double>(cpuEnd.tv_sec - cpuStart.tv_sec) +
                       static_cast<double>(cpuEnd.tv_nsec - cpuStart.tv_nsec) / 1e9;
    return cpu / wall;
}

}  // namespace

int main(int argc, char **argv) {
    // Before this process grows.
    const double peakMib = peakMemoryOfSparseFile();
    const double peakMarkersMib = peakMemoryOfSharedText();
    const double peakEntryMib = peakMemoryOfOneLongEntry();
    const double peakRowsMib = peakMemoryOfHugeCounts();
    for (const auto &[name, kind] : kHostile) {
        benchmark::RegisterBenchmark((std::string("BM_ScanHostile/") + name).c_str(),
                                     BM_ScanHostile, kind)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.5);
        benchmark::RegisterBenchmark((std::string("BM_MemmemHostile/") + name).c_str(),
                                     BM_MemmemHostile, kind)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(0.5);
    }
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    auto ratio = [&](const char *name, const char *numerator, const char *denominator) {
        const auto a = reporter.seconds.find(numerator);
        const auto b = reporter.seconds.find(denominator);
        if (a != reporter.seconds.end() && b != reporter.seconds.end() && b->second > 0) {
            std::printf("ratio %s %.2f\n", name, a->second / b->second);
        }
    };
    ratio("scan-sparse/memmem", "BM_ScanSparse/min_time:2.000", "BM_MemmemSparse/min_time:2.000");
    ratio("scan-dense/memmem", "BM_ScanDense/min_time:2.000", "BM_MemmemDense/min_time:2.000");
    double worst = 0;
    for (const auto &[name, kind] : kHostile) {
        const std::string suffix = std::string(name) + "/min_time:0.500";
        const double scan = reporter.seconds["BM_ScanHostile/" + suffix];
        const double plain = reporter.seconds["BM_MemmemHostile/" + suffix];
        if (plain > 0) {
            worst = std::max(worst, scan / plain);
        }
    }
    std::printf("ratio scan-worst/memmem %.2f\n", worst);
    std::printf("ratio peak-rss-mib %.1f\n", peakMib);
    std::printf("ratio peak-rss-mib-markers %.1f\n", peakMarkersMib);
    std::printf("ratio peak-rss-mib-entry %.1f\n", peakEntryMib);
    std::printf("ratio peak-rss-mib-rows %.1f\n", peakRowsMib);
    std::printf("ratio pause-cpu/wall %.3f\n", pauseCpuPerWall());
    ratio("rows/read", "BM_RowPass/min_time:2.000", "BM_ReadRows/min_time:2.000");
    ratio("export/durable-write", "BM_Export/min_time:2.000", "BM_PlainWrite/min_time:2.000");
    std::error_code ignored;
    fs::remove_all(workFolder(), ignored);
    return 0;
}
