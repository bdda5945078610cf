// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/DictionaryLoader.h"
#include "core/lookup/FormsTable.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <memory>

namespace quillet {

// The forms members of the archive, as they were read.
struct LoadedForms {
    LoadResult result;
    std::array<QByteArray, 2> lines; // per direction (index d - 1); empty when the archive has none
};

// The forms tables of a look-up that asks about a few words.
struct FormsOnDemand {
    LoadResult result;
    std::array<FormsTable, 2> tables; // per direction (index d - 1)
    // What went wrong reading a block later, when a word needed it.
    std::shared_ptr<QStringList> problems = std::make_shared<QStringList>();
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

    // The forms of the directions asked for as tables that read a block of the archive
    // only when a word could be in it; a direction whose archive holds its forms whole
    // (an older archive) has them read now.
    FormsOnDemand LoadFormsOnDemand(const QList<int> &directions) const;

private:
    QString programDir_;
};

} // namespace quillet
