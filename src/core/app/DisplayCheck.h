// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

namespace quillet {

// Why the window cannot find a display to open on, before it tries: no platform is named
// (-platform, QT_QPA_PLATFORM) and neither DISPLAY nor WAYLAND_DISPLAY is set. nullopt when
// there may be one; a display that is named but cannot be reached is told by the window
// system when the window starts (CannotOpenDisplay).
std::optional<QString> MissingDisplay(const QProcessEnvironment &environment, const QStringList &arguments);

// The problem a window that found no display reports, with the window system's own words
// when it gave any ("could not connect to display :9").
QString CannotOpenDisplay(const QString &detail);

} // namespace quillet
