// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace quillet {

// The user's home folder as the password database has it; empty when it has none.
QByteArray HomeFromPasswordDatabase();

// With HOME unset or empty, Qt would put the settings in "/.config" and the history in
// "/.local/share". Sets HOME to the password database's home folder then; leaves it as it
// is otherwise. Runs before anything asks Qt for a path.
void EnsureHomeIsSet();

} // namespace quillet
