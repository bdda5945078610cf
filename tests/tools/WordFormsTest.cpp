// SPDX-License-Identifier: GPL-3.0-or-later
// The forms files: the Romanian entries' inflected forms and WordNet's irregular English
// forms, cleaned and grouped by base form.
#include "gendict/Assembly.h"
#include "gendict/WordForms.h"

#include "QtPrinters.h"
#include "WordSetChecker.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;

namespace quillet::gendict {
inline void PrintTo(const FormPair &pair, std::ostream *out)
{
    *out << '{' << pair.form.toStdString() << " -> " << pair.base.toStdString() << '}';
}
} // namespace quillet::gendict

namespace {

TEST(WordForms, KeepsWordsAndWritesThemByBaseFormInHeadwordOrder)
{
    const StopList stopList = StopList::fromWords({u"badword"_s}, {u"cuvântrău"_s});
    Tally removed;
    const StarDictBook book{{{u"roată"_s, {}}, {u"cuvântrău"_s, {}}, {u"șurub"_s, {}}, {u"roată dințată"_s, {}}},
                            {{u"roțile"_s, 0}, {u"roţi"_s, 0}, {u"unei roți"_s, 0}, {u"of roată"_s, 0},
                             {u"(roți)"_s, 0}, {u"Roată"_s, 0}, {u"колеса"_s, 0}, {u"cuvântrăul"_s, 1},
                             {u"Șuruburi"_s, 2}, {u"roți dințate"_s, 3}}};
    const QList<FormPair> romanian = WordForms::romanian(book, stopList, nullptr, removed);
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

// Forms are written in today's spelling, as the headwords are: "â" inside a word, "î"
// after a prefix; a word the checker knows only the old way stays.
TEST(WordForms, WritesRomanianFormsInTodaysSpelling)
{
    const StarDictBook book{{{u"cîine"_s, {}}, {u"neînțeles"_s, {}}, {u"cînd"_s, {}}},
                            {{u"cîinii"_s, 0}, {u"Cîine"_s, 0}, {u"neînțelesul"_s, 1}, {u"cîndva"_s, 2}}};
    const test::WordSetChecker checker({u"câine"_s, u"câinii"_s, u"cînd"_s, u"cîndva"_s});
    Tally removed;
    EXPECT_EQ(WordForms::romanian(book, StopList(), &checker, removed),
              (QList<FormPair>{{u"câinii"_s, u"câine"_s}, {u"neînțelesul"_s, u"neînțeles"_s},
                               {u"cîndva"_s, u"cînd"_s}}));
    EXPECT_EQ(removed.value(WordForms::SameRule), 1);
}

} // namespace
