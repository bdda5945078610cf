// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/GenError.h"
#include "gendict/Generator.h"

#include "GzipWriter.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;
using ::testing::HasSubstr;
using quillet::gendict::test::Compressed;
using quillet::gendict::test::Gzip;
using quillet::gendict::test::IndexLine;

namespace {

const QByteArray Header = "  1 This software and database is being provided to you, the LICENSEE, by  \n"
                          "  2 Princeton University under the following license.  \n";

// The Romanian entries: "strung", a technical noun with a plural, and "Alba", a name.
QByteArray romanianEntries()
{
    const QByteArray lathe = "<i>noun</i><br><ol><li>(engineering) lathe</li></ol>";
    const QByteArray name = "<i>name</i><br><ol><li>A county of Romania</li></ol>";
    const QByteArray index = IndexLine("Alba", 0, quint32(name.size()))
                           + IndexLine("strung", quint32(name.size()), quint32(lathe.size()));
    const QByteArray forms = QByteArray("strunguri\0\0\0\0\1", 14);
    return Compressed({{"d/d.idx", index}, {"d/d.dict.dz", Gzip(name + lathe)}, {"d/d.syn", forms}}, true);
}

// Tiny sources: the same file layout as the real ones.
QMap<QString, QByteArray> sources()
{
    return {
        {u"wordnet/data.noun"_s,
         Header + "00001740 03 n 01 entity 0 001 ~ 00001930 n 0000 | that which is perceived  \n"
                  "05526713 08 n 02 shaft 1 tool 0 002 @ 05526384 n 0000 ;u 07124340 n 0000 | obscene terms  \n"
                  "07124340 10 n 01 obscenity 0 000 | an obscene word  \n"
                  "08544813 15 n 04 state 0 nation 0 country 0 land 0 000 | a political unit  \n"},
        {u"wordnet/data.verb"_s, Header + "01168468 34 v 01 eat 0 000 | take in solid food  \n"},
        {u"wordnet/data.adj"_s,
         Header + "00002098 00 a 01 unable 0 000 | not able  \n"
                  "00130518 00 s 02 ante_meridiem 0 a.m.(a) 0 000 | before noon  \n"},
        {u"wordnet/data.adv"_s, Header + "00001740 02 r 01 forward 0 000 | ahead  \n"},
        {u"wordnet/index.noun"_s,
         Header + "country n 1 0 1 1 08544813  \nentity n 1 1 ~ 1 1 00001740  \nland n 1 0 1 0 08544813  \n"
                  "nation n 1 0 1 1 08544813  \nobscenity n 1 0 1 0 07124340  \nshaft n 1 0 1 0 05526713  \n"
                  "state n 1 0 1 1 08544813  \ntool n 1 0 1 0 05526713  \n"},
        {u"wordnet/index.verb"_s, Header + "eat v 1 0 1 1 01168468  \n"},
        {u"wordnet/index.adj"_s,
         Header + "a.m. a 1 0 1 0 00130518  \nante_meridiem a 1 0 1 0 00130518  \nunable a 1 0 1 1 00002098  \n"},
        {u"wordnet/index.adv"_s, Header + "forward r 1 0 1 0 00001740  \n"},
        {u"wordnet/cntlist.rev"_s, "country%1:15:00:: 1 9\nnation%1:15:00:: 1 4\nstate%1:15:00:: 1 2\n"
                                   "eat%2:34:00:: 1 30\nunable%3:00:00:: 1 5\n"},
        {u"wordnet/noun.exc"_s, "countries country\n"},
        {u"wordnet/verb.exc"_s, "ate eat\n"},
        {u"wordnet/adj.exc"_s, "abler able\n"},
        {u"wordnet/adv.exc"_s, "best well\n"},
        {u"glossary/1-mechanics.txt"_s, "# mechanics\nlathe\tstrung\nto weld\ta suda\n"},
        {u"src/omw-wiktionary/wn-wikt-ron.tab"_s,
         "# Wiktionary\tron\thttp://wiktionary.org/\tCC BY-SA\n"
         "08544813-n\tron:lemma\t\xC8\x9B" "ar\xC4\x83\n" // țară
         "08544813-n\tron:lemma\tstat\n"
         "08544813-n\tron:lemma\tRepublica Stat\n"
         "05526713-n\tron:lemma\tpenis\n"
         "01168468-v\tron:lemma\tm\xC3\xA2nca\r\n"
         "00002098-a\tron:lemma\tincapabil\n"
         "09999999-n\tron:lemma\tnimic\n"
         "08544813-n\tron:def\to defini\xC8\x9Bie\n"},
        {u"src/omw-cldr/wn-cldr-ron.tab"_s,
         "# cldr\tron\thttp://cldr.unicode.org/\tMIT-like\n"
         "00130518-s\tron:lemma\tAM\n"
         "08544813-n\tron:lemma\tna\xC5\xA3iune\n" // națiune, cedilla spelling
         "08544813-n\tron:lemma\tRepublica\n"        // a word of a name in the other set
         "00002097-a\tron:lemma\tneputincios\n"       // the adjective moved on by a byte
         "08544813-n\tron:lemma\t\xC5\xA3" "ar\xC4\x83"},  // țară again, no final LF
        {u"src/wiktionary-en-ro/en-ro-enwiktionary.txt"_s,
         "# English :: Romanian\n"
         "pump {n} (device) :: pomp\xC4\x83 {f}\n"
         "pump {v} (to move liquid) :: pompa\n"
         "state {n} (political unit) :: stat {n}\n"
         "turning lathe {n} (machine) :: strunguri\n"},
        {u"src/wiktionary-ro-en/Romanian-English Wiktionary dictionary stardict.tar.gz"_s, romanianEntries()},
        {u"stoplist.txt"_s, "# words\n[English]\nfuck\n[Romanian]\npul\xC4\x83\n"},
    };
}

class GeneratorRun : public ::testing::Test {
protected:
    // Writes the sources, with some files replaced (or removed, for an empty value).
    void writeSources(const QMap<QString, QByteArray> &changes = {})
    {
        QMap<QString, QByteArray> files = sources();
        files.insert(changes);
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            const QString path = dir_.filePath(it.key());
            if (it.value().isEmpty()) {
                QFile::remove(path);
                continue;
            }
            ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
            quillet::testing::WriteFile(path, it.value());
        }
    }

