// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>

namespace quillet::gendict {

// Why the generator stopped: an input file that is missing or malformed, or an output
// that could not be written. The message names the file and, where there is one, the line.
class GenError : public std::exception {
public:
    static GenError inFile(const QString &path, const QString &reason);
    static GenError atLine(const QString &path, qsizetype line, const QString &reason);

    const QString &message() const { return message_; }
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    explicit GenError(QString message);

    QString message_;
    QByteArray utf8_;
};

} // namespace quillet::gendict
