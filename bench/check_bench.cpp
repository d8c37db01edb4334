// trazzle-check benchmarks: checking a 25-slot rc file, learning 25 slots of 30 example strokes, and one slot of many.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "training/checker.h"
#include "training/gesture_producibility.h"
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
        file << slotKeyOf(kSlotGesture, static_cast<int>(slot)) << " " << texts[slot] << "\n"
             << slotKeyOf(kSlotCommand, static_cast<int>(slot)) << " C:\\Tools\\t" << slot << ".exe\n";
    file.close();
    for (auto _ : state) benchmark::DoNotOptimize(run({rc.string()}));
    fs::remove(rc);
}
BENCHMARK(BM_Check25Slots)->Unit(benchmark::kMillisecond);

// A stroke drawing `text`, its points moved a little by `seed`, as a stroke file.
static void writeStroke(const fs::path& file, const std::string& text, int seed) {
    ScreenPoint points[kMaxCanonicalPoints];
    int n = canonicalStroke(text.c_str(), points);
    std::ofstream out(file);
    for (int i = 0; i < n; ++i)
        out << points[i].x + (i * 7 + seed * 3) % 11 - 5 << ' ' << points[i].y + (i * 5 + seed) % 9 - 4 << '\n';
}

// One way of drawing `text` out of three, as hands do: whole, without its last corner, or
// with a flick before its first.
static std::string wayOf(const std::string& text, int example) {
    if (example % 3 == 1 && text.size() > 2) return text.substr(0, text.size() - 3);
    if (example % 3 == 2) {
        for (const char* flick : {"tl ", "lu ", "bl ", "rd "}) {
            std::string flicked = flick + text;
            if (isProducible(flicked.c_str())) return flicked;
        }
    }
    return text;
}

static void BM_Learn25SlotsOf30(benchmark::State& state) {
    fs::path dir = fs::temp_directory_path() / "trazzle-learn-bench";
    fs::remove_all(dir);
    std::vector<std::string> texts = slotTexts();
    for (int slot = 0; slot < 25; ++slot) {
        fs::create_directories(dir / std::to_string(slot));
        for (int e = 0; e < 30; ++e)
            writeStroke(dir / std::to_string(slot) / (std::to_string(e) + ".txt"), wayOf(texts[slot], e), e);
    }
    for (auto _ : state) benchmark::DoNotOptimize(run({"--learn", dir.string()}));
    fs::remove_all(dir);
}
BENCHMARK(BM_Learn25SlotsOf30)->Unit(benchmark::kMillisecond);

// N examples of one slot, drawn in many ways: random producible texts of one to eight corners.
// The time should grow at most with the square of N.
static void BM_LearnOneSlot(benchmark::State& state) {
    fs::path dir = fs::temp_directory_path() / "trazzle-learn-bench-one";
    fs::remove_all(dir);
    fs::create_directories(dir / "0");
    unsigned seed = 12345;
    auto next = [&seed](unsigned range) { seed = seed * 1103515245u + 12345u; return (seed >> 16) % range; };
    const char* tokens[] = {"tr", "tl", "br", "bl", "rd", "ru", "ld", "lu"};
    for (int e = 0; e < state.range(0); ++e) {
        std::string text;
        int corners = 1 + next(8);
        while (corners > 0) {
            std::string longer = text + (text.empty() ? "" : " ") + tokens[next(8)];
            if (isProducible(longer.c_str())) text = longer, --corners;
        }
        writeStroke(dir / "0" / (std::to_string(e) + ".txt"), text, e);
    }
    for (auto _ : state) benchmark::DoNotOptimize(run({"--learn", dir.string()}));
    state.SetComplexityN(state.range(0));
    fs::remove_all(dir);
}
BENCHMARK(BM_LearnOneSlot)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

BENCHMARK_MAIN();
