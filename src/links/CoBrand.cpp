#include "CoBrand.h"

#include <algorithm>

namespace cindrel {

int coBrandNumber(float r)
{
    // Any draw outside [0, 1) (NaN included) still lands on 1 to 6. r * 6 is
    // computed in single precision, as the draw is; just below 1 it may round
    // up to exactly 6, which still belongs to the sixth number.
    return r >= 0.0f ? std::min(static_cast<int>(std::min(r, 1.0f) * 6.0f) + 1, 6) : 1;
}

bool fullBrandInFront(int n)
{
    return n == 2 || n == 4 || n == 6;
}

} // namespace cindrel
