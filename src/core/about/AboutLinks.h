// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillet::about {

// Where the About window's links lead. Whoever builds the program sets them (the
// QUILLET_*_ADDRESS build options); the defaults lie under example.org.
struct AboutLinks {
    QString homePage;       // the maker's web page, shown as the link's caption
    QString mailAddress;    // the author's e-mail address
    QString latestVersion;  // the packed archive of this dictionary's latest version
    QString otherProgram;   // the packed archive of the maker's other program
};

AboutLinks BuiltInLinks();

} // namespace quillet::about
