// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/bus/GlobalShortcuts.h"

#include <QString>

namespace quillet {

// The command a desktop's own shortcut settings bind to a key.
inline constexpr QStringView SelectionCommand = u"quillet --selection";

// What the Options menu's "Look up from any program..." says, in the interface language.
// How to bind the command in the desktop's own shortcut settings.
QString ManualBindingText(bool english);
// The offer to register the key with the desktop's portal, naming the key proposed.
QString KeyOfferText(bool english);
// The key the desktop gave.
QString KeyBoundText(const QString &trigger, bool english);
// Why no key was registered, followed by the manual binding (the explanation alone when
// there is no portal).
QString KeyFailureText(bus::GlobalShortcuts::Failure failure, const QString &detail, bool english);
// The key asked of the portal: its id, what it does in the interface language, the key
// proposed.
bus::PortalShortcut SelectionShortcut(bool english);
// A key in the portal's notation ("CTRL+ALT+Q") as people write it ("Ctrl+Alt+Q").
QString KeyName(QStringView trigger);

} // namespace quillet
