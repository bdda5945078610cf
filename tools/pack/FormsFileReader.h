// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/lookup/FormsTable.h"

#include <QByteArray>
#include <QString>

namespace quillet::pack {

// Reads a forms data file: UTF-8, one line per base form, "base<TAB>form<TAB>form...",
// each form an inflected form of the base; a CR before the LF and a byte order mark at
// the start are tolerated. Gives the archive member the program reads: the pairs as
// FormsTable lines, in its order.
class FormsFileReader {
public:
    explicit FormsFileReader(QString path) : path_(std::move(path)) {}

    // Throws PackError naming the file and line of the first line that is not a base
    // with its forms.
    QByteArray read() const;

private:
    QString path_;
};

} // namespace quillet::pack
