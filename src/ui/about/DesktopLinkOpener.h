// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/about/OpenLink.h"

namespace quillet::about {

// Opens links with the desktop's own handlers for web and mail addresses.
class DesktopLinkOpener : public LinkOpener {
public:
    void ShellOpen(const QString &target) override;
    void OpenMail(const QString &target) override;
};

} // namespace quillet::about
