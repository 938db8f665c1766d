#include "workspace/FitRule.h"

#include "toolkit/core/Strings.h"

#include <algorithm>

Fit fitRule(int w, int h, int W, int H) {
    if (w <= W && h <= H)
        return {w, h, tk::Int(double(W - w) / 2.0), tk::Int(double(H - h) / 2.0), false};
    const double s = std::min(double(W) / double(w), double(H) / double(h));
    // A very long, thin picture still keeps a side of one pixel.
    return {std::max(1, tk::Int(double(w) * s)), std::max(1, tk::Int(double(h) * s)),
            tk::Int((double(W) - double(w) * s) / 2.0), tk::Int((double(H) - double(h) * s) / 2.0), true};
}
