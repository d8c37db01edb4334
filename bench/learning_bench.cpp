// How well five gestures hold for people the learner never saw: 5 examples, then daily strokes kept and learned over the same rc file.
//
// learning-bench STROKES [--persons 1,2,3] [--sets N] [--advised] [--ceiling] [--each] [--seed N]
//
// STROKES is a file (or a folder holding *.txt or *.txt.gz files) of real strokes, one a line:
// "person speed shape number x,y x,y ..."; lines starting with # are skipped. For every person
// named (all by default), N sets of five shapes: each shape's strokes are shuffled, the first 5
// are its examples, the next 10 its daily strokes, the rest are judged. The rc file gives slots
// 0 to 4 commands. Learn and Apply run over the examples as trazzle-check --learn --apply does;
// then each gesture gets 5 daily strokes, all kept as examples, and Learn and Apply run again
// over the file the last Apply wrote, twice. The judged strokes are matched against the final
// file: right, wrong, nothing, and the wrong share of the worst tenth of the sets (with the share
// at which that tenth begins).
//
// With --advised the five shapes are picked as a person following the learner's clash lines
// would: a shape whose five examples clash with a slot already taught is drawn no further,
// and the next shape is tried; when no shape is left that clashes with none, the one whose
// lines count the fewest examples is kept. With --ceiling the last Learn and Apply run over a
// file holding only the commands, on every stroke of the set, the judged ones too: what the
// learner's texts reach when they have seen the strokes they are judged on. --each prints
// every set's shapes, its wrong launches (meant->launched |text|) and the final slot texts.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/gesture_matcher.h"
#include "training/example_folders.h"
#include "training/learn_plan.h"
#include "training/shape_clash.h"
#include "training/stroke_file.h"
#include "training/stroke_variants.h"

namespace fs = std::filesystem;

namespace {

constexpr int kGestures = 5;
constexpr int kExamples = 5;
constexpr int kDaily = 10;
constexpr int kRound = 5;

struct Stroke {
    std::vector<ScreenPoint> points;
    std::string text;
};
// person -> shape -> its strokes
using Strokes = std::map<int, std::map<std::string, std::vector<Stroke>>>;

bool readLines(const fs::path& file, Strokes& strokes) {
    std::string name = file.string();
    bool packed = name.size() > 3 && name.compare(name.size() - 3, 3, ".gz") == 0;
    std::string command = (packed ? "gzip -dc '" : "cat '") + name + "'";
    FILE* in = popen(command.c_str(), "r");
    if (!in) return false;
    std::string line;
    char buffer[65536];
    while (std::fgets(buffer, sizeof buffer, in)) {
        line += buffer;
        if (line.empty() || line.back() != '\n') continue;
        if (line[0] != '#') {
            std::istringstream fields(line);
            int person = 0;
            std::string speed, shape, number, point;
            fields >> person >> speed >> shape >> number;
            Stroke stroke;
            while (fields >> point) {
                int x = 0, y = 0;
                if (std::sscanf(point.c_str(), "%d,%d", &x, &y) == 2) stroke.points.push_back({x, y});
            }
            if (!stroke.points.empty()) {
                stroke.text = strokeText(stroke.points);
                strokes[person][shape].push_back(stroke);
            }
        }
        line.clear();
    }
    return pclose(in) == 0;
}

bool readStrokes(const char* path, Strokes& strokes) {
    std::error_code error;
    if (!fs::is_directory(path, error)) return readLines(path, strokes);
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(path, error)) {
        std::string name = entry.path().filename().string();
        if (name.find(".txt") != std::string::npos) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files)
        if (!readLines(file, strokes)) return false;
    return !files.empty();
}

void writeStroke(const fs::path& folder, const Stroke& stroke, int number) {
    fs::create_directories(folder);
    char name[32];
    std::snprintf(name, sizeof name, "stroke-%03d.txt", number);
    FILE* file = std::fopen((folder / name).string().c_str(), "wb");
    for (const ScreenPoint& point : stroke.points) writeStrokePoint(file, point);
    std::fclose(file);
}

// One Learn and Apply over the examples in `dir` and the rc file at `rc`.
bool learnAndApply(const fs::path& dir, const fs::path& rcPath) {
    RcFile rc;
    std::string problem;
    std::string rcName = rcPath.string();
    if (loadRcFile(rcName.c_str(), rc, problem) != kFileRead) return false;
    LearnOutcome outcome;
    if (!learnFromFolders(dir.string().c_str(), &rc, outcome, problem, nullptr, nullptr, false)) {
        std::fprintf(stderr, "learning-bench: %s\n", problem.c_str());
        return false;
    }
    std::vector<std::string> errors;
    std::vector<RcChange> changes = learnedChanges(outcome.learned, outcome.setup, rc, errors);
    RcWriteResult result;
    return changes.empty() || writeRcChanges(rcName.c_str(), changes, &rc.table, result);
}

struct SetResult {
    Tally tally;
    int variants = 0;  // slots holding a variant at the end
    std::string detail;  // for --each: the shapes, the wrong launches and the final texts
};

