#pragma once
// The random choice of which promotional label lies in front.

namespace cindrel {

/// n = integer part of r * 6, plus 1: 1 to 6 for any draw 0 <= r < 1
/// (kept within 1 to 6 even for a draw outside that range).
int coBrandNumber(float r);

/// n of 2, 4 or 6 puts the full-brand label in front; 1, 3 or 5 the co-brand one.
bool fullBrandInFront(int n);

} // namespace cindrel
