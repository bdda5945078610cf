// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/about/AboutLinks.h"

namespace quillet::about {

AboutLinks BuiltInLinks()
{
    return {QStringLiteral(QUILLET_HOME_PAGE), QStringLiteral(QUILLET_MAIL_ADDRESS),
            QStringLiteral(QUILLET_LATEST_VERSION_ADDRESS), QStringLiteral(QUILLET_OTHER_PROGRAM_ADDRESS)};
}

} // namespace quillet::about
