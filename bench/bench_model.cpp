// Benchmarks of the editing model, each set against a baseline measured in the same run: search
// against glibc memmem, inserting against one memmove of the data, a replace run against one
// memcpy of the data, and the heap cost of undo records. QX_BENCH_SHORT=1 uses 16 MiB of data
// instead of 256 MiB.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <time.h>
#include <vector>

#include "bench/HeapCount.h"
#include "bench/QuietView.h"
#include "core/ControlModel.h"


namespace {

using Bytes = std::vector<uint8_t>;

int notifications = 0;
void countNotification() { ++notifications; }

size_t dataSize()
{
    const char* quick = std::getenv("QX_BENCH_SHORT");
    return quick && *quick && *quick != '0' ? (size_t(16) << 20) : (size_t(256) << 20);
}

// Monotonic seconds (<chrono> does not compile with Shift-JIS narrow literals).
double now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}
double gibPerSecond(size_t bytes, double secs) { return double(bytes) / secs / double(1u << 30); }

Bytes randomBytes(size_t size, uint64_t seed)
{
    Bytes bytes(size);
    uint64_t x = seed;
    for (size_t i = 0; i + 8 <= size; i += 8) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        std::memcpy(&bytes[i], &x, 8);
    }
    return bytes;
}

// Results by name, for the summary after the run.
std::map<std::string, double> results;

const uint8_t absentPattern[] = {0x9A, 0x3C, 0xE1, 0x57};
const uint8_t adversarialPattern[] = {0x00, 0x00, 0x01};

const Bytes& randomData()
{
    static const Bytes data = [] {
        Bytes bytes = randomBytes(dataSize(), 0x9E3779B97F4A7C15ull);
        // Make the pattern absent: break every occurrence.
        for (void* hit; (hit = memmem(bytes.data(), bytes.size(), absentPattern, 4));)
            static_cast<uint8_t*>(hit)[0] ^= 0xFF;
        return bytes;
    }();
    return data;
}

struct LoadedModel {
    QuietView view;
    ControlModel model{view};
    explicit LoadedModel(const Bytes& bytes)
    {
        model.resize(40);
        model.setData(bytes.data(), static_cast<int>(bytes.size()));
    }
};

LoadedModel& randomModel()
{
    static LoadedModel loaded(randomData());
    return loaded;
}

const Bytes& zeroData()
{
    static const Bytes data(dataSize(), 0);
    return data;
}

LoadedModel& zeroModel()
{
    static LoadedModel loaded(zeroData());
    return loaded;
}

void reportSearch(benchmark::State& state, const char* name, size_t bytes)
{
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
    results[name] = 0;  // filled from the timings below
}

template <class Search>
void timeSearch(benchmark::State& state, const char* name, size_t bytes, Search search)
{
    double best = 1e30;
    for (auto _ : state) {
        const double start = now();
        benchmark::DoNotOptimize(search());
        best = std::min(best, now() - start);
    }
    reportSearch(state, name, bytes);
    results[name] = gibPerSecond(bytes, best);
    state.counters["GiB/s"] = results[name];
}

void SearchForwardModel(benchmark::State& state)
{
    ControlModel& model = randomModel().model;
    timeSearch(state, "forward", randomData().size(), [&] {
        if (model.findFirst(0, absentPattern, 4))
            state.SkipWithError("absent pattern found");
        return 0;
    });
}

void SearchForwardMemmem(benchmark::State& state)
{
    const Bytes& data = randomData();
    timeSearch(state, "forward memmem", data.size(), [&] { return memmem(data.data(), data.size(), absentPattern, 4); });
}

void SearchBackwardModel(benchmark::State& state)
{
    ControlModel& model = randomModel().model;
    timeSearch(state, "backward", randomData().size(), [&] {
        if (model.findPrev(model.positions().nibbleCount - 1, absentPattern, 4))
            state.SkipWithError("absent pattern found");
        return 0;
    });
}

void SearchAdversarialModel(benchmark::State& state)
{
    ControlModel& model = zeroModel().model;
    timeSearch(state, "adversarial", zeroData().size(), [&] {
        if (model.findFirst(0, adversarialPattern, 3))
            state.SkipWithError("absent pattern found");
        return 0;
    });
}

void SearchAdversarialMemmem(benchmark::State& state)
{
    const Bytes& data = zeroData();
    timeSearch(state, "adversarial memmem", data.size(),
               [&] { return memmem(data.data(), data.size(), adversarialPattern, 3); });
}

void InsertAtStart(benchmark::State& state)
{
    for (auto _ : state) {
        QuietView view;
        auto model = std::make_unique<ControlModel>(view);
        model->setNotifyChanged(countNotification);
        model->setData(randomData().data(), static_cast<int>(randomData().size()));
        std::vector<double> times;
        for (int i = 0; i < 1000; ++i) {
            const double start = now();
            model->insert();
            times.push_back(now() - start);
        }
        const double first = times.front();
        times.erase(times.begin());
        std::nth_element(times.begin(), times.begin() + long(times.size() / 2), times.end());
        results["insert median"] = times[times.size() / 2];
        results["insert first"] = first;
        state.SetIterationTime(first + times[times.size() / 2] * 999);
        if (model->dataSize() != int(randomData().size() + 1000) || model->historySize() != 1000)
            state.SkipWithError("inserts lost");
    }
    state.counters["median_us"] = results["insert median"] * 1e6;
}

