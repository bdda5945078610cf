// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/UserHome.h"

#include <QtGlobal>

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace quillet {

QByteArray HomeFromPasswordDatabase()
{
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? std::size_t(suggested) : 16384);
    struct passwd entry {};
    struct passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr
        || found->pw_dir == nullptr)
        return {};
    return QByteArray(found->pw_dir);
}

void EnsureHomeIsSet()
{
    if (!qEnvironmentVariableIsEmpty("HOME"))
        return;
    const QByteArray home = HomeFromPasswordDatabase();
    if (!home.isEmpty())
        qputenv("HOME", home);
}

} // namespace quillet
