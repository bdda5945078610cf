// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// A spelling dictionary of one language.
class SpellChecker {
public:
    virtual ~SpellChecker() = default;
    // The words of the texts that the dictionary does not know, as the checker cuts the
    // texts into words.
    virtual QSet<QString> unknownWords(const QStringList &texts) const = 0;
    bool knows(const QString &word) const { return unknownWords({word}).isEmpty(); }
};

// Debian's hunspell with one of its dictionaries ("/usr/share/hunspell/ro_RO"), run
// once per question over all the texts.
class Hunspell : public SpellChecker {
public:
    explicit Hunspell(QString dictionary) : dictionary_(std::move(dictionary)) {}
    // Throws GenError when hunspell cannot be run.
    QSet<QString> unknownWords(const QStringList &texts) const override;

private:
    QString dictionary_;
};

} // namespace quillet::gendict
