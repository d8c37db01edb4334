// Which of a slot's examples have fragile shapes: texts that change when the same stroke is drawn a little differently, and examples that disagree.
#include "training/shape_stability.h"

#include <algorithm>

#include "training/checker.h"

namespace {

struct TextCount {
    std::string text;
    int count;
};

// Each text once with how often it occurs, most common first, equal counts as first seen.
std::vector<TextCount> counted(const std::vector<std::string>& texts) {
    std::vector<TextCount> counts;
    for (const std::string& text : texts) {
        auto found = std::find_if(counts.begin(), counts.end(), [&](const TextCount& c) { return c.text == text; });
        if (found == counts.end()) counts.push_back({text, 1});
        else ++found->count;
    }
    std::stable_sort(counts.begin(), counts.end(),
                     [](const TextCount& a, const TextCount& b) { return a.count > b.count; });
    return counts;
}

// The first `most` texts as `|text|`, with their counts or without, and how many are left out.
std::string listed(const std::vector<TextCount>& counts, size_t most, bool withCounts) {
    std::string list;
    for (size_t i = 0; i < counts.size() && i < most; ++i) {
        if (i > 0) list += ", ";
        list += "|" + counts[i].text + "|";
        if (withCounts) list += textf(" %d", counts[i].count);
    }
    if (counts.size() > most) list += textf(" and %d more", static_cast<int>(counts.size() - most));
    return list;
}

}  // namespace

std::vector<std::string> shapeFindings(const std::vector<Example>& examples) {
    std::vector<std::string> lines;
    std::vector<std::string> texts;
    for (const Example& example : examples) texts.push_back(example.text);
    std::vector<TextCount> slotTexts = counted(texts);
    if (slotTexts.size() > 1)
        lines.push_back(textf("the examples give %d texts: ", static_cast<int>(slotTexts.size())) +
                        listed(slotTexts, 5, true));
    int unstable = 0;
    for (const Example& example : examples) {
        std::vector<std::string> others;
        for (const std::string& variant : example.variants)
            if (variant != example.text) others.push_back(variant);
        if (others.empty() || ++unstable > kMostUnstableNamed) continue;
        lines.push_back(printableText("unstable: " + example.file + " |" + example.text +
                                      "| drawn a little differently gives " + listed(counted(others), 3, false) +
                                      "; larger shapes with diagonal legs hold better"));
    }
    if (unstable > kMostUnstableNamed) {
        int more = unstable - kMostUnstableNamed;
        lines.push_back(textf("and %d more unstable example%s", more, more == 1 ? "" : "s"));
    }
    return lines;
}
