#pragma once

#include <QProcessEnvironment>

namespace NoDisplay
{

// This process's environment with no display at all: a program run in it
// that created a window-system connection would fail to start.
inline QProcessEnvironment environment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

} // namespace NoDisplay
