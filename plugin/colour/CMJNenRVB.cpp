#include "CMJNenRVB.h"

RVB16 CMJNenRVB(float c, float m, float y, float k)
{
    const float t = 1.0f - k;
    const auto composante = [&](float encre) { return (1.0f - (t * encre + k)) * 65535.0f; };
    return {composante(c), composante(m), composante(y)};
}
