// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/WordNet.h"

#include "gendict/Lemma.h"

#include <QDir>

#include <array>
#include <iterator>
#include <utility>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

namespace {

// Walks the blank-separated fields of a data line from the left.
class FieldCursor {
public:
    explicit FieldCursor(QStringView line) : rest_(line) {}

    // The next field, or an empty view when the line has run out.
    QStringView next()
    {
        const qsizetype end = rest_.indexOf(u' ');
        const QStringView field = end < 0 ? rest_ : rest_.first(end);
        rest_ = end < 0 ? QStringView() : rest_.sliced(end + 1);
        return field;
    }

private:
    QStringView rest_;
};

} // namespace

WordNet WordNet::load(const QString &dir)
{
    WordNet wordNet;
    for (const PartOfSpeech pos : WordClasses)
        wordNet.addDataFile(SourceFile::read(QDir(dir).filePath(u"data."_s + wordClassFileName(pos))), pos);
    return wordNet;
}

void WordNet::addDataFile(const SourceFile &file, PartOfSpeech pos)
{
    const QStringList &lines = file.lines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // The licence at the top of every data file is indented by two blanks.
        if (!lines[i].startsWith(u' '))
            addLine(file, i + 1, pos);
    }
}

void WordNet::addLine(const SourceFile &file, qsizetype lineNumber, PartOfSpeech pos)
{
    const QString &line = file.lines()[lineNumber - 1];
    const qsizetype bar = line.indexOf(u" | ");
    FieldCursor fields(bar < 0 ? QStringView(line) : QStringView(line).first(bar));
    const std::optional<quint32> offset = SynsetKey::parseOffset(fields.next());
    if (!offset)
        throw file.errorAt(lineNumber, u"expected a synset line starting with an 8-digit offset"_s);
    SynsetLinks links;
    links.lexFile = fields.next().toInt();
    const QStringView type = fields.next();
    if (SynsetKey::partOfSpeech(type) != pos)
        throw file.errorAt(lineNumber, u"synset type \"%1\" does not belong in this file"_s.arg(type));
    bool isHex = false;
    const int count = fields.next().toInt(&isHex, 16);
    if (!isHex || count < 1)
        throw file.errorAt(lineNumber, u"expected a hexadecimal lemma count"_s);

    QStringList lemmas;
    for (int i = 0; i < count; ++i) {
        const QStringView lemma = fields.next();
        const QStringView lexicalId = fields.next();
        if (lemma.isEmpty() || lexicalId.isEmpty())
            throw file.errorAt(lineNumber, u"fewer lemmas than the count of %1"_s.arg(count));
        lemmas.append(lemma.toString());
    }
    const int pointerCount = fields.next().toInt();
    for (int i = 0; i < pointerCount; ++i) {
        const QStringView symbol = fields.next();
        const std::optional<quint32> target = SynsetKey::parseOffset(fields.next());
        const std::optional<PartOfSpeech> targetPos = SynsetKey::partOfSpeech(fields.next());
        fields.next();
        if (!target || !targetPos)
            continue;
        if (symbol == u";u" && targetPos == PartOfSpeech::Noun)
            links.usageDomains.append(*target);
        else if (symbol == u";c" && targetPos == PartOfSpeech::Noun)
            links.topicDomains.append(*target);
        else if (symbol == u"@" || symbol == u"@i")
            links.hypernyms.append(SynsetKey(*targetPos, *target));
        links.instance = links.instance || symbol == u"@i";
    }
    if (bar >= 0) {
        // The examples follow the definition, each in double quotes after "; ".
        const QStringView gloss = QStringView(line).sliced(bar + 3);
        const qsizetype examples = gloss.indexOf(u"; \"");
        links.gloss = (examples < 0 ? gloss : gloss.first(examples)).trimmed().toString();
    }
    if (!addSynset(SynsetKey(pos, *offset), lemmas, links))
        throw file.errorAt(lineNumber, u"synset %1 appears twice"_s.arg(*offset, 8, 10, QChar(u'0')));
}

bool WordNet::addSynset(const SynsetKey &key, const QStringList &rawLemmas, const SynsetLinks &links)
{
    Synsets &synsets = synsetsOf(key.pos());
    if (synsets.contains(key.offset()))
        return false;
    QStringList lemmas;
    for (const QString &raw : rawLemmas) {
        if (const std::optional<QString> cleaned = Lemma::clean(raw))
            lemmas.append(*cleaned);
    }
    synsets.insert(key.offset(), {lemmas, links});
    return true;
}

std::optional<SynsetMatch> WordNet::find(const SynsetKey &key) const
{
    const Synsets &synsets = synsetsOf(key.pos());
    if (synsets.contains(key.offset()))
        return SynsetMatch{key, 0};
    const auto withinReach = [&](Synsets::const_iterator it) {
        return it != synsets.cend() && it.key() - key.offset() <= MaxShift;
    };
    const auto nearest = synsets.upperBound(key.offset());
    if (!withinReach(nearest) || withinReach(std::next(nearest)))
        return std::nullopt;
    return SynsetMatch{SynsetKey(key.pos(), nearest.key()), nearest.key() - key.offset()};
}

const QStringList *WordNet::lemmas(const SynsetKey &key) const
{
    const Synsets &synsets = synsetsOf(key.pos());
    const auto found = synsets.constFind(key.offset());
    return found == synsets.cend() ? nullptr : &found->lemmas;
}

const SynsetLinks *WordNet::links(const SynsetKey &key) const
{
    const Synsets &synsets = synsetsOf(key.pos());
    const auto found = synsets.constFind(key.offset());
    return found == synsets.cend() ? nullptr : &found->links;
}

QStringList WordNet::usageDomainLemmas(const SynsetKey &key) const
{
    QStringList lemmas;
    if (const SynsetLinks *own = links(key)) {
        for (const quint32 domain : own->usageDomains) {
            if (const QStringList *names = this->lemmas({PartOfSpeech::Noun, domain}))
                lemmas += *names;
        }
    }
    return lemmas;
}

QStringList WordNet::topicDomainLemmas(const SynsetKey &key) const
{
    QStringList lemmas;
    if (const SynsetLinks *own = links(key)) {
        for (const quint32 domain : own->topicDomains) {
            const QStringList *names = this->lemmas({PartOfSpeech::Noun, domain});
            if (names && !names->isEmpty())
                lemmas.append(names->constFirst());
        }
    }
    return lemmas;
}

qsizetype WordNet::synsetCount() const
{
    qsizetype count = 0;
    for (const Synsets &synsets : synsets_)
        count += synsets.size();
    return count;
}

QList<SynsetKey> WordNet::synsetKeys() const
{
    QList<SynsetKey> keys;
    for (size_t pos = 0; pos < synsets_.size(); ++pos) {
        for (auto it = synsets_[pos].cbegin(); it != synsets_[pos].cend(); ++it)
            keys.append(SynsetKey(PartOfSpeech(pos), it.key()));
    }
    return keys;
}

} // namespace quillet::gendict
