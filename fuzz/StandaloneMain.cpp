// Runs a fuzz target without libFuzzer: every file of the given folders or
// paths, then --mutations N inputs made from them with a fixed seed.
// Usage: fuzz_x [--mutations N] PATH...

#include "FuzzTarget.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// The input being run, written out when a property fails so that it can be
// run again by itself: fuzz_x crash-input.
const Bytes *g_current = nullptr;

void saveCurrentInput(int)
{
    if (g_current) {
        if (FILE *f = std::fopen("crash-input", "wb")) {
            std::fwrite(g_current->data(), 1, g_current->size(), f);
            std::fclose(f);
            std::fprintf(stderr, "input saved as crash-input\n");
        }
    }
    std::signal(SIGABRT, SIG_DFL);
    std::abort();
}

void run(const Bytes &input)
{
    g_current = &input;
    LLVMFuzzerTestOneInput(input.data(), input.size());
    g_current = nullptr;
}

Bytes readFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Small edits of the kind that break parsers: flipped bits, bytes set to
// interesting values, cut tails, repeated or dropped runs.
Bytes mutate(Bytes b, std::mt19937 &rng)
{
    const uint8_t interesting[] = {0x00, 0x0A, 0x0D, 0x20, 0x22, 0x2C, 0x2E, 0x3B, 0x3D, 0x5B, 0x5D, 0x7F, 0x80, 0xFF};
    const int edits = 1 + int(rng() % 4);
    for (int e = 0; e < edits; ++e) {
        const size_t n = b.size();
        switch (rng() % 5) {
        case 0:
            if (n)
                b[rng() % n] ^= uint8_t(1u << (rng() % 8));
            break;
        case 1:
            if (n)
                b[rng() % n] = interesting[rng() % sizeof interesting];
            break;
        case 2:
            if (n)
                b.resize(rng() % n);
            break;
        case 3:
            if (n) {
                const size_t at = rng() % n;
                const size_t len = 1 + rng() % std::min<size_t>(16, n - at);
                b.insert(b.begin() + long(at), b.begin() + long(at), b.begin() + long(at + len));
            }
            break;
        default:
            if (n) {
                const size_t at = rng() % n;
                b.erase(b.begin() + long(at), b.begin() + long(std::min(n, at + 1 + rng() % 8)));
            }
            break;
        }
    }
    return b;
}

} // namespace

int main(int argc, char **argv)
{
    long mutations = 0;
    std::vector<Bytes> seeds;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--mutations") == 0 && i + 1 < argc) {
            mutations = std::strtol(argv[++i], nullptr, 10);
            continue;
        }
        const std::filesystem::path p(argv[i]);
        if (std::filesystem::is_directory(p)) {
            for (const auto &entry : std::filesystem::directory_iterator(p))
                if (entry.is_regular_file())
                    seeds.push_back(readFile(entry.path()));
        } else {
            seeds.push_back(readFile(p));
        }
    }
    std::signal(SIGABRT, saveCurrentInput);
    std::signal(SIGSEGV, saveCurrentInput);
    seeds.push_back({});
    for (const Bytes &s : seeds)
        run(s);
    std::mt19937 rng(20261210);
    for (long i = 0; i < mutations; ++i) {
        const Bytes input = mutate(seeds[rng() % seeds.size()], rng);
        run(input);
    }
    std::printf("%zu seeds and %ld mutations passed\n", seeds.size(), mutations);
    return 0;
}
