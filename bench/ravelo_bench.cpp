// Measures the program's heavy work against the plainest way to do the same in the same run, and
// ends with one line per goal: `ratio NAME VALUE`.
//
//   ratio scan-sparse/memmem   scan of 256 MiB without markers, against memmem over its bytes
//   ratio scan-dense/memmem    the same for 256 MiB dense with addresses        (goal <= 1.5)
//   ratio peak-rss-mib         extra memory while scanning a 2 GiB sparse file   (goal <= 32)
//   ratio pause-cpu/wall       processor time spent in Pause(1.0) per second     (goal < 0.05)
//   ratio export/write         export of 32,767 addresses against one plain write (goal <= 3)

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "export/contact_csv.h"
#include "platform/append_file.h"
#include "platform/byte_file.h"
#include "platform/event_loop_pauser.h"
#include "scan/address_scanner.h"

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

void scanFile(benchmark::State &state, bool dense) {
    cacheBytes(dense);
    const std::string path = (workFolder() / (dense ? "dense.NK2" : "sparse.NK2")).string();
    for (auto _ : state) {
        auto file = ravelo::ByteFile::open(path);
        ravelo::AddressScanner scanner(*file);
        std::size_t found = 0;
        while (auto address = scanner.next()) {
            ++found;
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kScanBytes));
}

void memmemBytes(benchmark::State &state, bool dense) {
    const std::string &bytes = cacheBytes(dense);
    for (auto _ : state) {
        std::size_t found = 0;
        const char *at = bytes.data();
        const char *end = bytes.data() + bytes.size();
        while (const void *hit = memmem(at, static_cast<std::size_t>(end - at), "SMTP:", 5)) {
            ++found;
            at = static_cast<const char *>(hit) + 5;
        }
        benchmark::DoNotOptimize(found);
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
        std::fclose(file);
    }
}

BENCHMARK(BM_ScanSparse)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_MemmemSparse)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ScanDense)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_MemmemDense)->Unit(benchmark::kMillisecond)->MinTime(2.0);
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
// MiB, of scanning a sparse file of 2 GiB.
double peakScanMemoryMib() {
    const fs::path path = workFolder() / "sparse-2g.NK2";
    std::ofstream(path, std::ios::binary) << "xSMTP:first@example.org" << '\0' << '\3';
    fs::resize_file(path, 2ull << 30);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return -1;
    }
    const pid_t child = fork();
    if (child == 0) {
        const long idle = maxRssKib();
        auto file = ravelo::ByteFile::open(path.string());
        ravelo::AddressScanner scanner(*file);
        while (scanner.next()) {
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

double pauseCpuPerWall() {
    ravelo::MonotonicClock clock;
    ravelo::EventLoopPauser pauser(clock);
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
    const double peakMib = peakScanMemoryMib();  // before this process grows
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
    std::printf("ratio peak-rss-mib %.1f\n", peakMib);
    std::printf("ratio pause-cpu/wall %.3f\n", pauseCpuPerWall());
    ratio("export/write", "BM_Export/min_time:2.000", "BM_PlainWrite/min_time:2.000");
    std::error_code ignored;
    fs::remove_all(workFolder(), ignored);
    return 0;
}
