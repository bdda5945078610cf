// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/GenError.h"

using namespace Qt::StringLiterals;

namespace quillet::gendict {

GenError::GenError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}

GenError GenError::inFile(const QString &path, const QString &reason)
{
    return GenError(u"%1: %2"_s.arg(path, reason));
}

GenError GenError::atLine(const QString &path, qsizetype line, const QString &reason)
{
    return GenError(u"%1:%2: %3"_s.arg(path).arg(line).arg(reason));
}

} // namespace quillet::gendict
