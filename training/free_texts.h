// Short gesture texts no configured slot can take from another: for a person who does not mind which shape starts a command.
#pragma once

#include <string>
#include <vector>

#include "engine/gesture_matcher.h"

constexpr int kMostFreeTexts = 12;
constexpr int kMostFreeTextTokens = 3;

// Up to kMostFreeTexts texts of 1 to kMostFreeTextTokens tokens that a stroke can produce and
// that share nothing with any slot's text: none occurs in a slot's text and no slot's text
// occurs in one, so under the matcher's longest-contained-text rule neither can take the
// other's strokes. Fewest tokens first, then in the order of kCornerTokens, token by token.
std::vector<std::string> freeTexts(const GestureTable& table);
