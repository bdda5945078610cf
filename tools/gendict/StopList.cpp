// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/StopList.h"

#include "gendict/SourceFile.h"

using namespace Qt::StringLiterals;

namespace quillet::gendict {

StopList StopList::read(const QString &path)
{
    const SourceFile file = SourceFile::read(path);
    QStringList english;
    QStringList romanian;
    QStringList *section = nullptr;
    for (qsizetype i = 0; i < file.lines().size(); ++i) {
        const QString word = file.lines()[i].trimmed();
        if (word.isEmpty() || word.startsWith(u'#'))
            continue;
        if (word == u"[English]"_s)
            section = &english;
        else if (word == u"[Romanian]"_s)
            section = &romanian;
        else if (section)
            section->append(word);
        else
            throw file.errorAt(i + 1, u"a word before the first section, [English] or [Romanian]"_s);
    }
    return fromWords(english, romanian);
}

StopList StopList::fromWords(const QStringList &english, const QStringList &romanian)
{
    StopList list;
    for (const auto &[words, section] : {std::pair{&english, &list.english_}, {&romanian, &list.romanian_}}) {
        for (const QString &word : *words) {
            section->all.add(word);
            if (word.startsWith(u'!'))
                section->senseWords.add(word);
        }
    }
    return list;
}

void StopList::Words::add(QString entry)
{
    if (entry.startsWith(u'!'))
        entry.remove(0, 1);
    QString word = entry.normalized(QString::NormalizationForm_C).toCaseFolded();
    const bool anywhere = word.startsWith(u'*');
    const bool stem = word.endsWith(u'*');
    word.remove(u'*');
    if (word.isEmpty())
        return;
    if (word.contains(u' '))
        phrases.append(u' ' + word.simplified() + u' ');
    else if (anywhere)
        infixes.append(word);
    else if (stem)
        prefixes.append(word);
    else
        whole.insert(word);
}

bool StopList::Words::matches(const QString &word) const
{
    if (word.isEmpty())
        return false;
    return whole.contains(word)
        || std::any_of(prefixes.begin(), prefixes.end(), [&](const QString &p) { return word.startsWith(p); })
        || std::any_of(infixes.begin(), infixes.end(), [&](const QString &p) { return word.contains(p); });
}

bool StopList::Words::holdIn(QStringView text) const
{
    const QString folded = text.toString().normalized(QString::NormalizationForm_C).toCaseFolded() + u' ';
    // Each run of letters is a word, and so is each hyphenated compound ("half-breed");
    // a phrase is listed words one after the other.
    QString word;
    QString compound;
    QString words = u" "_s;
    for (const QChar c : folded) {
        if (c.isLetter() || c.isMark()) {
            word += c;
            compound += c;
            continue;
        }
        if (!word.isEmpty())
            words += word + u' ';
        if (matches(word))
            return true;
        word.clear();
        if (c == u'-') {
            compound += c;
            continue;
        }
        if (compound.contains(u'-') && matches(compound))
            return true;
        compound.clear();
    }
    return std::any_of(phrases.begin(), phrases.end(), [&](const QString &p) { return words.contains(p); });
}

bool StopList::holdsAWordOf(QStringView text, Language language) const
{
    return of(language).all.holdIn(text);
}

bool StopList::namesAnObsceneSense(QStringView text, Language language) const
{
    return of(language).senseWords.holdIn(text);
}

} // namespace quillet::gendict
