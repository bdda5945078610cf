// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillet::bus {

// The name the running window holds on the session bus: the program's software-centre id.
QString ServiceName();
// The object the window exports: the id with its dots as slashes, "/org/example/quillet".
QString ObjectPath();
// The dictionary's own interface: Lookup, CommandLine, ShowWord, ShowPopup, ShowSelection.
QString InterfaceName();
// The interface a desktop uses to start and raise a D-Bus activatable program.
QString ApplicationInterfaceName();

// The errors the dictionary's methods answer with, each with a message that says what is wrong.
QString InvalidArgumentError(); // "<id>.Error.InvalidArgument"
QString BusyError();            // "<id>.Error.Busy"
QString NotReadyError();        // "<id>.Error.NotReady": the dictionary could not be loaded
QString NotSupportedError();    // "<id>.Error.NotSupported": a command line the window leaves to quillet-cli

} // namespace quillet::bus
