// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/DictionaryLoader.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace quillet {

// The forms members of the archive, as they were read.
struct LoadedForms {
    LoadResult result;
    std::array<QByteArray, 2> lines; // per direction (index d - 1); empty when the archive has none
};

// Reads the inflected forms of the dictionary's headwords from the archive in the
// program's folder, after the dictionary itself: only the forms members of the
// directions asked for are decrypted and unpacked, straight into memory. The forms are
// optional: a member past a bound (its size, or a line longer than files::MaxLineBytes)
// is left out and named in the result, and the others are given all the same.
class FormsLoader {
public:
    // A forms member is a few megabytes; anything past this is not read.
    static constexpr qint64 MaxFileBytes = files::MaxFormsBytes;

    explicit FormsLoader(QString programDir) : programDir_(std::move(programDir)) {}

    LoadedForms LoadForms(const QList<int> &directions, const LoadObserver &observer) const;

private:
    QString programDir_;
};

} // namespace quillet
