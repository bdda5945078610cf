#include "gendict/GenError.h"
#include "gendict/Generator.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;
using ::testing::HasSubstr;

namespace {

const QByteArray Header = "  1 This software and database is being provided to you, the LICENSEE, by  \n"
                          "  2 Princeton University under the following license.  \n";

// A tiny WordNet and OMW: the same file layout as the real sources.
QMap<QString, QByteArray> sources()
{
    return {
        {u"wordnet/data.noun"_s,
         Header + "00001740 03 n 01 entity 0 001 ~ 00001930 n 0000 | that which is perceived  \n"
                  "08544813 15 n 04 state 0 nation 0 country 0 land 0 000 | a political unit  \n"},
        {u"wordnet/data.verb"_s, Header + "01168468 34 v 01 eat 0 000 | take in solid food  \n"},
        {u"wordnet/data.adj"_s,
         Header + "00002098 00 a 01 unable 0 000 | not able  \n"
                  "00130518 00 s 02 ante_meridiem 0 a.m.(a) 0 000 | before noon  \n"},
        {u"wordnet/data.adv"_s, Header + "00001740 02 r 01 forward 0 000 | ahead  \n"},
        {u"omw/omw-wiktionary/wn-wikt-ron.tab"_s,
         "# Wiktionary\tron\thttp://wiktionary.org/\tCC BY-SA\n"
         "08544813-n\tron:lemma\t\xC8\x9B" "ar\xC4\x83\n" // țară
         "08544813-n\tron:lemma\tstat\n"
         "01168468-v\tron:lemma\tm\xC3\xA2nca\r\n"
         "00002098-a\tron:lemma\tincapabil\n"
         "09999999-n\tron:lemma\tnimic\n"
         "08544813-n\tron:def\to defini\xC8\x9Bie\n"},
        {u"omw/omw-cldr/wn-cldr-ron.tab"_s,
         "# cldr\tron\thttp://cldr.unicode.org/\tMIT-like\n"
         "00130518-s\tron:lemma\tAM\n"
         "08544813-n\tron:lemma\tna\xC5\xA3iune\n" // națiune, cedilla spelling
         "00002097-a\tron:lemma\tneputincios\n"       // the adjective moved on by a byte
         "08544813-n\tron:lemma\t\xC5\xA3" "ar\xC4\x83"},  // țară again, no final LF
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
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(it.value());
        }
    }

    GeneratorSummary run()
    {
        return Generator::run({dir_.filePath(u"omw"_s), dir_.filePath(u"wordnet"_s), dir_.filePath(u"out"_s)});
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

    QByteArray output(const QString &name) const
    {
        QFile file(dir_.filePath(u"out/"_s + name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(GeneratorRun, WritesBothDirectionsSortedWithSourceOrderTranslations)
{
    writeSources();
    const GeneratorSummary summary = run();
    EXPECT_EQ(summary.englishRomanian, 8);
    EXPECT_EQ(summary.romanianEnglish, 7);
    EXPECT_EQ(summary.unresolvedLines, 1);
    EXPECT_EQ(summary.shiftedLines, (QMap<quint32, qsizetype>{{1, 1}}));

    // The Wiktionary set comes before the CLDR set, so "națiune" is the last translation.
    EXPECT_EQ(output(u"en-ro.txt"_s), "a.m.\tAM\n"
                                      "ante meridiem\tAM\n"
                                      "country\t\xC8\x9B" "ar\xC4\x83, stat, na\xC8\x9Biune\n"
                                      "eat\tm\xC3\xA2nca\n"
                                      "land\t\xC8\x9B" "ar\xC4\x83, stat, na\xC8\x9Biune\n"
                                      "nation\t\xC8\x9B" "ar\xC4\x83, stat, na\xC8\x9Biune\n"
                                      "state\t\xC8\x9B" "ar\xC4\x83, stat, na\xC8\x9Biune\n"
                                      "unable\tincapabil, neputincios\n");
    EXPECT_EQ(output(u"ro-en.txt"_s), "AM\tante meridiem, a.m.\n"
                                      "incapabil\tunable\n"
                                      "m\xC3\xA2nca\teat\n"
                                      "na\xC8\x9Biune\tstate, nation, country, land\n"
                                      "neputincios\tunable\n"
                                      "stat\tstate, nation, country, land\n"
                                      "\xC8\x9B" "ar\xC4\x83\tstate, nation, country, land\n");
}

TEST_F(GeneratorRun, NamesTheFileAndLineOfBadInput)
{
    const QByteArray wikt = sources().value(u"omw/omw-wiktionary/wn-wikt-ron.tab"_s);
    const struct {
        QString file;
        QByteArray contents;
        const char *expected;
    } cases[] = {
        {u"wordnet/data.verb"_s, "", "data.verb: no such file"},
        {u"omw/omw-cldr/wn-cldr-ron.tab"_s, "", "wn-cldr-ron.tab: no such file"},
        {u"wordnet/data.adj"_s, Header + "0000209 00 a 01 unable 0 000 | not able  \n", "data.adj:3:"},
        {u"wordnet/data.adv"_s, Header + "00001740 02 n 01 forward 0 000 | ahead  \n", "data.adv:3:"},
        {u"wordnet/data.noun"_s, Header + "08544813 15 n 04 state 0 nation 0\n", "data.noun:3:"},
        {u"wordnet/data.noun"_s, Header + "08544813 15 n zz state 0 000 | x  \n", "data.noun:3:"},
        {u"wordnet/data.verb"_s, Header + "01168468 34 v 01 eat 0 000 | x  \n01168468 34 v 01 eat 0 000 | x  \n",
         "data.verb:4:"},
        {u"omw/omw-cldr/wn-cldr-ron.tab"_s, "# cldr\n00130518-s\tAM\n", "wn-cldr-ron.tab:2:"},
        {u"omw/omw-cldr/wn-cldr-ron.tab"_s, "# cldr\n0130518-s\tron:lemma\tAM\n", "wn-cldr-ron.tab:2:"},
        {u"omw/omw-wiktionary/wn-wikt-ron.tab"_s, wikt + "08544813-n\tron:lemma\t\xC5\n", "wn-wikt-ron.tab:8:"},
    };
    for (const auto &c : cases)
        EXPECT_THAT(errorOf({{c.file, c.contents}}).toStdString(), HasSubstr(c.expected)) << c.expected;
}
