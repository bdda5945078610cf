// SPDX-License-Identifier: GPL-3.0-or-later
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
// "motherfucker"), or a phrase of words one after the other ("jerk off"). An entry marked with a leading "!" is a word that names an obscene
// sense wherever it is listed: a WordNet synset with it among its lemmas is that sense
// and goes whole. '#' starts a comment line.
class StopList {
public:
    // Throws GenError on a missing file or a word before the first section.
    static StopList read(const QString &path);
    static StopList fromWords(const QStringList &english, const QStringList &romanian);

    // True when one of the text's words (runs of letters, and hyphenated compounds,
    // compared case-folded) is listed for its language, or begins with or holds a
    // listed stem.
    bool holdsAWordOf(QStringView text, Language language) const;
    // True when the text holds a word marked as naming an obscene sense.
    bool namesAnObsceneSense(QStringView text, Language language) const;

private:
    struct Words {
        QSet<QString> whole;
        QStringList prefixes;
        QStringList infixes;
        QStringList phrases; // " jerk off ": its words between blanks

        void add(QString entry);
        bool matches(const QString &word) const;
        bool holdIn(QStringView text) const;
    };
    // One language's entries: all of them, and those marked "!".
    struct Section {
        Words all;
        Words senseWords;
    };

    const Section &of(Language language) const { return language == Language::English ? english_ : romanian_; }

    Section english_;
    Section romanian_;
};

} // namespace quillet::gendict
