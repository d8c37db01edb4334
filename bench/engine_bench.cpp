// Engine benchmarks: nanoseconds per pointer sample and per match, allocations, and libstroke as a peer.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

extern "C" {
#include <stroke.h>
}

#include "engine/gesture_matcher.h"
#include "engine/stroke_tokenizer.h"

// Every heap allocation of the process is counted, so a sample that allocates shows up.
static long allocationCount = 0;
extern "C" void* __libc_malloc(size_t size);
extern "C" void __libc_free(void* p);
extern "C" void* malloc(size_t size) {
    ++allocationCount;
    return __libc_malloc(size);
}
void* operator new(size_t size) {
    ++allocationCount;
    void* p = __libc_malloc(size ? size : 1);
    if (!p) throw std::bad_alloc();
    return p;
}
void operator delete(void* p) noexcept { __libc_free(p); }
void operator delete(void* p, size_t) noexcept { __libc_free(p); }

namespace {

// A hand-drawn-looking stroke: the shape's corners joined by steps of 1 to 3 pixels, as
// mouse samples arrive, with a little wobble.
std::vector<ScreenPoint> drawnStroke(const std::vector<ScreenPoint>& corners) {
    std::vector<ScreenPoint> points = {corners[0]};
    unsigned seed = 12345;
    for (size_t i = 1; i < corners.size(); ++i) {
        ScreenPoint a = corners[i - 1], b = corners[i];
        double length = std::hypot(b.x - a.x, b.y - a.y);
        int steps = static_cast<int>(length / 2.0) + 1;
        for (int s = 1; s <= steps; ++s) {
            seed = seed * 1103515245u + 12345u;
            int wobble = static_cast<int>((seed >> 16) % 3) - 1;
            points.push_back({a.x + (b.x - a.x) * s / steps + wobble, a.y + (b.y - a.y) * s / steps});
        }
    }
    return points;
}

struct NamedStroke {
    const char* name;
    std::vector<ScreenPoint> points;
};

const std::vector<NamedStroke>& sampleStrokes() {
    static const std::vector<NamedStroke> strokes = {
        {"V", drawnStroke({{200, 200}, {300, 400}, {400, 200}})},
        {"W", drawnStroke({{100, 100}, {160, 300}, {220, 100}, {280, 300}, {340, 100}})},
        {"Peak", drawnStroke({{100, 300}, {200, 100}, {300, 300}})},
        {"Square", drawnStroke({{100, 100}, {300, 100}, {300, 300}, {100, 300}, {100, 100}})},
        {"Z", drawnStroke({{100, 100}, {300, 100}, {100, 300}, {300, 300}})},
    };
    return strokes;
}

// A long zigzag stroke, thousands of samples, as a whole capture would see.
const std::vector<ScreenPoint>& longStroke() {
    static const std::vector<ScreenPoint> points = [] {
        std::vector<ScreenPoint> corners;
        for (int i = 0; i < 200; ++i) corners.push_back({100 + 3 * i, i % 2 ? 500 : 300});
        return drawnStroke(corners);
    }();
    return points;
}

void tokenize(CaptureState& state, const std::vector<ScreenPoint>& points) {
    StrokeSink sink = {nullptr, nullptr};
    state.capturing = true;
    beginStroke(state, points[0]);
    for (size_t i = 1; i < points.size(); ++i) addStrokeSample(state, points[i], sink);
    endStroke(state);
}

void countRequest(void* context, const DrawRequest&) {
    ++*static_cast<long*>(context);
}

void BM_StrokeSample(benchmark::State& state) {
    const std::vector<ScreenPoint>& points = longStroke();
    CaptureState capture = {};
    long requests = 0;
    StrokeSink sink = {countRequest, &requests};
    long allocationsBefore = allocationCount;
    for (auto _ : state) {
        capture.capturing = true;
        beginStroke(capture, points[0]);
        for (size_t i = 1; i < points.size(); ++i) addStrokeSample(capture, points[i], sink);
        benchmark::DoNotOptimize(endStroke(capture));
    }
    long allocations = allocationCount - allocationsBefore;
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(points.size() - 1));
    state.counters["samples"] = static_cast<double>(points.size() - 1);
    state.counters["allocations"] = static_cast<double>(allocations);
    if (allocations != 0) state.SkipWithError("the tokenizer allocated while sampling");
}
BENCHMARK(BM_StrokeSample);

