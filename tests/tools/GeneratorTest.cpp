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

// The Romanian entries: "strung", a technical noun, and "Alba", a name.
QByteArray romanianEntries()
{
    const QByteArray lathe = "<i>noun</i><br><ol><li>(engineering) lathe</li></ol>";
    const QByteArray name = "<i>name</i><br><ol><li>A county of Romania</li></ol>";
    const QByteArray index = IndexLine("Alba", 0, quint32(name.size()))
                           + IndexLine("strung", quint32(name.size()), quint32(lathe.size()));
    return Compressed({{"d/d.idx", index}, {"d/d.dict.dz", Gzip(name + lathe)}}, true);
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
        {u"src/omw-wiktionary/wn-wikt-ron.tab"_s,
         "# Wiktionary\tron\thttp://wiktionary.org/\tCC BY-SA\n"
         "08544813-n\tron:lemma\t\xC8\x9B" "ar\xC4\x83\n" // țară
         "08544813-n\tron:lemma\tstat\n"
         "05526713-n\tron:lemma\tpenis\n"
         "01168468-v\tron:lemma\tm\xC3\xA2nca\r\n"
         "00002098-a\tron:lemma\tincapabil\n"
         "09999999-n\tron:lemma\tnimic\n"
         "08544813-n\tron:def\to defini\xC8\x9Bie\n"},
        {u"src/omw-cldr/wn-cldr-ron.tab"_s,
         "# cldr\tron\thttp://cldr.unicode.org/\tMIT-like\n"
         "00130518-s\tron:lemma\tAM\n"
         "08544813-n\tron:lemma\tna\xC5\xA3iune\n" // națiune, cedilla spelling
         "00002097-a\tron:lemma\tneputincios\n"       // the adjective moved on by a byte
         "08544813-n\tron:lemma\t\xC5\xA3" "ar\xC4\x83"},  // țară again, no final LF
        {u"src/wiktionary-en-ro/en-ro-enwiktionary.txt"_s,
         "# English :: Romanian\n"
         "pump {n} (device) :: pomp\xC4\x83 {f}\n"
         "pump {v} (to move liquid) :: pompa\n"
         "state {n} (political unit) :: stat {n}\n"},
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
                               dir_.filePath(u"out"_s)});
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
    EXPECT_EQ(summary.englishRomanian.entries, 10);
    EXPECT_EQ(summary.romanianEnglish.entries, 10);
    EXPECT_EQ(summary.unresolvedLines, 1);
    EXPECT_EQ(summary.shiftedLines, (QMap<quint32, qsizetype>{{1, 1}}));
    EXPECT_EQ(summary.englishRomanian.sources.value(u"translation tables"_s), 2);
    EXPECT_EQ(summary.romanianEnglish.removed.value(u"personal or place name"_s), 1);

    // The tables come first, then the Romanian entries, then the Wordnet join (its
    // Wiktionary set before its CLDR set); the synset in WordNet's obscenity domain is
    // left out.
    EXPECT_EQ(output(u"en-ro.txt"_s), "a.m.\tAM\n"
                                      "ante meridiem\tAM\n"
                                      "country\t\xC8\x9B" "ar\xC4\x83, stat, na\xC8\x9Biune\n"
                                      "eat\ta m\xC3\xA2nca\n"
                                      "land\t\xC8\x9B" "ar\xC4\x83, stat, na\xC8\x9Biune\n"
                                      "lathe\tstrung\n"
                                      "nation\t\xC8\x9B" "ar\xC4\x83, stat, na\xC8\x9Biune\n"
                                      "pump\tpomp\xC4\x83; a pompa\n"
                                      "state\tstat; \xC8\x9B" "ar\xC4\x83, na\xC8\x9Biune\n"
                                      "unable\tincapabil, neputincios\n");
    EXPECT_EQ(output(u"ro-en.txt"_s), "AM\tante meridiem, a.m.\n"
                                      "incapabil\tunable\n"
                                      "m\xC3\xA2nca\tto eat\n"
                                      "na\xC8\x9Biune\tstate, nation, country, land\n"
                                      "neputincios\tunable\n"
                                      "pompa\tto pump\n"
                                      "pomp\xC4\x83\tpump\n"
                                      "stat\tstate; nation, country, land\n"
                                      "strung\tlathe\n"
                                      "\xC8\x9B" "ar\xC4\x83\tstate, nation, country, land\n");
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
        {u"src/omw-wiktionary/wn-wikt-ron.tab"_s, wikt + "08544813-n\tron:lemma\t\xC5\n", "wn-wikt-ron.tab:9:"},
    };
    for (const auto &c : cases)
        EXPECT_THAT(errorOf({{c.file, c.contents}}).toStdString(), HasSubstr(c.expected)) << c.expected;
}
