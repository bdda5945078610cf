// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary/DictionaryReadAhead.h"

#include <QPromise>

#include <exception>

namespace quillet {

DictionaryReadAhead::DictionaryReadAhead(QString programDir) : programDir_(std::move(programDir))
{
    QPromise<DictionaryRead> read;
    read_ = read.future();
    reader_ = std::jthread([read = std::move(read), loader = DictionaryLoader(programDir_)]() mutable {
        read.start();
        try {
            read.addResult(loader.read());
        } catch (...) {
            read.setException(std::current_exception());
        }
        read.finish();
    });
}

} // namespace quillet