GestureTable realisticTable() {
    const char* gestures[kGestureSlotCount] = {
        "tr", "tl", "br", "bl", "rd", "ru", "ld", "lu", "br tr br", "ld rd", "tr br", "bl tl",
        "rd ld rd", "tr bl", "br tr br tr br", "lu ru", "tl bl tl", "rd lu", "ld ru ld", "tr tr",
        "br br br", "lu ld lu", "ru rd", "tl tr bl br", "ld rd ld rd ld rd"};
    GestureTable table;
    clearGestureTable(table);
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        std::strcpy(table.gestures[slot], gestures[slot]);
        std::strcpy(table.commands[slot], "C:\\Windows\\System32\\notepad.exe");
    }
    return table;
}

// 33 tokens, the longest text a capture can finish with.
std::string longestInput() {
    const char* tokens[] = {"br", "tr", "ld", "rd", "lu", "ru", "tl", "bl"};
    std::string text;
    for (int i = 0; i < 33; ++i) {
        if (i) text += ' ';
        text += tokens[(i * 5) % 8];
    }
    return text;
}

void BM_FindBestSlot(benchmark::State& state) {
    GestureTable table = realisticTable();
    std::string input = longestInput();
    for (auto _ : state) {
        benchmark::DoNotOptimize(findBestSlot(table, input.c_str()));
    }
    state.counters["inputLength"] = static_cast<double>(input.size());
}
BENCHMARK(BM_FindBestSlot);

// The slowest table: every gesture long enough to pass the threshold, so every slot needs its
// substring search, and only the last one occurs.
void BM_FindBestSlotAllCandidates(benchmark::State& state) {
    std::string input = longestInput();
    GestureTable table;
    clearGestureTable(table);
    for (int slot = 0; slot < kGestureSlotCount; ++slot) {
        std::string gesture = input.substr(0, 30 + 2 * slot);
        gesture[gesture.size() - 1] = slot == kGestureSlotCount - 1 ? gesture.back() : 'x';
        std::strcpy(table.gestures[slot], gesture.c_str());
    }
    int chosen = kNoSlot;
    for (auto _ : state) {
        chosen = findBestSlot(table, input.c_str());
        benchmark::DoNotOptimize(chosen);
    }
    if (chosen != kGestureSlotCount - 1) state.SkipWithError("the table did not choose its last slot");
}
BENCHMARK(BM_FindBestSlotAllCandidates);

// Whole strokes, recorded and translated: trazzle's tokenizer and matcher, then libstroke.
void BM_TrazzleStroke(benchmark::State& state) {
    const NamedStroke& stroke = sampleStrokes()[state.range(0)];
    GestureTable table = realisticTable();
    CaptureState capture = {};
    for (auto _ : state) {
        tokenize(capture, stroke.points);
        benchmark::DoNotOptimize(findBestSlot(table, capture.gestureText));
    }
    state.SetLabel(std::string(stroke.name) + " -> \"" + capture.gestureText + "\"");
    state.counters["points"] = static_cast<double>(stroke.points.size());
}
BENCHMARK(BM_TrazzleStroke)->DenseRange(0, 4);

void BM_LibstrokeStroke(benchmark::State& state) {
    const NamedStroke& stroke = sampleStrokes()[state.range(0)];
    char sequence[STROKE_MAX_SEQUENCE + 1] = "";
    stroke_init();
    for (auto _ : state) {
        for (const ScreenPoint& p : stroke.points) stroke_record(p.x, p.y);
        benchmark::DoNotOptimize(stroke_trans(sequence));
    }
    state.SetLabel(std::string(stroke.name) + " -> \"" + sequence + "\"");
    state.counters["points"] = static_cast<double>(stroke.points.size());
}
BENCHMARK(BM_LibstrokeStroke)->DenseRange(0, 4);

}  // namespace

BENCHMARK_MAIN();
