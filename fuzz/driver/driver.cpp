// Plain fuzz driver for builds without libFuzzer: replays the seed corpus, then feeds a
// bounded number of random and mutated inputs. QX_FUZZ_RUNS and QX_FUZZ_SEED tune it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::vector<uint8_t>> readCorpus(const char* folder)
{
    std::vector<std::vector<uint8_t>> corpus;
    std::error_code error;
    if (!folder || !std::filesystem::is_directory(folder, error))
        return corpus;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::ifstream in(entry.path(), std::ios::binary);
        corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return corpus;
}

unsigned long fromEnv(const char* name, unsigned long fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 0) : fallback;
}

} // namespace

int main(int argc, char** argv)
{
    auto corpus = readCorpus(argc > 1 ? argv[1] : nullptr);
    for (const auto& input : corpus)
        LLVMFuzzerTestOneInput(input.data(), input.size());

    const unsigned long runs = fromEnv("QX_FUZZ_RUNS", 20000);
    const unsigned long seed = fromEnv("QX_FUZZ_SEED", 20261207);
    std::mt19937_64 random(seed);
    std::vector<uint8_t> input;
    for (unsigned long run = 0; run < runs; ++run) {
        if (!corpus.empty() && random() % 2) {
            input = corpus[random() % corpus.size()];
            for (int flips = 1 + random() % 4; flips > 0 && !input.empty(); --flips)
                input[random() % input.size()] = static_cast<uint8_t>(random());
            if (random() % 4 == 0)
                input.resize(random() % (input.size() + 8));
        } else {
            input.resize(random() % 300);
            for (auto& byte : input)
                byte = static_cast<uint8_t>(random());
        }
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("fuzz: %zu corpus inputs, %lu random inputs, seed %lu\n", corpus.size(), runs, seed);
    return 0;
}
