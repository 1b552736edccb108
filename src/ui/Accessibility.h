#pragma once
// What a screen reader is told about the program's own kinds of controls:
// link labels read as links that can be pressed, containers read as panels
// or dialogs rather than as window frames, and what each link opens.

#include <QAccessible>
#include <QString>

#include "links/SitePages.h"

class QComboBox;
class QWidget;

namespace cindrel {

/// Registers the program's accessible interfaces with Qt. Call it before a
/// form builds its controls; calling it again does nothing.
void installAccessibleInterfaces();

/// Makes a widget read with the given role instead of the one Qt derives
/// from its class (e.g. a step frame as a panel). Call it before anything
/// else touches the widget's accessibility (setting its accessible name
/// creates the interface while a screen reader listens): the role is taken
/// when the interface is created.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

/// Names a drop-down list for a screen reader. Qt reads a list by its
/// current entry alone and ignores a name of its own; a list named here is
/// read by the name, with its entry as its value, and an entry selected in
/// its list through the accessibility actions becomes the one in use.
void setDropDownListName(QComboBox *list, const QString &name);

/// "Opens <page> in your web browser", the description of a control that
/// opens a page of the maker's site.
QString opensPageDescription(SitePage page);

} // namespace cindrel
