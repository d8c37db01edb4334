// The same stroke as a hand may draw it next time: a little larger, smaller, or turned either way.
#include "training/stroke_variants.h"

#include <cmath>

namespace {

std::vector<ScreenPoint> transformed(const std::vector<ScreenPoint>& points, double scale, double turn) {
    std::vector<ScreenPoint> result;
    result.reserve(points.size());
    double c = std::cos(turn) * scale, s = std::sin(turn) * scale;
    ScreenPoint origin = points[0];
    for (ScreenPoint p : points) {
        double x = double(p.x) - origin.x, y = double(p.y) - origin.y;
        // Strokes live on a screen; a wild coordinate is kept within 32 bits rather than wrapped.
        double nx = std::fmax(-2e9, std::fmin(2e9, origin.x + c * x - s * y));
        double ny = std::fmax(-2e9, std::fmin(2e9, origin.y + s * x + c * y));
        result.push_back({static_cast<int32_t>(std::lround(nx)), static_cast<int32_t>(std::lround(ny))});
    }
    return result;
}

}  // namespace

std::string strokeText(const std::vector<ScreenPoint>& points) {
    CaptureState state = {};
    state.capturing = true;
    StrokeSink none = {nullptr, nullptr};
    beginStroke(state, points[0]);
    for (size_t i = 1; i < points.size(); ++i) addStrokeSample(state, points[i], none);
    return endStroke(state);
}

std::vector<std::string> strokeVariantTexts(const std::vector<ScreenPoint>& points) {
    return {strokeText(transformed(points, 1 + kVariantScale, 0)),
            strokeText(transformed(points, 1 - kVariantScale, 0)),
            strokeText(transformed(points, 1, kVariantTurn)),
            strokeText(transformed(points, 1, -kVariantTurn))};
}
