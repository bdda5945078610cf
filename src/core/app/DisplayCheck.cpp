// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/DisplayCheck.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

std::optional<QString> MissingDisplay(const QProcessEnvironment &environment, const QStringList &arguments)
{
    const bool platformNamed =
        !environment.value(u"QT_QPA_PLATFORM"_s).isEmpty()
        || std::any_of(arguments.begin(), arguments.end(), [](const QString &argument) {
               return argument == u"-platform"_s || argument == u"--platform"_s
                      || argument.startsWith(u"-platform="_s) || argument.startsWith(u"--platform="_s);
           });
    if (platformNamed || !environment.value(u"DISPLAY"_s).isEmpty()
        || !environment.value(u"WAYLAND_DISPLAY"_s).isEmpty())
        return std::nullopt;
    return CannotOpenDisplay(u"neither DISPLAY nor WAYLAND_DISPLAY is set"_s);
}

QString CannotOpenDisplay(const QString &detail)
{
    return u"cannot open a display"_s + (detail.isEmpty() ? QString() : u" ("_s + detail + u')')
           + u"; a word given on the command line is looked up without one"_s;
}

} // namespace quillet
