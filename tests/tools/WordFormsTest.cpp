// SPDX-License-Identifier: GPL-3.0-or-later
// The forms files: the Romanian entries' inflected forms and WordNet's irregular English
// forms, cleaned and grouped by base form.
#include "gendict/GenError.h"
#include "gendict/WordForms.h"

#include "GzipWriter.h"
#include "QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;
using namespace quillet::gendict::test;
using namespace quillet::testing;

namespace quillet::gendict {
inline void PrintTo(const FormPair &pair, std::ostream *out)
{
    *out << '{' << pair.form.toStdString() << " -> " << pair.base.toStdString() << '}';
}
} // namespace quillet::gendict

namespace {

// A .syn record: the word, NUL, the number of its headword big-endian.
QByteArray SynLine(const QByteArray &word, quint32 headword)
{
    return IndexLine(word, headword, 0).chopped(4);
}

TEST(WordForms, ReadsTheInflectedFormsOfTheRomanianEntries)
{
    const QByteArray index = IndexLine("roat\xC4\x83", 0, 1) + IndexLine("\xC8\x99urub", 1, 1);
    const QByteArray synonyms = SynLine("ro\xC8\x9Bile", 0) + SynLine("\xC8\x99uruburile", 1) + SynLine("ro\xC8\x9Bi", 0);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"d.tar.gz"_s);
    WriteFile(path, Compressed({{"d/d.idx", index}, {"d/d.dict.dz", Gzip("ab")}, {"d/d.syn", synonyms}}, true));
    const QList<StarDictSynonym> read = StarDict::readSynonymsTarGz(path);
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read[1].word, u"șuruburile"_s);
    EXPECT_EQ(read[1].headword, u"șurub"_s);
    EXPECT_EQ(read[2].headword, u"roată"_s);

    // A number past the index and a record cut short are errors.
    EXPECT_THROW(StarDict::parseSynonyms(SynLine("x", 2), index, u"d"_s), GenError);
    EXPECT_THROW(StarDict::parseSynonyms(SynLine("x", 0).chopped(1), index, u"d"_s), GenError);
}

TEST(WordForms, KeepsWordsAndWritesThemByBaseFormInHeadwordOrder)
{
    const StopList stopList = StopList::fromWords({u"badword"_s}, {u"cuvântrău"_s});
    Tally removed;
    const QList<FormPair> romanian = WordForms::romanian(
        {{u"roțile"_s, u"roată"_s}, {u"roţi"_s, u"roată"_s}, {u"unei roți"_s, u"roată"_s},
         {u"of roată"_s, u"roată"_s}, {u"(roți)"_s, u"roată"_s}, {u"Roată"_s, u"roată"_s},
         {u"колеса"_s, u"roată"_s}, {u"cuvântrăul"_s, u"cuvântrău"_s}, {u"Șuruburi"_s, u"șurub"_s},
         {u"roți dințate"_s, u"roată dințată"_s}},
        stopList, removed);
    EXPECT_EQ(romanian, (QList<FormPair>{{u"roțile"_s, u"roată"_s}, {u"roți"_s, u"roată"_s},
                                         {u"Șuruburi"_s, u"șurub"_s}, {u"roți dințate"_s, u"roată dințată"_s}}));
    for (const QString *rule : {&WordForms::ParticleRule, &WordForms::GlossRule, &WordForms::NotAWordRule,
                                &WordForms::SameRule, &Assembly::ScriptRule, &Assembly::StopListRule})
        EXPECT_EQ(removed.value(*rule), 1) << rule->toStdString();

    Tally englishRemoved;
    const QList<FormPair> english =
        WordForms::english({u"axes ax axis"_s, u"went go"_s, u"acer acer"_s, u"feet foot"_s}, stopList, englishRemoved);
    EXPECT_EQ(english.size(), 4);
    EXPECT_EQ(englishRemoved.value(WordForms::SameRule), 1);

    EXPECT_EQ(WordForms::encode(english), "ax\taxes\naxis\taxes\nfoot\tfeet\ngo\twent\n");
    EXPECT_EQ(WordForms::encode(romanian + romanian),
              "roată\troți\troțile\nroată dințată\troți dințate\nșurub\tȘuruburi\n");
}

} // namespace
