#pragma once
// The program's identity as text: the values generated into Config.h, read
// through these accessors so that no other file spells them out.

#include <QString>

namespace cindrel {

/// "Cindrel": the caption of every message box, and the organisation and
/// application name under which the settings are kept.
QString applicationTitle();
/// The version, as project(VERSION ...) in CMakeLists.txt gives it.
QString applicationVersion();
/// "Cindrel v" and the version: the caption of every window of the program.
QString programWindowTitle();
/// The maker, "Velmor Softwares": the publisher, and on Windows the
/// registry key under which the settings are kept.
QString makerName();
/// The desktop entry's name without ".desktop" (also the AppStream id).
QString desktopId();

} // namespace cindrel
