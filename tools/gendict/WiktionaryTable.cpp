// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/WiktionaryTable.h"

#include "gendict/Gloss.h"

using namespace Qt::StringLiterals;

namespace quillet::gendict {

WiktionaryTable WiktionaryTable::read(const QString &path)
{
    return parse(SourceFile::read(path));
}

WiktionaryTable WiktionaryTable::parse(const SourceFile &file)
{
    WiktionaryTable table;
    const QStringList &lines = file.lines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line(lines[i]);
        if (line.trimmed().isEmpty() || line.startsWith(u'#') || line.startsWith(u"SEE:"))
            continue;
        const qsizetype separator = line.indexOf(u" :: ");
        if (separator < 0)
            throw file.errorAt(i + 1, u"expected \"headword {pos} (sense) :: translations\""_s);
        TableSense sense;
        sense.line = i + 1;
        const QStringView left = line.first(separator);
        const qsizetype brace = left.indexOf(u" {");
        const qsizetype braceEnd = brace < 0 ? -1 : left.indexOf(u'}', brace);
        sense.headword = (brace < 0 ? left : left.first(brace)).trimmed().toString();
        if (braceEnd > 0) {
            sense.partOfSpeech = left.sliced(brace + 2, braceEnd - brace - 2).toString();
            QStringView gloss = left.sliced(braceEnd + 1).trimmed();
            if (gloss.startsWith(u'(') && gloss.endsWith(u')'))
                gloss = gloss.sliced(1, gloss.size() - 2);
            sense.gloss = gloss.toString();
        }
        // A saying's translation is a saying too: its commas are its own
        // ("cum a venit, așa a plecat").
        const bool saying = sense.partOfSpeech == u"proverb"_s || sense.partOfSpeech == u"phrase"_s;
        const QStringView translations = line.sliced(separator + 4);
        sense.translations =
            saying ? QStringList{translations.trimmed().toString()} : Gloss::renderings(translations);
        table.senses_.append(sense);
    }
    return table;
}

} // namespace quillet::gendict