void judge(const fs::path& rcPath, const std::vector<std::vector<const Stroke*>>& judged, SetResult& out) {
    RcFile rc;
    std::string problem;
    std::string rcName = rcPath.string();
    loadRcFile(rcName.c_str(), rc, problem);
    for (int slot = 0; slot < kGestures; ++slot)
        for (const Stroke* stroke : judged[slot]) {
            int chosen = stroke->text.empty() ? kNoSlot : findBestSlot(rc.table, stroke->text.c_str());
            if (chosen == kNoSlot) ++out.tally.nothing;
            else if (launchesAs(rc.table, chosen, slot)) ++out.tally.right;
            else {
                ++out.tally.wrong;
                out.detail += "  " + std::to_string(slot) + "->" + std::to_string(chosen) + " |" + stroke->text + "|\n";
            }
        }
    for (int slot = kGestures; slot < kGestureSlotCount; ++slot) out.variants += rc.table.gestures[slot][0] != '\0';
    for (int slot = 0; slot < kGestureSlotCount; ++slot)
        if (rc.table.gestures[slot][0])
            out.detail += "  slot " + std::to_string(slot) + " " + rc.table.commands[slot] + " |" + rc.table.gestures[slot] + "|\n";
}

// The examples as the clash lines see them: each slot's strokes as drawn.
std::vector<LearnExample> drawnExamples(const std::vector<std::vector<const Stroke*>>& examples) {
    std::vector<LearnExample> out;
    for (size_t slot = 0; slot < examples.size(); ++slot)
        for (const Stroke* stroke : examples[slot]) out.push_back({static_cast<int>(slot), stroke->text});
    return out;
}

std::vector<const Stroke*> firstExamples(const std::vector<const Stroke*>& strokes) {
    return std::vector<const Stroke*>(strokes.begin(), strokes.begin() + kExamples);
}

// How many examples the clash lines naming `slot` count, both ways.
int clashCount(const std::vector<std::vector<const Stroke*>>& examples, int slot) {
    int count = 0;
    for (const ShapeClash& clash : shapeClashes(drawnExamples(examples)))
        if (clash.a == slot || clash.b == slot) count += clash.aTaken + clash.bTaken;
    return count;
}

void writeCommands(const fs::path& rcPath) {
    FILE* rc = std::fopen(rcPath.string().c_str(), "wb");
    for (int slot = 0; slot < kGestures; ++slot) std::fprintf(rc, "trazzle.plugin.command%d: C:\\Apps\\app%d.exe\n", slot, slot);
    std::fclose(rc);
}

bool runSet(const std::map<std::string, std::vector<Stroke>>& shapes, std::mt19937& random, bool advised,
            bool ceiling, const fs::path& dir, SetResult& first, SetResult& last) {
    std::vector<std::string> names;
    for (const auto& shape : shapes)
        if (shape.second.size() >= size_t(kExamples + kDaily + 1)) names.push_back(shape.first);
    std::shuffle(names.begin(), names.end(), random);
    // Each shape's strokes in the order this person draws them.
    std::map<std::string, std::vector<const Stroke*>> order;
    for (const std::string& name : names) {
        for (const Stroke& stroke : shapes.at(name)) order[name].push_back(&stroke);
        std::shuffle(order[name].begin(), order[name].end(), random);
    }
    std::vector<std::string> chosen;
    std::vector<std::vector<const Stroke*>> examples;
    std::vector<std::string> rejected;
    for (const std::string& name : names) {
        if (chosen.size() == size_t(kGestures)) break;
        examples.push_back(firstExamples(order[name]));
        if (advised && clashCount(examples, static_cast<int>(chosen.size())) > 0) {
            examples.pop_back();
            rejected.push_back(name);
            continue;
        }
        chosen.push_back(name);
    }
    // When every shape left clashes somewhat, the person keeps, one slot at a time, the shape
    // whose clash lines count the fewest examples against the slots already taught.
    while (chosen.size() < size_t(kGestures) && !rejected.empty()) {
        size_t best = 0;
        int bestCount = 0;
        for (size_t i = 0; i < rejected.size(); ++i) {
            examples.push_back(firstExamples(order[rejected[i]]));
            int count = clashCount(examples, static_cast<int>(chosen.size()));
            examples.pop_back();
            if (i == 0 || count < bestCount) bestCount = count, best = i;
        }
        chosen.push_back(rejected[best]);
        examples.push_back(firstExamples(order[rejected[best]]));
        rejected.erase(rejected.begin() + best);
    }
    if (chosen.size() < size_t(kGestures)) return false;

    fs::remove_all(dir);
    fs::path folders = dir / "examples", rcPath = dir / "trazzle.rc";
    fs::create_directories(folders);
    writeCommands(rcPath);
    std::vector<std::vector<const Stroke*>> judged(kGestures);
    for (int slot = 0; slot < kGestures; ++slot) {
        const std::vector<const Stroke*>& all = order[chosen[slot]];
        for (int i = 0; i < kExamples; ++i) writeStroke(folders / std::to_string(slot), *all[i], i + 1);
        judged[slot].assign(all.begin() + kExamples + kDaily, all.end());
    }
    if (!learnAndApply(folders, rcPath)) return false;
    judge(rcPath, judged, first);
    for (int round = 0; round < kDaily / kRound; ++round) {
        for (int slot = 0; slot < kGestures; ++slot)
            for (int i = 0; i < kRound; ++i) {
                int index = kExamples + round * kRound + i;
                writeStroke(folders / std::to_string(slot), *order[chosen[slot]][index], index + 1);
            }
        if (!learnAndApply(folders, rcPath)) return false;
    }
    if (ceiling) {
        for (int slot = 0; slot < kGestures; ++slot)
            for (size_t i = 0; i < judged[slot].size(); ++i)
                writeStroke(folders / std::to_string(slot), *judged[slot][i], kExamples + kDaily + int(i) + 1);
        writeCommands(rcPath);
        if (!learnAndApply(folders, rcPath)) return false;
    }
    judge(rcPath, judged, last);
    std::string shapeNames;
    for (const std::string& name : chosen) shapeNames += " " + name;
    last.detail = shapeNames + "\n" + last.detail;
    return true;
}

