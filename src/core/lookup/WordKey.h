// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace quillet {

// What two spellings of one word share when letter case and marks are set aside: the
// text case-folded, with the marks taken off its letters ("Roțile" and "rotile" give
// "rotile"). Word forms and headwords are looked up by it.
QString WordKey(QStringView text);

} // namespace quillet
