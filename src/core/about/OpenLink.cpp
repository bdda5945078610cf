// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/about/OpenLink.h"

using namespace Qt::StringLiterals;

namespace quillet::about {

void OpenLink(QString &target, LinkOpener &opener)
{
    if (target.startsWith(u'\\')) {
        target.remove(0, 1);
        if (target.left(6).toLower() == u"mailto"_s) {
            target.replace(u' ', u"%20"_s);
            opener.OpenMail(target);
            return;
        }
    }
    opener.ShellOpen(target);
}

QString MailLink(const QString &address)
{
    return u"mailto:"_s + address + u"?subject=Dictionary%20%20Comments"_s;
}

} // namespace quillet::about
