// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of the two Wiktionary sources, on small samples of their own formats.
#include "gendict/GenError.h"
#include "gendict/InflectedForms.h"
#include "gendict/RomanianArticle.h"
#include "gendict/StarDict.h"
#include "gendict/WiktionaryTable.h"

#include "GzipWriter.h"
#include "QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;
using namespace quillet::gendict::test;
using namespace quillet::testing;

TEST(WiktionaryTable, ReadsHeadwordPosGlossAndTranslations)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath(u"en-ro.txt"_s), "# English :: Romanian\n"
                                            "nut {n} (that fits on a bolt) :: piuli\xC8\x9B\xC4\x83 {f}, nuc\xC4\x83\n"
                                            "SEE: x :: y\n"
                                            "aback {adv} :: \xC3\xAEnapoi\n"
                                            "pump {v} (to fill (with air)) :: pompa\n");
    const QList<TableSense> senses = WiktionaryTable::read(dir.filePath(u"en-ro.txt"_s)).senses();
    ASSERT_EQ(senses.size(), 3);
    EXPECT_EQ(senses[0].headword, u"nut"_s);
    EXPECT_EQ(senses[0].partOfSpeech, u"n"_s);
    EXPECT_EQ(senses[0].gloss, u"that fits on a bolt"_s);
    EXPECT_EQ(senses[0].translations, (QStringList{u"piuliță {f}"_s, u"nucă"_s}));
    EXPECT_EQ(senses[0].line, 2);
    EXPECT_EQ(senses[1].gloss, u""_s);
    EXPECT_TRUE(senses[2].isVerb());
    EXPECT_EQ(senses[2].gloss, u"to fill (with air)"_s);
}

TEST(StarDict, ReadsIndexOverGzippedArticlesAndInflectedFormsInATarGz)
{
    const QByteArray lathe = "<i>noun</i><br><ol><li>lathe</li></ol>";
    const QByteArray tool = "<i>noun</i><br><ol><li>tool</li></ol>";
    const QByteArray articles = lathe + tool;
    const QByteArray index = IndexLine("strung", 0, quint32(lathe.size()))
                           + IndexLine("scul\xC4\x83", quint32(lathe.size()), quint32(tool.size()));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"d.tar.gz"_s);
    const QByteArray forms = QByteArray("strunguri\0\0\0\0\0", 14) + QByteArray("scule\0\0\0\0\1", 10)
                           + QByteArray("scul\xC4\x83\0\0\0\0\1", 11);
    WriteFile(path, Compressed({{"d/d.ifo", "wordcount=2\n"}, {"d/d.idx", index}, {"d/d.dict.dz", Gzip(articles)},
                                {"d/d.syn", forms}},
                               true));
    const StarDictBook book = StarDict::readTarGz(path);
    ASSERT_EQ(book.articles.size(), 2);
    EXPECT_EQ(book.articles[1].headword, u"sculă"_s);
    EXPECT_EQ(book.articles[1].article, u"<i>noun</i><br><ol><li>tool</li></ol>"_s);
    ASSERT_EQ(book.forms.size(), 3);
    EXPECT_EQ(book.forms[1].form, u"scule"_s);
    EXPECT_EQ(book.forms[1].article, 1);

    // The forms point at their headwords; a headword is no form of itself.
    const InflectedForms inflected = InflectedForms::fromStarDict(book);
    EXPECT_EQ(inflected.headwordsOf(u"strunguri"_s), QStringList{u"strung"_s});
    EXPECT_EQ(inflected.headwordsOf(u"scule"_s), QStringList{u"sculă"_s});
    EXPECT_TRUE(inflected.headwordsOf(u"sculă"_s).isEmpty());
    EXPECT_EQ(inflected.size(), 2);

    // An article out of bounds, a cut index and plain text in place of gzip are errors.
    EXPECT_THROW(StarDict::parse(IndexLine("x", 30, 60), articles, u"d"_s), GenError);
    EXPECT_THROW(StarDict::parse(IndexLine("x", 0, 1).chopped(2), articles, u"d"_s), GenError);
    EXPECT_THROW(StarDict::gunzip(articles, u"d"_s), GenError);
    // A form cut short or pointing past the articles is an error too.
    EXPECT_THROW(StarDict::parseForms(forms.chopped(2), 2, u"d"_s), GenError);
    EXPECT_THROW(StarDict::parseForms(forms, 1, u"d"_s), GenError);
}

TEST(RomanianArticle, ReadsSectionsAndGlosses)
{
    const QList<ArticleSection> sections = RomanianArticle::parse(
        u"<i>noun</i><br><ol><li>tool, instrument</li><li>(vulgar) penis</li></ol><br>"
        "<i>verb</i><br><ol><li>third-person singular of <b>scula</b> &amp; co</li></ol><i>name</i><br>"_s);
    ASSERT_EQ(sections.size(), 3);
    EXPECT_EQ(sections[0].partOfSpeech, u"noun"_s);
    EXPECT_EQ(sections[0].glosses, (QStringList{u"tool, instrument"_s, u"(vulgar) penis"_s}));
    EXPECT_TRUE(sections[1].isVerb());
    EXPECT_EQ(sections[1].glosses, QStringList{u"third-person singular of scula & co"_s});
    EXPECT_TRUE(sections[2].isName());
    EXPECT_TRUE(sections[2].glosses.isEmpty());
}
