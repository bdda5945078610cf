// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/RomanianSpelling.h"

#include "gendict/HeadwordOrder.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

namespace {

// Runs of letters: the words the spelling rule looks at.
template <typename Visit>
void forEachWord(const QString &text, const Visit &visit)
{
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool letter = i < text.size() && (text[i].isLetter() || text[i].isMark());
        if (letter && start < 0)
            start = i;
        else if (!letter && start >= 0) {
            visit(start, i - start);
            start = -1;
        }
    }
}

bool hasInnerOldI(QStringView word)
{
    return word.size() > 2 && word.sliced(1, word.size() - 2).contains(u'î');
}

} // namespace

QString RomanianSpelling::modernWord(const QString &word)
{
    static const QHash<QString, QString> verbs{
        {u"sînt"_s, u"sunt"_s}, {u"sîntem"_s, u"suntem"_s}, {u"sînteți"_s, u"sunteți"_s}};
    if (const auto found = verbs.constFind(word); found != verbs.cend())
        return *found;
    static const QStringList prefixes{u"ne"_s,    u"re"_s,   u"pre"_s,  u"dez"_s,  u"des"_s,
                                      u"sub"_s,   u"supra"_s, u"între"_s, u"auto"_s, u"anti"_s,
                                      u"semi"_s,  u"contra"_s, u"ultra"_s, u"super"_s, u"hiper"_s,
                                      u"tele"_s,  u"micro"_s, u"macro"_s, u"foto"_s, u"extra"_s,
                                      u"bine"_s,  u"nemai"_s, u"prea"_s};
    QString modern = word;
    for (qsizetype i = 1; i + 1 < modern.size(); ++i) {
        if (modern[i] == u'î' && !prefixes.contains(modern.first(i).toLower()))
            modern[i] = u'â';
    }
    return modern;
}

void RomanianSpelling::learn(const QStringList &texts, const SpellChecker *checker)
{
    QSet<QString> old;
    for (const QString &text : texts) {
        if (!text.contains(u'î'))
            continue;
        forEachWord(text, [&](qsizetype start, qsizetype length) {
            const QString word = text.sliced(start, length);
            if (hasInnerOldI(word) && !modern_.contains(word))
                old.insert(word);
        });
    }
    QStringList asked;
    for (const QString &word : old) {
        const QString modern = modernWord(word);
        if (modern != word)
            asked << word << modern;
    }
    const QSet<QString> unknown = checker ? checker->unknownWords(asked) : QSet<QString>();
    for (qsizetype i = 0; i + 1 < asked.size(); i += 2) {
        const bool keepOld = checker && unknown.contains(asked[i + 1]) && !unknown.contains(asked[i]);
        if (!keepOld)
            modern_.insert(asked[i], asked[i + 1]);
    }
}

QString RomanianSpelling::modern(const QString &text) const
{
    if (modern_.isEmpty() || !text.contains(u'î'))
        return text;
    QString out;
    qsizetype done = 0;
    forEachWord(text, [&](qsizetype start, qsizetype length) {
        out += text.sliced(done, start - done);
        const QString word = text.sliced(start, length);
        out += modern_.value(word, word);
        done = start + length;
    });
    return out + text.sliced(done);
}

qsizetype RomanianSpelling::dropUnmarkedDuplicates(QList<DictEntry> &entries, const SpellChecker *checker)
{
    if (!checker)
        return 0;
    const auto unmarked = [](const QString &headword) { return HeadwordOrder::baseForm(headword) == headword.toCaseFolded(); };
    QSet<QString> marked;
    for (const DictEntry &entry : entries) {
        if (!unmarked(entry.headword))
            marked.insert(HeadwordOrder::baseForm(entry.headword));
    }
    QStringList candidates;
    for (const DictEntry &entry : entries) {
        if (unmarked(entry.headword) && marked.contains(entry.headword.toCaseFolded()))
            candidates.append(entry.headword);
    }
    if (candidates.isEmpty())
        return 0;
    const QSet<QString> unknown = checker->unknownWords(candidates);
    const QSet<QString> dropped(candidates.begin(), candidates.end());
    const qsizetype before = entries.size();
    entries.removeIf([&](const DictEntry &entry) {
        if (!dropped.contains(entry.headword))
            return false;
        // A word of the headword the checker does not know: it lacks its diacritics.
        bool misspelt = false;
        forEachWord(entry.headword, [&](qsizetype start, qsizetype length) {
            misspelt = misspelt || unknown.contains(entry.headword.sliced(start, length));
        });
        return misspelt;
    });
    return before - entries.size();
}

} // namespace quillet::gendict
