// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictionaryLoader.h"

#include <QFuture>
#include <QString>

#include <thread>

namespace quillet {

// The dictionary of a program folder read on a thread of its own from the moment this is
// made, for whoever fills a table from it later: a window starts it before anything of
// its own, so that the reading and the making of the window overlap. Going away waits for
// the reading to end.
class DictionaryReadAhead {
public:
    explicit DictionaryReadAhead(QString programDir);
    DictionaryReadAhead(const DictionaryReadAhead &) = delete;
    DictionaryReadAhead &operator=(const DictionaryReadAhead &) = delete;

    const QString &programDir() const { return programDir_; }
    // Finishes when the dictionary is read; watch it to be woken then.
    const QFuture<DictionaryRead> &reading() const { return read_; }
    // What was read, once reading() is finished: taken once.
    DictionaryRead take() { return read_.takeResult(); }

private:
    QString programDir_;
    QFuture<DictionaryRead> read_;
    std::jthread reader_; // ends before the future it fills goes
};

} // namespace quillet
