// Shapes whose examples share texts, so that one slot's strokes would launch another: found from the examples alone, said in one line a pair.
#include "training/shape_clash.h"

#include <map>

#include "engine/gesture_matcher.h"
#include "training/checker.h"

namespace {

// Whether the run `run` (whole tokens, blank-padded) occurs in `padded`, a text padded so.
bool holds(const std::string& padded, const std::string& run) { return padded.find(run) != std::string::npos; }

// The length of the longest run of `text` that the plugin would accept for it and that at
// least two of `others` (padded texts) hold; 0 for none.
int longestShared(const std::string& text, const std::vector<const std::string*>& others) {
    size_t least = minimumAcceptedLength(text.size());
    int best = 0;
    for (size_t start = 0; start < text.size(); start += 3)
        for (size_t end = text.size(); end > start && end - start >= least; end -= 3) {
            if (static_cast<int>(end - start) <= best) break;
            std::string run = " " + text.substr(start, end - start) + " ";
            int holding = 0;
            for (const std::string* other : others) holding += holds(*other, run);
            if (holding >= 2) {
                best = static_cast<int>(end - start);
                break;
            }
        }
    return best;
}

}  // namespace

std::vector<ShapeClash> shapeClashes(const std::vector<LearnExample>& examples) {
    std::map<int, std::vector<std::string>> texts;  // slot -> its drawn examples' texts, padded
    for (const LearnExample& example : examples)
        if (example.drawn && !example.text.empty()) texts[example.slot].push_back(" " + example.text + " ");
    // taken[a][b]: how many of a's examples clash with b.
    std::map<int, std::map<int, int>> taken;
    for (const auto& own : texts) {
        const std::vector<std::string>& mine = own.second;
        for (size_t i = 0; i < mine.size(); ++i) {
            std::string text = mine[i].substr(1, mine[i].size() - 2);
            std::vector<const std::string*> rest;
            for (size_t j = 0; j < mine.size(); ++j)
                if (j != i) rest.push_back(&mine[j]);
            int ownBest = longestShared(text, rest);
            for (const auto& other : texts) {
                if (other.first == own.first) continue;
                std::vector<const std::string*> theirs;
                for (const std::string& t : other.second) theirs.push_back(&t);
                int best = longestShared(text, theirs);
                if (best > 0 && best >= ownBest) ++taken[own.first][other.first];
            }
        }
    }
    std::vector<ShapeClash> clashes;
    for (const auto& a : texts)
        for (const auto& b : texts) {
            if (b.first <= a.first) continue;
            int ab = taken[a.first][b.first], ba = taken[b.first][a.first];
            if (ab || ba)
                clashes.push_back({a.first, b.first, ab, static_cast<int>(a.second.size()), ba,
                                   static_cast<int>(b.second.size())});
        }
    return clashes;
}

std::string clashLine(const ShapeClash& clash, int newer) {
    bool aNewer = newer == clash.a;
    int n = aNewer ? clash.a : clash.b, o = aNewer ? clash.b : clash.a;
    int nTaken = aNewer ? clash.aTaken : clash.bTaken, nCount = aNewer ? clash.aCount : clash.bCount;
    int oTaken = aNewer ? clash.bTaken : clash.aTaken, oCount = aNewer ? clash.bCount : clash.aCount;
    return textf("slots %d and %d share texts: %d of slot %d's %d examples would launch slot %d, %d of slot %d's %d "
                 "would launch slot %d; draw another shape for slot %d",
                 clash.a, clash.b, nTaken, n, nCount, o, oTaken, o, oCount, n, n);
}
