#include "about/DesktopLinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillet::about {

// The outcome is not examined: a link that does not open simply does nothing.
void DesktopLinkOpener::ShellOpen(const QString &target)
{
    QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

void DesktopLinkOpener::OpenMail(const QString &target)
{
    QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

} // namespace quillet::about
