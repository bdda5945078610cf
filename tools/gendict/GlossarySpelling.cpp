// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/GlossarySpelling.h"

#include "gendict/GenError.h"
#include "gendict/SourceFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

const QString GlossarySpelling::AllowListFolder = u"spelling"_s;

SpellingAllowList SpellingAllowList::read(const QString &path)
{
    SpellingAllowList list;
    if (!QFileInfo::exists(path))
        return list;
    const SourceFile file = SourceFile::read(path);
    for (qsizetype i = 0; i < file.lines().size(); ++i) {
        const QString &line = file.lines()[i];
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 3 || (fields[0] != u"en"_s && fields[0] != u"ro"_s) || fields[1].trimmed().isEmpty()
            || fields[2].trimmed().isEmpty())
            throw file.errorAt(i + 1, u"expected \"en\" or \"ro\", a tab, the word, a tab and the reason"_s);
        (fields[0] == u"en"_s ? list.english_ : list.romanian_).insert(fields[1]);
    }
    return list;
}

bool SpellingAllowList::allows(Language language, const QString &word) const
{
    return (language == Language::English ? english_ : romanian_).contains(word);
}

namespace {

bool holdsWord(const QString &text, const QString &word)
{
    const QRegularExpression pattern(u"(?<![\\w'-])"_s + QRegularExpression::escape(word) + u"(?![\\w'-])"_s,
                                     QRegularExpression::UseUnicodePropertiesOption);
    return pattern.match(text).hasMatch();
}

} // namespace

QList<qsizetype> GlossarySpelling::check(const Glossary &glossary, const QString &glossaryDir,
                                         const SpellChecker &english, const SpellChecker &romanian)
{
    const QDir lists(QDir(glossaryDir).filePath(AllowListFolder));
    QList<SpellingAllowList> allowed;
    QList<qsizetype> sizes;
    for (const QString &file : glossary.files()) {
        allowed.append(SpellingAllowList::read(lists.filePath(file)));
        sizes.append(allowed.last().size());
    }
    QStringList englishTexts;
    QStringList romanianTexts;
    for (const GlossaryPair &pair : glossary.pairs()) {
        englishTexts.append(pair.english);
        romanianTexts.append(pair.romanian);
    }
    const QSet<QString> unknownEnglish = english.unknownWords(englishTexts);
    const QSet<QString> unknownRomanian = romanian.unknownWords(romanianTexts);
    QStringList faults;
    const auto look = [&](const GlossaryPair &pair, Language language, const QString &text,
                          const QSet<QString> &unknown) {
        for (const QString &word : unknown) {
            if (holdsWord(text, word) && !allowed[pair.field].allows(language, word))
                faults.append(u"%1:%2: \"%3\" is unknown to the %4 spelling dictionary and not on the allow list"_s.arg(
                    QDir(glossaryDir).filePath(glossary.files()[pair.field]), QString::number(pair.line), word,
                    language == Language::English ? u"English"_s : u"Romanian"_s));
        }
    };
    for (const GlossaryPair &pair : glossary.pairs()) {
        look(pair, Language::English, pair.english, unknownEnglish);
        look(pair, Language::Romanian, pair.romanian, unknownRomanian);
    }
    if (!faults.isEmpty())
        throw GenError::inFile(glossaryDir, u"words of the glossary misspelt or unknown:\n"_s + faults.join(u'\n'));
    return sizes;
}

} // namespace quillet::gendict
