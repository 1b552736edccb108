#pragma once
// The program's typeface.

#include <QFont>

namespace cindrel {

/// Verdana at the given size where the font exists, a close sans otherwise.
QFont verdana(qreal pointSize, bool bold = false, bool underline = false);

} // namespace cindrel
