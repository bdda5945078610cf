// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/WordNetIndex.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

WordNetIndex WordNetIndex::load(const QString &dir)
{
    WordNetIndex index;
    for (const PartOfSpeech pos : WordClasses)
        index.addIndexFile(SourceFile::read(QDir(dir).filePath(u"index."_s + wordClassFileName(pos))), pos);
    index.addCountFile(SourceFile::read(QDir(dir).filePath(u"cntlist.rev"_s)));
    return index;
}

void WordNetIndex::addIndexFile(const SourceFile &file, PartOfSpeech pos)
{
    for (qsizetype i = 0; i < file.lines().size(); ++i) {
        const QString &line = file.lines()[i];
        // The licence at the top of every index file is indented by two blanks.
        if (line.isEmpty() || line.startsWith(u' '))
            continue;
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        bool ok = fields.size() >= 4;
        const int pointers = ok ? fields[3].toInt(&ok) : 0;
        const qsizetype first = 4 + pointers + 2;
        const int synsetCount = ok ? fields[2].toInt(&ok) : 0;
        if (!ok || fields.size() != first + synsetCount)
            throw file.errorAt(i + 1, u"expected lemma, word class, counts, pointers and synset offsets"_s);
        QList<quint32> synsets;
        for (qsizetype f = first; f < fields.size(); ++f) {
            const std::optional<quint32> offset = SynsetKey::parseOffset(fields[f]);
            if (!offset)
                throw file.errorAt(i + 1, u"expected an 8-digit synset offset"_s);
            synsets.append(*offset);
        }
        addLemma(pos, fields[0], synsets);
    }
}

void WordNetIndex::addCountFile(const SourceFile &file)
{
    // The word class of a sense key's synset type number: 1 noun, 2 verb, 3 adjective,
    // 4 adverb, 5 satellite adjective.
    static const std::array<PartOfSpeech, 5> classes{PartOfSpeech::Noun, PartOfSpeech::Verb,
                                                     PartOfSpeech::Adjective, PartOfSpeech::Adverb,
                                                     PartOfSpeech::Adjective};
    for (qsizetype i = 0; i < file.lines().size(); ++i) {
        const QStringList fields = file.lines()[i].split(u' ', Qt::SkipEmptyParts);
        if (fields.isEmpty())
            continue;
        const qsizetype percent = fields[0].indexOf(u'%');
        bool numbers = fields.size() == 3;
        const int senseNumber = numbers ? fields[1].toInt(&numbers) : 0;
        const int count = numbers ? fields[2].toInt(&numbers) : 0;
        const int type = percent > 0 && percent + 1 < fields[0].size() ? fields[0][percent + 1].digitValue() : 0;
        if (!numbers || type < 1 || type > 5)
            throw file.errorAt(i + 1, u"expected a sense key, a sense number and a count"_s);
        setTagCount(classes[size_t(type - 1)], fields[0].first(percent), senseNumber, count);
    }
}

void WordNetIndex::addLemma(PartOfSpeech pos, const QString &lemma, const QList<quint32> &synsets)
{
    QList<Sense> &senses = lemmas_[key(lemma)][size_t(pos)];
    senses.clear();
    for (const quint32 offset : synsets)
        senses.append({offset, 0});
}

void WordNetIndex::setTagCount(PartOfSpeech pos, const QString &lemma, int senseNumber, int count)
{
    const auto found = lemmas_.find(key(lemma));
    if (found == lemmas_.end())
        return;
    QList<Sense> &senses = (*found)[size_t(pos)];
    if (senseNumber >= 1 && senseNumber <= senses.size())
        senses[senseNumber - 1].tagCount = count;
}

QString WordNetIndex::key(const QString &word)
{
    QString key = word.toLower();
    key.replace(u' ', u'_');
    return key;
}

bool WordNetIndex::hasLemma(const QString &word) const
{
    return lemmas_.contains(key(word));
}

const WordNetIndex::Sense *WordNetIndex::find(const QString &lemma, const SynsetKey &synset, int *number) const
{
    const auto found = lemmas_.constFind(key(lemma));
    if (found == lemmas_.cend())
        return nullptr;
    const QList<Sense> &senses = (*found)[size_t(synset.pos())];
    for (qsizetype i = 0; i < senses.size(); ++i) {
        if (senses[i].offset == synset.offset()) {
            *number = int(i + 1);
            return &senses[i];
        }
    }
    return nullptr;
}

int WordNetIndex::senseNumber(const QString &lemma, const SynsetKey &synset) const
{
    int number = 0;
    find(lemma, synset, &number);
    return number;
}

int WordNetIndex::tagCount(const QString &lemma, const SynsetKey &synset) const
{
    int number = 0;
    const Sense *sense = find(lemma, synset, &number);
    return sense ? sense->tagCount : 0;
}

bool WordNetIndex::isCommonSense(const QString &lemma, const SynsetKey &synset) const
{
    int number = 0;
    const Sense *sense = find(lemma, synset, &number);
    return sense && (number == 1 || sense->tagCount > 0);
}

std::optional<SynsetKey> WordNetIndex::sense(const QString &lemma, PartOfSpeech pos, int senseNumber) const
{
    const QList<SynsetKey> all = senses(lemma, pos);
    if (senseNumber < 1 || senseNumber > all.size())
        return std::nullopt;
    return all[senseNumber - 1];
}

QList<SynsetKey> WordNetIndex::senses(const QString &lemma, PartOfSpeech pos) const
{
    QList<SynsetKey> keys;
    const auto found = lemmas_.constFind(key(lemma));
    if (found != lemmas_.cend()) {
        for (const Sense &sense : (*found)[size_t(pos)])
            keys.append(SynsetKey(pos, sense.offset));
    }
    return keys;
}

} // namespace quillet::gendict
