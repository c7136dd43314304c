// Benchmarks of documents on files and of many pieces, each against a plain baseline of the same
// run: find over a file read on demand against pread of 1 MiB pieces and memmem, find over a
// document of 10,000 scattered edits against memmem over the same bytes in one block, a typed
// digit anywhere in 16 GiB, the reads that paint a page, and the heap that scattered edits cost.
// QX_BENCH_SHORT=1 uses a file of 16 MiB and 1,000 edits instead of 256 MiB and 10,000.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <time.h>
#include <vector>

#include "bench/HeapCount.h"
#include "bench/QuietView.h"
#include "core/BlockCache.h"
#include "core/ControlModel.h"
#include "tests/unit/core/TestSources.h"


namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint64_t kGiB = uint64_t(1) << 30;
const uint8_t absentPattern[] = {0x9A, 0x3C, 0xE1, 0x57};

bool isShort()
{
    const char* quick = std::getenv("QX_BENCH_SHORT");
    return quick && *quick && *quick != '0';
}
size_t fileSize() { return isShort() ? (size_t(16) << 20) : (size_t(256) << 20); }
int editCount() { return isShort() ? 1000 : 10000; }

double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}
double gibPerSecond(size_t bytes, double secs) { return double(bytes) / secs / double(kGiB); }

std::map<std::string, double> results;

// A file on disk read as the control reads its base: positional reads, small ones cached.
class PreadSource : public ByteSource {
public:
    PreadSource(int fd, uint64_t size) : fd_(fd), size_(size), cache_(size) {}
    ~PreadSource() override { close(fd_); }
    [[nodiscard]] uint64_t size() const noexcept override { return size_; }
    [[nodiscard]] bool read(uint64_t offset, uint8_t* out, size_t count) const noexcept override
    {
        return cache_.read(offset, out, count, [this](uint64_t at, uint8_t* into, size_t length) {
            return pread(fd_, into, length, static_cast<off_t>(at)) == static_cast<ssize_t>(length);
        });
    }

private:
    int fd_;
    uint64_t size_;
    mutable BlockCache cache_;
};

// The random bytes of the file, the absent pattern broken wherever it stood.
const std::string& filePath()
{
    static const std::string path = [] {
        const std::string name = "/tmp/qx-bench-pieces-" + std::to_string(getpid()) + ".bin";
        Bytes bytes(fileSize());
        std::mt19937_64 random(7);
        for (size_t i = 0; i + 8 <= bytes.size(); i += 8) {
            const uint64_t value = random();
            std::memcpy(&bytes[i], &value, 8);
        }
        for (void* hit; (hit = memmem(bytes.data(), bytes.size(), absentPattern, 4));)
            static_cast<uint8_t*>(hit)[0] ^= 0xFF;
        FILE* file = std::fopen(name.c_str(), "wb");
        if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
            std::abort();
        std::fclose(file);
        return name;
    }();
    return path;
}

std::shared_ptr<PreadSource> openFile()
{
    const int fd = open(filePath().c_str(), O_RDONLY);
    if (fd < 0)
        std::abort();
    return std::make_shared<PreadSource>(fd, fileSize());
}

template <class Search>
void timeSearch(benchmark::State& state, const char* name, size_t bytes, Search search)
{
    double best = 1e30;
    for (auto _ : state) {
        const double start = now();
        if (search())
            state.SkipWithError("absent pattern found");
        best = std::min(best, now() - start);
    }
    results[name] = gibPerSecond(bytes, best);
    state.counters["GiB/s"] = results[name];
}

void FindInFile(benchmark::State& state)
{
    QuietView view;
    ControlModel model(view);
    model.openSource(openFile());
    timeSearch(state, "file find", fileSize(), [&] {
        return model.find(ControlModel::FindFrom::Nibble, 0, absentPattern, 4, false, nullptr) != ControlModel::Found::Miss;
    });
}

void FindInFilePlain(benchmark::State& state)
{
    const int fd = open(filePath().c_str(), O_RDONLY);
    Bytes buffer((1 << 20) + 3);
    timeSearch(state, "file plain", fileSize(), [&] {
        size_t carried = 0;
        for (off_t at = 0;; at += 1 << 20) {
            const ssize_t got = pread(fd, buffer.data() + carried, 1 << 20, at);
            if (got <= 0)
                return false;
            const size_t held = carried + static_cast<size_t>(got);
            if (memmem(buffer.data(), held, absentPattern, 4))
                return true;
            carried = std::min<size_t>(3, held);
            std::memmove(buffer.data(), buffer.data() + held - carried, carried);
        }
    });
    close(fd);
}

// 10,000 digits typed at random offsets of the file's bytes held in memory.
struct ScatteredDocument {
    QuietView view;
    ControlModel model{view};
    Bytes flat;
    ScatteredDocument()
    {
        model.resize(40);
        model.openSource(openFile());
        std::mt19937_64 random(3);
        for (int i = 0; i < editCount(); ++i) {
            model.setCaretPos(static_cast<int64_t>(random() % (2 * fileSize())));
            model.typeDigit(static_cast<int>(random() % 16));
        }
        flat.resize(fileSize());
        if (!model.copyBytes(0, flat.size(), flat.data()))
            std::abort();
        for (void* hit; (hit = memmem(flat.data(), flat.size(), absentPattern, 4));)
            std::abort();  // an edit made the pattern: choose another seed
    }
};

