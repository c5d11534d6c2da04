// CMYK to RGB for the screen, shared by the colour editor's views and the type-size view.
#pragma once

struct RVB16 {
    float rouge, vert, bleu; // 0 to 65535 for inputs within 0 to 1
};

// c, m, y, k are fractions from 0 to 1; with t = 1 - k, each component is
// (1 - (t × ink + k)) × 65535, all in single precision. Nothing is clamped.
RVB16 CMJNenRVB(float c, float m, float y, float k);
