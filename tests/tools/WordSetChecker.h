// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gendict/SpellChecker.h"

namespace quillet::gendict::test {

// A spelling dictionary that knows the words it was given and cuts texts at blanks.
class WordSetChecker : public SpellChecker {
public:
    explicit WordSetChecker(QSet<QString> words) : words_(std::move(words)) {}
    QSet<QString> unknownWords(const QStringList &texts) const override
    {
        QSet<QString> unknown;
        for (const QString &text : texts) {
            for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
                if (!words_.contains(word))
                    unknown.insert(word);
            }
        }
        return unknown;
    }

private:
    QSet<QString> words_;
};

} // namespace quillet::gendict::test