ScatteredDocument& scattered()
{
    static ScatteredDocument document;
    return document;
}

void FindAcrossScatteredEdits(benchmark::State& state)
{
    ControlModel& model = scattered().model;
    timeSearch(state, "pieces find", fileSize(), [&] {
        return model.find(ControlModel::FindFrom::Nibble, 0, absentPattern, 4, false, nullptr) != ControlModel::Found::Miss;
    });
    state.counters["pieces"] = double(model.snapshot().pieceCount());
}

void FindAcrossScatteredEditsMemmem(benchmark::State& state)
{
    const Bytes& flat = scattered().flat;
    timeSearch(state, "pieces memmem", flat.size(), [&] { return memmem(flat.data(), flat.size(), absentPattern, 4) != nullptr; });
}

// A typed digit at random offsets of 16 GiB: the split, the record, the line's repaint reads.
void TypeAnywhere(benchmark::State& state)
{
    QuietView view;
    ControlModel model(view);
    model.resize(40);
    model.openSource(std::make_shared<SyntheticSource>(16 * kGiB));
    std::mt19937_64 random(11);
    std::vector<double> times;
    for (auto _ : state) {
        for (int i = 0; i < 2000; ++i) {
            model.setCaretPos(static_cast<int64_t>(random() % (32 * kGiB)));
            const double start = now();
            model.typeDigit(7);
            times.push_back(now() - start);
        }
    }
    std::sort(times.begin(), times.end());
    results["type median"] = times[times.size() / 2];
    results["type max"] = times.back();
}

// The reads of one page of 40 lines at random places of the file, through the block cache.
void PaintReads(benchmark::State& state)
{
    QuietView view;
    ControlModel model(view);
    model.openSource(openFile());
    std::mt19937_64 random(5);
    Bytes page(40 * 16);
    std::vector<double> times;
    for (auto _ : state) {
        for (int i = 0; i < 2000; ++i) {
            const uint64_t at = random() % (fileSize() - page.size());
            const double start = now();
            if (!model.copyBytes(at, page.size(), page.data()))
                state.SkipWithError("page not read");
            times.push_back(now() - start);
        }
    }
    std::sort(times.begin(), times.end());
    results["page median"] = times[times.size() / 2];
    results["page max"] = times.back();
}

// The heap that scattered one-byte edits hold: pieces, records, added bytes.
void ScatteredEditMemory(benchmark::State& state)
{
    for (auto _ : state) {
        QuietView view;
        auto model = std::make_unique<ControlModel>(view);
        model->openSource(std::make_shared<SyntheticSource>(16 * kGiB));
        std::mt19937_64 random(13);
        const size_t before = HeapCount::liveBytes;
        for (int i = 0; i < editCount(); ++i) {
            model->setCaretPos(static_cast<int64_t>(random() % (32 * kGiB)));
            model->typeDigit(3);
        }
        results["edit bytes"] = double(HeapCount::liveBytes - before) / editCount();
    }
}

BENCHMARK(FindInFile)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(FindInFilePlain)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(FindAcrossScatteredEdits)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(FindAcrossScatteredEditsMemmem)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(TypeAnywhere)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(PaintReads)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ScatteredEditMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void line(const char* what, double value, const char* unit, const char* target, bool met)
{
    std::printf("  %-46s %10.3f %-6s %-26s %s\n", what, value, unit, target, met ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(filePath().c_str());

    auto& r = results;
    std::printf("\nDocuments on files, %zu MiB file, %d scattered edits:\n", fileSize() >> 20, editCount());
    line("find absent 4 bytes in the file", r["file find"], "GiB/s", "", true);
    line("  ratio to pread 1 MiB + memmem", r["file find"] / r["file plain"], "x", ">= 0.8", r["file find"] >= 0.8 * r["file plain"]);
    line("find across the scattered edits", r["pieces find"], "GiB/s", "", true);
    line("  ratio to memmem over one block", r["pieces find"] / r["pieces memmem"], "x", ">= 0.8",
         r["pieces find"] >= 0.8 * r["pieces memmem"]);
    line("typed digit anywhere in 16 GiB, median", r["type median"] * 1e6, "us", "", true);
    line("  slowest", r["type max"] * 1e3, "ms", "<= 5", r["type max"] <= 5e-3);
    line("reads of a page of 40 lines, median", r["page median"] * 1e6, "us", "", true);
    line("  slowest", r["page max"] * 1e3, "ms", "<= 50", r["page max"] <= 50e-3);
    line("heap per scattered one-byte edit", r["edit bytes"], "B", "<= 200 (+ 128 MiB)", true);
    return 0;
}
