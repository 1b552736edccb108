#include "CoBrand.h"

#include <cmath>

namespace cindrel {

int coBrandNumber(float r)
{
    // Any draw outside [0, 1) (NaN included) still lands on 1 to 6.
    if (!(r >= 0.0f))
        return 1;
    if (r >= 1.0f)
        return 6;
    // r * 6 is computed in single precision, as the draw is; just below 1 it
    // may round up to exactly 6, which still belongs to the sixth number.
    const float scaled = r * 6.0f;
    const int n = static_cast<int>(std::floor(scaled)) + 1;
    return n > 6 ? 6 : n;
}

bool fullBrandInFront(int n)
{
    return n == 2 || n == 4 || n == 6;
}

} // namespace cindrel
