// trazzle-check benchmarks: checking a 25-slot rc file, and learning 25 slots of 10 example strokes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/gesture_producibility.h"
#include "tools/check/check.h"

namespace fs = std::filesystem;

static int run(std::vector<std::string> args) {
    args.insert(args.begin(), "trazzle-check");
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(&arg[0]);
    FILE* sink = std::tmpfile();
    int status = runCheck(static_cast<int>(argv.size()), argv.data(), sink, sink);
    std::fclose(sink);
    return status;
}

// 25 distinct drawable texts of two to four tokens; the last slot has nine, so no slot wins
// on its own text and every stroke of up to eight tokens is tried.
static std::vector<std::string> slotTexts() {
    std::vector<std::string> texts;
    const char* firsts[] = {"tr", "tl", "br", "bl", "rd", "ru", "ld", "lu"};
    for (const char* a : firsts)
        for (const char* b : firsts)
            for (const char* c : {"", " tr", " br", " rd"}) {
                std::string text = std::string(a) + " " + b + c;
                if (texts.size() < 24 && isProducible(text.c_str())) texts.push_back(text);
            }
    texts.push_back("br tr br tr br tr br tr br");
    return texts;
}

static void BM_Check25Slots(benchmark::State& state) {
    fs::path rc = fs::temp_directory_path() / "trazzle-check-bench.rc";
    std::ofstream file(rc);
    std::vector<std::string> texts = slotTexts();
    for (size_t slot = 0; slot < texts.size(); ++slot)
        file << "trazzle.plugin.gesture" << slot << ": " << texts[slot] << "\ntrazzle.plugin.command"
             << slot << ": C:\\Tools\\t" << slot << ".exe\n";
    file.close();
    for (auto _ : state) benchmark::DoNotOptimize(run({rc.string()}));
    fs::remove(rc);
}
BENCHMARK(BM_Check25Slots)->Unit(benchmark::kMillisecond);

static void BM_Learn25SlotsOf10(benchmark::State& state) {
    fs::path dir = fs::temp_directory_path() / "trazzle-learn-bench";
    fs::remove_all(dir);
    std::vector<std::string> texts = slotTexts();
    for (int slot = 0; slot < 25; ++slot) {
        fs::create_directories(dir / std::to_string(slot));
        ScreenPoint points[kMaxCanonicalPoints];
        int n = canonicalStroke(texts[slot].c_str(), points);
        for (int e = 0; e < 10; ++e) {
            // Each example a little wobbled, so the examples of a slot differ.
            std::ofstream file(dir / std::to_string(slot) / (std::to_string(e) + ".txt"));
            for (int i = 0; i < n; ++i)
                file << points[i].x + (i * 7 + e * 3) % 11 - 5 << ' ' << points[i].y + (i * 5 + e) % 9 - 4
                     << '\n';
        }
    }
    for (auto _ : state) benchmark::DoNotOptimize(run({"--learn", dir.string()}));
    fs::remove_all(dir);
}
BENCHMARK(BM_Learn25SlotsOf10)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