struct Summary {
    Tally tally;
    std::vector<double> wrongShares;
    int sets = 0, variants = 0;
    void add(const SetResult& set) {
        tally.right += set.tally.right;
        tally.wrong += set.tally.wrong;
        tally.nothing += set.tally.nothing;
        int all = set.tally.right + set.tally.wrong + set.tally.nothing;
        wrongShares.push_back(all ? 100.0 * set.tally.wrong / all : 0);
        ++sets;
        variants += set.variants;
    }
    void print(const char* label) const {
        double all = tally.right + tally.wrong + tally.nothing;
        std::vector<double> shares = wrongShares;
        std::sort(shares.rbegin(), shares.rend());
        size_t tenth = std::max<size_t>(1, shares.size() / 10);
        double worst = 0;
        for (size_t i = 0; i < tenth && i < shares.size(); ++i) worst += shares[i];
        double edge = shares.empty() ? 0 : shares[std::min(tenth, shares.size()) - 1];
        std::printf("%-34s %4d sets  right %5.1f%%  wrong %4.1f%%  nothing %4.1f%%  worst tenth wrong %4.1f%% (from %.1f%%)  variants %.1f\n",
                    label, sets, 100 * tally.right / all, 100 * tally.wrong / all, 100 * tally.nothing / all,
                    worst / tenth, edge, sets ? double(variants) / sets : 0);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: learning-bench STROKES [--persons 1,2,3] [--sets N] [--advised] [--ceiling] [--each] [--seed N]\n");
        return 2;
    }
    std::vector<int> persons;
    int sets = 20;
    unsigned seed = 1;
    bool advised = false, ceiling = false, each = false;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--persons") && i + 1 < argc) {
            std::istringstream list(argv[++i]);
            std::string item;
            while (std::getline(list, item, ',')) persons.push_back(std::atoi(item.c_str()));
        } else if (!std::strcmp(argv[i], "--sets") && i + 1 < argc) {
            sets = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc) {
            seed = static_cast<unsigned>(std::atoi(argv[++i]));
        } else if (!std::strcmp(argv[i], "--advised")) {
            advised = true;
        } else if (!std::strcmp(argv[i], "--ceiling")) {
            ceiling = true;
        } else if (!std::strcmp(argv[i], "--each")) {
            each = true;
        }
    }
    Strokes strokes;
    if (!readStrokes(argv[1], strokes)) {
        std::fprintf(stderr, "learning-bench: cannot read strokes from %s\n", argv[1]);
        return 2;
    }
    if (persons.empty())
        for (const auto& person : strokes) persons.push_back(person.first);
    fs::path dir = fs::temp_directory_path() / ("learning-bench-" + std::to_string(getpid()));
    Summary firstAll, lastAll;
    const std::string lastLabel = ceiling ? ", +10 daily, judged ones learned" : ", +10 daily, chained";
    for (int person : persons) {
        std::mt19937 random(seed * 1000 + person);
        Summary first, last;
        for (int set = 0; set < sets; ++set) {
            SetResult a, b;
            if (!runSet(strokes[person], random, advised, ceiling, dir, a, b)) continue;
            first.add(a), last.add(b), firstAll.add(a), lastAll.add(b);
            if (each)
                std::printf("person %d set %d: wrong %.1f%%%s", person, set, last.wrongShares.back(), b.detail.c_str());
        }
        std::string label = "person " + std::to_string(person);
        first.print((label + ", 5 examples").c_str());
        last.print((label + lastLabel).c_str());
        std::fflush(stdout);
    }
    firstAll.print("all, 5 examples");
    lastAll.print(("all" + lastLabel).c_str());
    fs::remove_all(dir);
    return 0;
}
