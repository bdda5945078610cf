// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/HeadwordIndex.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace quillet {

// The search index of one direction's headwords as the packer stores it in the archive
// beside them, so that a load takes it as it is instead of folding and sorting every
// headword again. It holds the three folded texts and the byte orders the searches use,
// and is tied to the headwords member it was made from by that member's size, number of
// lines and a hash of its bytes; the headwords themselves are that member.
//
//   "QLHI", version, entries, headwords' byte count, headwords' hash (little-endian);
//   then the folded, the mark-free and the folded mark-free texts, each as its byte count
//   and its bytes; then the byte order of each of the four texts, as entries numbers
//   each (or none), every number a little-endian 32-bit word.
class HeadwordIndexFile {
public:
    static constexpr quint32 Version = 1;

    // What the packer stores for the headwords member and the index made from its lines.
    static QByteArray encode(const HeadwordIndex &index, QByteArrayView headwords);

    // The index the file holds for this headwords member (`entries` lines of it, as the
    // loader read them), or nothing when the file is of another version, of other
    // headwords, or damaged: the loader then makes the index itself. The index keeps the
    // file's texts where they lie: it shares the file instead of copying them.
    static std::optional<HeadwordIndex> decode(const QByteArray &file, QByteArrayView headwords, int entries);
};

} // namespace quillet
