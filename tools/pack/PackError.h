// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <stdexcept>

namespace quillet::pack {

// Any failure of the packer; the message names the file (and line) and the cause.
class PackError : public std::runtime_error {
public:
    explicit PackError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

} // namespace quillet::pack
