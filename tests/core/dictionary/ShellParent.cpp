// SPDX-License-Identifier: GPL-3.0-or-later
// A parent for the tests of the child-process wait: runs its one argument as a shell
// script through ShellAndWait and ends with the script's exit code.
#include "core/dictionary/ShellAndWait.h"

#include <QDir>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    quillet::ShellOptions options;
    options.timeLimit = std::chrono::minutes(1);
    return quillet::ShellAndWait({QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromLocal8Bit(argv[1])},
                                  QDir::currentPath()},
                                 options);
}