void MemmoveData(benchmark::State& state)
{
    Bytes buffer = randomData();
    double best = 1e30;
    for (auto _ : state) {
        const double start = now();
        std::memmove(buffer.data() + 1, buffer.data(), buffer.size() - 1);
        benchmark::ClobberMemory();
        best = std::min(best, now() - start);
    }
    results["memmove"] = best;
    state.counters["ms"] = best * 1e3;
}

void MemcpyData(benchmark::State& state)
{
    const Bytes& source = randomData();
    Bytes target(source.size(), 1);
    double best = 1e30;
    for (auto _ : state) {
        const double start = now();
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::ClobberMemory();
        best = std::min(best, now() - start);
    }
    results["memcpy"] = best;
    state.counters["ms"] = best * 1e3;
}

void ReplaceRun(benchmark::State& state)
{
    const uint8_t pattern[] = {0xAB, 0xCD};
    const uint8_t replacement[] = {0x11, 0x22, 0x33};
    Bytes original = randomData();
    for (auto& byte : original)
        if (byte == 0xAB)
            byte = 0xAA;  // the pattern occurs only where it is put
    for (size_t at = 0; at + 2 <= original.size(); at += 4096)
        std::memcpy(&original[at], pattern, 2);
    const size_t expected = (original.size() + 4095) / 4096;

    for (auto _ : state) {
        QuietView view;
        auto model = std::make_unique<ControlModel>(view);
        model->resize(40);
        model->setData(original.data(), static_cast<int>(original.size()));
        size_t replaced = 0;
        const double start = now();
        while (model->findFirst(model->caretPos(), pattern, 2)) {
            const int begin = model->selectionStart();
            model->replaceSelection(replacement, 3);
            model->setCaretPos(begin + 6);
            ++replaced;
        }
        const double run = now() - start;
        const double undoStart = now();
        while (model->canUndo())
            model->undo();
        const double undoAll = now() - undoStart;
        Bytes after(original.size());
        const bool same = model->dataSize() == int(original.size())
                       && model->getData(after.data(), 0, model->dataSize()) && after == original;
        if (replaced != expected || !same)
            state.SkipWithError("replace run or its undo went wrong");
        results["replace run"] = run;
        results["replace undo"] = undoAll;
        results["replace count"] = double(replaced);
        state.SetIterationTime(run);
    }
    state.counters["ms"] = results["replace run"] * 1e3;
}

void UndoMemory(benchmark::State& state)
{
    constexpr int digits = 1000000;
    for (auto _ : state) {
        QuietView view;
        auto model = std::make_unique<ControlModel>(view);
        const Bytes zeros(digits / 2, 0);
        model->setData(zeros.data(), static_cast<int>(zeros.size()));
        const size_t before = HeapCount::liveBytes;
        const size_t allocationsBefore = HeapCount::allocations;
        const double start = now();
        for (int i = 0; i < digits; ++i)
            model->typeDigit(i & 15);
        state.SetIterationTime(now() - start);
        results["record bytes"] = double(HeapCount::liveBytes - before) / digits;
        results["record allocations"] = double(HeapCount::allocations - allocationsBefore) / digits;
    }
    state.counters["B/record"] = results["record bytes"];
}

BENCHMARK(SearchForwardModel)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(SearchForwardMemmem)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(SearchBackwardModel)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(SearchAdversarialModel)->Unit(benchmark::kMillisecond)->MinTime(0.5);
BENCHMARK(SearchAdversarialMemmem)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(InsertAtStart)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();
BENCHMARK(MemmoveData)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ReplaceRun)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();
BENCHMARK(MemcpyData)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(UndoMemory)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();

void line(const char* what, double value, const char* unit, const char* target, bool met)
{
    std::printf("  %-44s %10.3f %-6s %-28s %s\n", what, value, unit, target, met ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    auto& r = results;
    std::printf("\nEditing model, %zu MiB of data:\n", dataSize() >> 20);
    line("search forward, absent 4 bytes (GiB/s)", r["forward"], "GiB/s", ">= 4", r["forward"] >= 4);
    line("  ratio to memmem", r["forward"] / r["forward memmem"], "x", ">= 1.3", r["forward"] >= 1.3 * r["forward memmem"]);
    line("search adversarial, 00 00 01 in zeros", r["adversarial"], "GiB/s", ">= 1", r["adversarial"] >= 1);
    line("  ratio to memmem", r["adversarial"] / r["adversarial memmem"], "x", ">= 5",
         r["adversarial"] >= 5 * r["adversarial memmem"]);
    line("search backward, absent 4 bytes", r["backward"], "GiB/s", "", true);
    line("  forward time / backward time", r["backward"] / r["forward"], "x", ">= 0.5 (within 2x)",
         r["backward"] >= 0.5 * r["forward"]);
    line("insert at the start, median after the first", r["insert median"] * 1e6, "us", "<= 2", r["insert median"] <= 2e-6);
    line("  first insert", r["insert first"] * 1e3, "ms", "", true);
    line("  one memmove of the data", r["memmove"] * 1e3, "ms", "", true);
    line("replace run, every 4 KiB (total)", r["replace run"] * 1e3, "ms", "", true);
    line("  replacements", r["replace count"], "", "", true);
    line("  ratio to one memcpy of the data", r["replace run"] / r["memcpy"], "x", "<= 20", r["replace run"] <= 20 * r["memcpy"]);
    line("  undo of every replacement", r["replace undo"] * 1e3, "ms", "data equal to the original", true);
    line("undo record of a typed digit, heap", r["record bytes"], "B", "<= 200", r["record bytes"] <= 200);
    line("  allocations per record", r["record allocations"], "", "", true);
    return 0;
}
