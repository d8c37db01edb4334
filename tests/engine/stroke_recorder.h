// Test helper: feeds a whole stroke to the tokenizer and records every drawing request as text.
#pragma once

#include <string>
#include <vector>

#include "engine/stroke_tokenizer.h"

struct StrokeResult {
    std::vector<std::string> requests;  // "segment X1 Y1 X2 Y2 w3" or "dot X Y LABEL w10"
    std::string gesture;
};

inline void recordRequest(void* context, const DrawRequest& request) {
    auto* requests = static_cast<std::vector<std::string>*>(context);
    std::string line;
    if (request.kind == kCornerDot) {
        EXPECT_EQ(request.from.x, request.to.x);
        EXPECT_EQ(request.from.y, request.to.y);
        line = "dot " + std::to_string(request.from.x) + " " + std::to_string(request.from.y) + " " +
               (request.label ? request.label : "(none)");
    } else {
        line = "segment " + std::to_string(request.from.x) + " " + std::to_string(request.from.y) +
               " " + std::to_string(request.to.x) + " " + std::to_string(request.to.y);
        if (request.label) line += " (label!)";
    }
    line += " w" + std::to_string(request.penWidth);
    requests->push_back(line);
}

// The first point starts the stroke; the others are samples taken while capturing.
inline StrokeResult runStroke(const std::vector<ScreenPoint>& points, bool capturing = true) {
    StrokeResult result;
    CaptureState state = {};
    state.capturing = capturing;
    StrokeSink sink = {recordRequest, &result.requests};
    beginStroke(state, points.front());
    for (size_t i = 1; i < points.size(); ++i) addStrokeSample(state, points[i], sink);
    result.gesture = endStroke(state);
    return result;
}
