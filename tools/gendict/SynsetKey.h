// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringView>

#include <array>

#include <optional>

namespace quillet::gendict {

// WordNet's word classes, one data file each.
enum class PartOfSpeech { Noun, Verb, Adjective, Adverb };
constexpr std::array<PartOfSpeech, 4> WordClasses{PartOfSpeech::Noun, PartOfSpeech::Verb, PartOfSpeech::Adjective,
                                                  PartOfSpeech::Adverb};

// The name WordNet's files give a word class: "noun", "verb", "adj", "adv" (data.noun,
// index.adj, verb.exc).
QString wordClassFileName(PartOfSpeech pos);

// Names one WordNet 3.0 synset: its word class and the byte offset of its line in that
// class's data file. Written "13493399-n" by the Open Multilingual Wordnet.
class SynsetKey {
public:
    SynsetKey(PartOfSpeech pos, quint32 offset) : pos_(pos), offset_(offset) {}

    // Reads "dddddddd-x" with x one of n, v, a, r, or s (a satellite adjective, which
    // lives among the adjectives); nothing for anything else.
    static std::optional<SynsetKey> parse(QStringView text);
    // The word class of a WordNet synset type letter (n, v, a, s, r).
    static std::optional<PartOfSpeech> partOfSpeech(QStringView letter);
    // Reads WordNet's eight-digit offset.
    static std::optional<quint32> parseOffset(QStringView digits);

    PartOfSpeech pos() const { return pos_; }
    quint32 offset() const { return offset_; }

    friend bool operator==(const SynsetKey &, const SynsetKey &) = default;
    friend size_t qHash(const SynsetKey &key, size_t seed = 0)
    {
        return qHashMulti(seed, static_cast<int>(key.pos_), key.offset_);
    }

private:
    PartOfSpeech pos_;
    quint32 offset_;
};

} // namespace quillet::gendict
