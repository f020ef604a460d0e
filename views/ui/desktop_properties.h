#pragma once

#include <QStringList>

namespace nubo {

// Asks the desktop's file manager (the freedesktop FileManager1 interface on the session
// bus) to show its own properties dialog for local paths. False when no file manager
// answers there; the caller then shows its own box.
bool showDesktopProperties(const QStringList& paths);

}  // namespace nubo
