#pragma once

#include <QSet>
#include <QString>
#include <QStringView>

namespace quillet::gendict {

enum class Language { English, Romanian };

// Words obscene or offensive in every use, left out of the dictionary wherever they come
// from: a headword or a translation holding one of them as a word is dropped. The file
// beside the generator lists one entry a line under "[English]" or "[Romanian]" (English
// "cur" is a dog, Romanian "cur" is not): a word ("cunt"), a stem that begins words
// ("pizd*": "pizdă", "pizdos") or a stem found anywhere in a word ("*fuck*":
// "motherfucker"). '#' starts a comment line.
class StopList {
public:
    // Throws GenError on a missing file or a word before the first section.
    static StopList read(const QString &path);
    static StopList fromWords(const QStringList &english, const QStringList &romanian);

    // True when one of the text's words (runs of letters, and hyphenated compounds,
    // compared case-folded) is listed for its language, or begins with or holds a
    // listed stem.
    bool holdsAWordOf(QStringView text, Language language) const;

private:
    struct Words {
        QSet<QString> whole;
        QStringList prefixes;
        QStringList infixes;

        void add(const QString &entry);
        bool matches(const QString &word) const;
    };

    Words english_;
    Words romanian_;
};

} // namespace quillet::gendict
