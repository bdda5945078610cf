#include "gendict/StopList.h"

#include "gendict/SourceFile.h"

namespace quillet::gendict {

StopList StopList::read(const QString &path)
{
    const SourceFile file = SourceFile::read(path);
    QStringList words;
    for (const QString &line : file.lines()) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && !word.startsWith(u'#'))
            words.append(word);
    }
    return fromWords(words);
}

StopList StopList::fromWords(const QStringList &words)
{
    StopList list;
    for (const QString &word : words)
        list.words_.insert(word.normalized(QString::NormalizationForm_C).toCaseFolded());
    return list;
}

bool StopList::holdsAWordOf(QStringView text) const
{
    const QString folded = text.toString().normalized(QString::NormalizationForm_C).toCaseFolded();
    QString word;
    for (const QChar c : folded) {
        if (c.isLetter() || c.isMark()) {
            word += c;
            continue;
        }
        if (words_.contains(word))
            return true;
        word.clear();
    }
    return words_.contains(word);
}

} // namespace quillet::gendict
