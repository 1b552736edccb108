#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace cindrel {

QFont verdana(qreal pointSize, bool bold, bool underline)
{
    // Asking fontconfig for a family it lacks makes it search for a
    // substitute at every font; look Verdana up once instead, in the list of
    // installed families. (QFontDatabase::hasFamily would first resolve the
    // name as an alias through fontconfig, a third of the whole start.)
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"),
                                                                     Qt::CaseInsensitive)
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace cindrel
