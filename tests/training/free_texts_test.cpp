// The texts Suggest offers: short, drawable, and neither held in a slot's text nor holding one.
#include <gtest/gtest.h>

#include <cstring>

#include "training/free_texts.h"

namespace {

std::string joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& text : texts) all += "|" + text + "| ";
    return all;
}

TEST(FreeTexts, OffersTheShortestTextsThatShareNothingWithASlotsText) {
    struct Case {
        std::vector<const char*> slotTexts;
        const char* offered;
    } cases[] = {
        {{}, "|tr| |tl| |br| |bl| |rd| |ru| |ld| |lu| |tr tl| |tr br| |tr rd| |tr lu| "},
        // A V's text leaves out every text holding it.
        {{"br"}, "|tr| |tl| |bl| |rd| |ru| |ld| |lu| |tr tl| |tr rd| |tr lu| |tl tr| |tl bl| "},
        // Nor is a text offered that a slot's text holds: |tr|, |tl|, |bl|, |rd| and |ld| here.
        {{"rd ld rd", "", "tl tr bl"},
         "|br| |ru| |lu| |tr tl| |tr br| |tr rd| |tr lu| |tl bl| |tl ru| |tl ld| |br tr| |br bl| "},
        // Every text holds one of the eight tokens.
        {{"tr", "tl", "br", "bl", "rd", "ru", "ld", "lu"}, ""},
    };
    for (const Case& c : cases) {
        GestureTable table = {};
        int slot = 0;
        for (const char* text : c.slotTexts) std::strcpy(table.gestures[slot++], text);
        EXPECT_EQ(c.offered, joined(freeTexts(table)));
    }
}

}  // namespace
