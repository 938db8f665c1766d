#pragma once

// Where a picture of w x h pixels stands when fitted into a box of W x H: it
// keeps its size when it fits (equality included), and otherwise shrinks by
// the smaller of the two ratios, centred. Never enlarged; never less than one
// pixel on a side.
struct Fit {
    int width, height; // the fitted size
    int x, y;          // its offsets in the box
    bool scaled;       // False when the picture already fits
};

Fit fitRule(int w, int h, int W, int H);
