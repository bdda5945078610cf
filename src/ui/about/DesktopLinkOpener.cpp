// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about/DesktopLinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillet::about {

// The outcome is not examined: a link that does not open simply does nothing. A web
// address may leave out its scheme ("www.example.org"), as the desktop's shell allows.
void DesktopLinkOpener::ShellOpen(const QString &target)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

void DesktopLinkOpener::OpenMail(const QString &target)
{
    QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

} // namespace quillet::about
