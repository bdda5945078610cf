// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/texts/TextTable.h"

#include <QString>

namespace quillet {

// A message in both interface languages at once, for what is said far from the window
// that shows it (why a file cannot be read, what an import refused): whoever shows it
// takes the language the user chose; the command line takes English.
class BilingualText {
public:
    BilingualText() = default;
    BilingualText(QString english, QString romanian) : english_(std::move(english)), romanian_(std::move(romanian)) {}
    template <typename Target>
    explicit BilingualText(const TextRow<Target> &row) : BilingualText(row.text(true), row.text(false))
    {
    }
    // A text that reads the same in both: a file's path, another library's own message.
    static BilingualText Verbatim(const QString &text) { return {text, text}; }

    bool isEmpty() const { return english_.isEmpty() && romanian_.isEmpty(); }
    const QString &english() const { return english_; }
    const QString &romanian() const { return romanian_; }
    const QString &in(bool english) const { return english ? english_ : romanian_; }

    // QString::arg in both languages: each language's text takes the argument in the
    // same language; a plain text or a number is the same in both.
    BilingualText arg(const BilingualText &a) const;
    BilingualText arg(const QString &a) const;
    BilingualText arg(qint64 n) const;
    BilingualText arg(int n) const { return arg(qint64(n)); }

    // The texts one after the other, language by language.
    BilingualText operator+(const BilingualText &after) const;

    friend bool operator==(const BilingualText &, const BilingualText &) = default;

private:
    QString english_;
    QString romanian_;
};

} // namespace quillet
