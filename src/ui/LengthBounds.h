#pragma once
// Bounding what a line edit holds.

#include <functional>

class QLineEdit;

namespace cindrel {

/// Bounds what a line edit holds to maxLength characters. Text typed,
/// pasted or dropped that does not fit, all or in part, calls tooLong once
/// the edit has finished (never in the middle of it, so tooLong may show a
/// modal message box).
void boundLength(QLineEdit *edit, int maxLength, std::function<void()> tooLong);

} // namespace cindrel