    GeneratorSummary run()
    {
        return Generator::run({dir_.filePath(u"src"_s), dir_.filePath(u"wordnet"_s), dir_.filePath(u"stoplist.txt"_s),
                               dir_.filePath(u"out"_s), dir_.filePath(u"glossary"_s), QString()});
    }

    QString errorOf(const QMap<QString, QByteArray> &changes)
    {
        writeSources(changes);
        try {
            run();
        } catch (const GenError &error) {
            return error.message();
        }
        return u"no error"_s;
    }

    QByteArray output(const QString &name) const { return quillet::testing::ReadFile(dir_.filePath(u"out/"_s + name)); }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(GeneratorRun, WritesBothDirectionsFromEverySourceSorted)
{
    writeSources();
    const GeneratorSummary summary = run();
    EXPECT_EQ(summary.englishRomanian.entries, 12);
    EXPECT_EQ(summary.romanianEnglish.entries, 12);
    EXPECT_EQ(summary.unresolvedLines, 1);
    EXPECT_EQ(summary.namePieceLines, 1);
    EXPECT_EQ(summary.shiftedLines, (QMap<quint32, qsizetype>{{1, 1}}));
    EXPECT_EQ(summary.englishRomanian.sources.value(u"translation tables"_s), 3);
    EXPECT_EQ(summary.romanianEnglish.removed.value(u"personal or place name"_s), 1);
    EXPECT_EQ(summary.englishRomanian.glossaryOnlyPairs, 1); // weld

    // The glossary, the tables, the Romanian entries, then the Wordnet join (its
    // Wiktionary set before its CLDR set); the synset in WordNet's obscenity domain is
    // left out, an inflected form becomes its headword, and the Romanian side ranks a
    // synset's English lemmas by how often WordNet saw them in that sense.
    EXPECT_EQ(QString::fromUtf8(output(u"en-ro.txt"_s)), u"a.m.\tAM\n"
                                                          "ante meridiem\tAM\n"
                                                          "country\tțară, stat, Republica Stat, națiune\n"
                                                          "eat\ta mânca\n"
                                                          "land\tțară, stat, Republica Stat, națiune\n"
                                                          "lathe\tstrung\n"
                                                          "nation\tțară, stat, Republica Stat, națiune\n"
                                                          "pump\tpompă; a pompa\n"
                                                          "state\tstat; țară, Republica Stat, națiune\n"
                                                          "turning lathe\tstrung\n"
                                                          "unable\tincapabil, neputincios\n"
                                                          "weld\ta suda\n"_s);
    EXPECT_EQ(QString::fromUtf8(output(u"ro-en.txt"_s)), u"AM\tante meridiem, a.m.\n"
                                                          "incapabil\tunable\n"
                                                          "mânca\tto eat\n"
                                                          "națiune\tcountry, nation, state, land\n"
                                                          "neputincios\tunable\n"
                                                          "pompa\tto pump\n"
                                                          "pompă\tpump\n"
                                                          "Republica Stat\tcountry, nation, state, land\n"
                                                          "stat\tstate, country, nation, land\n"
                                                          "strung\tlathe; turning lathe\n"
                                                          "suda\tto weld\n"
                                                          "țară\tcountry, nation, state, land\n"_s);
}

TEST_F(GeneratorRun, NamesTheFileAndLineOfBadInput)
{
    const QByteArray wikt = sources().value(u"src/omw-wiktionary/wn-wikt-ron.tab"_s);
    const struct {
        QString file;
        QByteArray contents;
        const char *expected;
    } cases[] = {
        {u"wordnet/data.verb"_s, "", "data.verb: no such file"},
        {u"src/omw-cldr/wn-cldr-ron.tab"_s, "", "wn-cldr-ron.tab: no such file"},
        {u"wordnet/data.adj"_s, Header + "0000209 00 a 01 unable 0 000 | not able  \n", "data.adj:3:"},
        {u"wordnet/data.adv"_s, Header + "00001740 02 n 01 forward 0 000 | ahead  \n", "data.adv:3:"},
        {u"wordnet/data.noun"_s, Header + "08544813 15 n 04 state 0 nation 0\n", "data.noun:3:"},
        {u"wordnet/data.noun"_s, Header + "08544813 15 n zz state 0 000 | x  \n", "data.noun:3:"},
        {u"wordnet/data.verb"_s, Header + "01168468 34 v 01 eat 0 000 | x  \n01168468 34 v 01 eat 0 000 | x  \n",
         "data.verb:4:"},
        {u"src/omw-cldr/wn-cldr-ron.tab"_s, "# cldr\n00130518-s\tAM\n", "wn-cldr-ron.tab:2:"},
        {u"src/omw-cldr/wn-cldr-ron.tab"_s, "# cldr\n0130518-s\tron:lemma\tAM\n", "wn-cldr-ron.tab:2:"},
        {u"src/omw-wiktionary/wn-wikt-ron.tab"_s, wikt + "08544813-n\tron:lemma\t\xC5\n", "wn-wikt-ron.tab:10:"},
        {u"wordnet/index.noun"_s, Header + "state n 2 0 2 1 08544813  \n", "index.noun:3:"},
        {u"wordnet/cntlist.rev"_s, "state 1 2\n", "cntlist.rev:1:"},
        {u"wordnet/noun.exc"_s, "countries\n", "noun.exc:1:"},
        {u"glossary/1-mechanics.txt"_s, "lathe strung\n", "1-mechanics.txt:1:"},
        {u"glossary/1-mechanics.txt"_s, "to weld\tsuda\n", "1-mechanics.txt:1:"},
    };
    for (const auto &c : cases)
        EXPECT_THAT(errorOf({{c.file, c.contents}}).toStdString(), HasSubstr(c.expected)) << c.expected;
}
