// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quillet::pack {

// The two columns of one data file, each ready to become an archive member: one line
// per entry, every line ended by LF, line k of one column belonging to line k of the
// other.
struct Columns {
    QByteArray headwords;
    QByteArray translations;
    qsizetype entries = 0;
};

// Reads a dictionary data file: UTF-8, one entry per line as "headword<TAB>translation".
// The translation is everything after the first tab and may be empty; the headword may
// not. A CR before the LF and a byte order mark at the start are tolerated and dropped.
class DataFileReader {
public:
    explicit DataFileReader(QString path);

    // Throws PackError naming the file and line of the first line that is not an entry.
    Columns read();

private:
    void addLine(QByteArrayView line, qsizetype number);
    [[noreturn]] void fail(qsizetype lineNumber, const QString &cause) const;

    QString path_;
    Columns columns_;
};

} // namespace quillet::pack
