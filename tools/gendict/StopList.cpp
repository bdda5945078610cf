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
    for (const QString &word : english)
        list.english_.insert(word.normalized(QString::NormalizationForm_C).toCaseFolded());
    for (const QString &word : romanian)
        list.romanian_.insert(word.normalized(QString::NormalizationForm_C).toCaseFolded());
    return list;
}

bool StopList::holdsAWordOf(QStringView text, Language language) const
{
    const QSet<QString> &words = language == Language::English ? english_ : romanian_;
    const QString folded = text.toString().normalized(QString::NormalizationForm_C).toCaseFolded();
    QString word;
    for (const QChar c : folded) {
        if (c.isLetter() || c.isMark()) {
            word += c;
            continue;
        }
        if (words.contains(word))
            return true;
        word.clear();
    }
    return words.contains(word);
}

} // namespace quillet::gendict
