// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/EnglishMorphology.h"

#include <QDir>

#include <array>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

namespace {

// An ending of an inflected form and what replaces it in the base form.
struct Ending {
    PartOfSpeech pos;
    const char16_t *inflected;
    const char16_t *base;
};

// WordNet's regular endings, per word class.
constexpr std::array<Ending, 20> Endings{{
    {PartOfSpeech::Noun, u"s", u""},      {PartOfSpeech::Noun, u"ses", u"s"},
    {PartOfSpeech::Noun, u"xes", u"x"},   {PartOfSpeech::Noun, u"zes", u"z"},
    {PartOfSpeech::Noun, u"ches", u"ch"}, {PartOfSpeech::Noun, u"shes", u"sh"},
    {PartOfSpeech::Noun, u"men", u"man"}, {PartOfSpeech::Noun, u"ies", u"y"},
    {PartOfSpeech::Verb, u"s", u""},      {PartOfSpeech::Verb, u"ies", u"y"},
    {PartOfSpeech::Verb, u"es", u"e"},    {PartOfSpeech::Verb, u"es", u""},
    {PartOfSpeech::Verb, u"ed", u"e"},    {PartOfSpeech::Verb, u"ed", u""},
    {PartOfSpeech::Verb, u"ing", u"e"},   {PartOfSpeech::Verb, u"ing", u""},
    {PartOfSpeech::Adjective, u"er", u""}, {PartOfSpeech::Adjective, u"est", u""},
    {PartOfSpeech::Adjective, u"er", u"e"}, {PartOfSpeech::Adjective, u"est", u"e"},
}};

void appendNew(QStringList &list, const QString &item)
{
    if (!list.contains(item))
        list.append(item);
}

} // namespace

EnglishMorphology EnglishMorphology::load(const QString &dir, const WordNetIndex &index)
{
    EnglishMorphology morphology(index);
    for (const PartOfSpeech pos : WordClasses)
        morphology.addExceptionFile(SourceFile::read(QDir(dir).filePath(wordClassFileName(pos) + u".exc"_s)), pos);
    return morphology;
}

void EnglishMorphology::addExceptionFile(const SourceFile &file, PartOfSpeech pos)
{
    for (qsizetype i = 0; i < file.lines().size(); ++i) {
        QStringList fields = file.lines()[i].split(u' ', Qt::SkipEmptyParts);
        if (fields.isEmpty())
            continue;
        if (fields.size() < 2)
            throw file.errorAt(i + 1, u"expected an inflected form and its base forms"_s);
        const QString form = fields.takeFirst();
        addException(pos, form, fields);
    }
}

void EnglishMorphology::addException(PartOfSpeech pos, const QString &form, const QStringList &bases)
{
    QStringList keys;
    for (const QString &base : bases)
        keys.append(WordNetIndex::key(base));
    exceptions_[WordNetIndex::key(form)].append({pos, keys});
}

QStringList EnglishMorphology::baseForms(const QString &word, std::optional<PartOfSpeech> pos) const
{
    const QString key = WordNetIndex::key(word);
    QStringList bases;
    for (const Exception &exception : exceptions_.value(key)) {
        if (pos && exception.pos != *pos)
            continue;
        for (const QString &base : exception.bases) {
            if (base != key)
                appendNew(bases, base);
        }
    }
    const qsizetype lastWord = key.lastIndexOf(u'_') + 1;
    for (const Ending &ending : Endings) {
        if (pos && ending.pos != *pos)
            continue;
        const QString inflected = QString::fromUtf16(ending.inflected);
        if (!key.endsWith(inflected) || key.size() - lastWord <= inflected.size())
            continue;
        const QString base = key.chopped(inflected.size()) + QString::fromUtf16(ending.base);
        if (base != key && !index_->senses(base, ending.pos).isEmpty())
            appendNew(bases, base);
    }
    for (QString &base : bases)
        base.replace(u'_', u' ');
    return bases;
}

} // namespace quillet::gendict
