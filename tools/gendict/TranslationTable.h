#pragma once

#include "gendict/DictEntry.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillet::gendict {

// Gathers the translations of one direction: one row per distinct headword (exact
// string), holding its distinct translations in the order they were first added.
class TranslationTable {
public:
    void add(const QString &headword, const QString &translation);

    qsizetype size() const { return rows_.size(); }
    // The rows in the order their headwords first came, each translation text being the
    // row's translations joined by ", ".
    QList<DictEntry> entries() const;

private:
    struct Row {
        QString headword;
        QStringList translations;
    };

    QHash<QString, qsizetype> rowOf_;
    QList<Row> rows_;
};

} // namespace quillet::gendict
