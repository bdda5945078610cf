// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace quillet::gendict {

// Counts by name, kept in the order the names first came: what the generator prints.
class Tally {
public:
    void count(const QString &name, qsizetype n = 1);
    qsizetype value(const QString &name) const;
    const QList<QPair<QString, qsizetype>> &items() const { return items_; }

private:
    QList<QPair<QString, qsizetype>> items_;
};

} // namespace quillet::gendict
