#pragma once

#include <QSet>
#include <QString>
#include <QStringView>

namespace quillet::gendict {

// Words obscene in every use, left out of the dictionary wherever they come from: a
// headword or a translation holding one of them as a word is dropped. The file beside
// the generator lists one word a line; '#' starts a comment line.
class StopList {
public:
    // Throws GenError on a missing file.
    static StopList read(const QString &path);
    static StopList fromWords(const QStringList &words);

    // True when one of the text's words (runs of letters, compared case-folded) is listed.
    bool holdsAWordOf(QStringView text) const;
    qsizetype size() const { return words_.size(); }

private:
    QSet<QString> words_;
};

} // namespace quillet::gendict
