// The same stroke as a hand may draw it next time: a little larger or smaller, turned, wider or narrower, slanted.
#include "training/stroke_variants.h"

#include <cmath>

namespace {

// x' = a x + b y, y' = c x + d y about the first point.
struct Change {
    double a, b, c, d;
};

std::vector<ScreenPoint> changed(const std::vector<ScreenPoint>& points, const Change& m) {
    std::vector<ScreenPoint> result;
    result.reserve(points.size());
    ScreenPoint origin = points[0];
    for (ScreenPoint p : points) {
        double x = double(p.x) - origin.x, y = double(p.y) - origin.y;
        // Strokes live on a screen; a wild coordinate is kept within 32 bits rather than wrapped.
        double nx = std::fmax(-2e9, std::fmin(2e9, origin.x + m.a * x + m.b * y));
        double ny = std::fmax(-2e9, std::fmin(2e9, origin.y + m.c * x + m.d * y));
        result.push_back({static_cast<int32_t>(std::lround(nx)), static_cast<int32_t>(std::lround(ny))});
    }
    return result;
}

// Scaled by `scale`, `stretch` times wider and as much narrower, slanted by `slant`, then turned.
Change changeOf(double scale, double turn, double stretch, double slant) {
    double a = scale * stretch, b = scale * slant, d = scale / stretch;
    double c0 = std::cos(turn), s0 = std::sin(turn);
    return {c0 * a, c0 * b - s0 * d, s0 * a, s0 * b + c0 * d};
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
    std::vector<std::string> texts;
    for (int k = 0; k < 16; ++k) {
        double scale = std::exp(k & 1 ? 0.175 : -0.175), turn = k & 2 ? 0.07 : -0.07;
        double stretch = std::exp(k & 4 ? 0.14 : -0.14), slant = k & 8 ? 0.056 : -0.056;
        texts.push_back(strokeText(changed(points, changeOf(scale, turn, stretch, slant))));
    }
    for (double scale : {std::exp(0.25), std::exp(-0.25)})
        texts.push_back(strokeText(changed(points, changeOf(scale, 0, 1, 0))));
    for (double stretch : {std::exp(0.2), std::exp(-0.2)})
        texts.push_back(strokeText(changed(points, changeOf(1, 0, stretch, 0))));
    return texts;
}
