// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillet::about {

// Hands links to the desktop. The program opens web pages and mail through it and
// never through a command line; tests put one in that only records.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // A web address, opened by the desktop's web browser.
    virtual void ShellOpen(const QString &target) = 0;
    // A "mailto:" link, opened by the desktop's mail program.
    virtual void OpenMail(const QString &target) = 0;
};

// Opens target, rewriting it in place: a leading backslash is removed; a target that
// then starts with "mailto" in any letter case, and only when it had the backslash, has
// every blank written as %20 and goes to the mail program; anything else goes to
// ShellOpen as it stands.
void OpenLink(QString &target, LinkOpener &opener);

// The author's mail link with its fixed subject "Dictionary  Comments".
QString MailLink(const QString &address);

} // namespace quillet::about
