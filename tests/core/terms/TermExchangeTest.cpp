// SPDX-License-Identifier: GPL-3.0-or-later
// My terms exchanged with other programs: TBX and CSV/TSV read and written, hostile files
// refused whole, imports that add, count and never lose what is there.
#include "core/terms/FlashCards.h"
#include "core/terms/TermExchange.h"

#include "common/QStringPrinter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

QStringList Pairs(const ExchangeRead &read)
{
    QStringList pairs;
    for (const ReadPair &pair : read.pairs)
        pairs.append(pair.term.headword + u'=' + pair.term.translation + u' ' + TermDirectionCode(pair.term.direction)
                     + (pair.term.note.isEmpty() ? QString() : u" ("_s + pair.term.note + u')'));
    return pairs;
}

// A termbase as a translation tool exports it: a header, three languages, notes and
// definitions at several levels, several terms a language, an entry without Romanian.
constexpr const char *ToolExport = R"(<?xml version="1.0" encoding="UTF-8"?>
<martif type="TBX-Basic" xml:lang="en-US">
  <martifHeader>
    <fileDesc><sourceDesc><p>Exported from a termbase</p></sourceDesc></fileDesc>
    <encodingDesc><p type="XCSURI">TBXBasicXCSV02.xcs</p></encodingDesc>
  </martifHeader>
  <text>
    <body>
      <termEntry id="c101">
        <descrip type="subjectField">Hydraulics</descrip>
        <note>Client: ACME pumps</note>
        <langSet xml:lang="en-US">
          <descrip type="definition">Rotating part of a centrifugal pump.</descrip>
          <tig><term>impeller</term><termNote type="partOfSpeech">noun</termNote></tig>
          <tig><term>pump rotor</term><termNote type="administrativeStatus">admittedTerm-admn-sts</termNote></tig>
        </langSet>
        <langSet xml:lang="ro-RO">
          <tig><term>rotor</term></tig>
        </langSet>
        <langSet xml:lang="de-DE">
          <tig><term>Laufrad</term></tig>
        </langSet>
      </termEntry>
      <termEntry id="c102">
        <langSet xml:lang="en"><ntig><termGrp><term>gasket</term></termGrp></ntig></langSet>
        <langSet xml:lang="ro"><tig><term>garnitură</term></tig><tig><term>garnitură plată</term></tig></langSet>
        <langSet xml:lang="fr"><tig><term>joint</term></tig></langSet>
      </termEntry>
      <termEntry id="c103">
        <langSet xml:lang="en"><tig><term>bleed valve</term></tig></langSet>
        <langSet xml:lang="de"><tig><term>Entlüftungsventil</term></tig></langSet>
      </termEntry>
    </body>
  </text>
</martif>
)";

} // namespace

TEST(TermExchange, ReadsATranslationToolsTbx)
{
    const ExchangeRead read = ReadTbx(ToolExport);
    EXPECT_TRUE(read.failure.isEmpty());
    EXPECT_EQ(Pairs(read), (QStringList{u"impeller=rotor both (Client: ACME pumps)"_s,
                                        u"pump rotor=rotor both (Client: ACME pumps)"_s,
                                        u"gasket=garnitură both"_s, u"gasket=garnitură plată both"_s}));
    ASSERT_EQ(read.refused.size(), 1); // the entry with no Romanian term
    EXPECT_TRUE(read.refused[0].english().contains(u"line"_s));
}

TEST(TermExchange, RefusesHostileTbxWhole)
{
    const QList<QByteArray> hostile{
        // Entity expansion ("billion laughs") and an external entity: a DOCTYPE is refused.
        R"(<?xml version="1.0"?><!DOCTYPE martif [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;">]>
<martif><text><body><termEntry><langSet xml:lang="en"><tig><term>&b;</term></tig></langSet>
<langSet xml:lang="ro"><tig><term>x</term></tig></langSet></termEntry></body></text></martif>)",
        R"(<?xml version="1.0"?><!DOCTYPE martif SYSTEM "file:///etc/passwd"><martif/>)",
        R"(<?xml version="1.0"?><!DOCTYPE martif [<!ENTITY e SYSTEM "http://example.invalid/x">]><martif>&e;</martif>)",
        // An entity never declared, invalid UTF-8, XML cut short, another document.
        R"(<martif><text><body><termEntry><langSet xml:lang="en"><tig><term>&e;</term></tig></langSet></termEntry></body></text></martif>)",
        "<martif><text><body><termEntry><langSet xml:lang=\"en\"><tig><term>pomp\xE3</term></tig></langSet></termEntry></body></text></martif>",
        R"(<martif><text><body><termEntry><langSet xml:lang="en">)",
        R"(<html><body/></html>)",
    };
    for (const QByteArray &bytes : hostile) {
        const ExchangeRead read = ReadTbx(bytes);
        EXPECT_FALSE(read.failure.isEmpty()) << bytes.left(70).toStdString();
        EXPECT_TRUE(read.pairs.empty());
    }
    EXPECT_TRUE(ReadTbx(hostile[0]).failure.english().contains(u"DOCTYPE"_s));
}

TEST(TermExchange, ReadsCsvAsRfc4180SaysAndFindsItsHeader)
{
    const ExchangeRead read = ReadDelimited("\xEF\xBB\xBF" "Term,Notes,Translation\r\n"
                                           "\"nut, hex\",\"M8, \"\"zinc\"\"\",piuliță hexagonală\r\n"
                                           "\r\n"
                                           "\"two\nlines\",x,y\r\n"
                                           "bolt,,\r\n"
                                           "washer,,șaibă",
                                           u',');
    EXPECT_TRUE(read.failure.isEmpty());
    // Quoted commas and quotes kept; the field with a line break is left to the list to refuse.
    ASSERT_EQ(read.pairs.size(), 4);
    EXPECT_EQ(read.pairs[0].term.headword, u"nut, hex"_s);
    EXPECT_EQ(read.pairs[0].term.note, u"M8, \"zinc\""_s);
    EXPECT_EQ(read.pairs[0].term.translation, u"piuliță hexagonală"_s);
    EXPECT_EQ(read.pairs[1].where.english(), u"line 4"_s);
    EXPECT_EQ(read.pairs[3].where.english(), u"line 7"_s);

    // No header: headword, translation, direction, note.
    EXPECT_EQ(Pairs(ReadDelimited("shaft\tarbore\tboth\tmachine elements\nax\taxle\tro-en\n", u'\t')),
              (QStringList{u"shaft=arbore both (machine elements)"_s, u"ax=axle ro-en"_s}));
    const ExchangeRead sideways = ReadDelimited("a,b,sideways\n", u',');
    EXPECT_TRUE(sideways.pairs.empty());
    EXPECT_EQ(sideways.refused.size(), 1);

    EXPECT_TRUE(ReadDelimited("a,\"open\nb,c\n", u',').failure.english().contains(u"line 1"_s));
    EXPECT_FALSE(ReadDelimited("a,pomp\xE3\n", u',').failure.isEmpty());
}

TEST(TermExchange, ImportsCountWhatTheyDoAndChangeNothingOnAFailure)
{
    QTemporaryDir folder;
    const auto write = [&folder](const QString &name, const QByteArray &bytes) {
        QFile file(folder.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    };
    TermList terms;
    terms.add({u"bolt"_s, u"șurub"_s, TermDirection::EnglishRomanian, {}});
    const QString csv = write(u"in.csv"_s, "headword,translation\nbolt,șurub\nnut,piuliță\n\"tab\there\",x\n,empty\n"
                                           + QByteArray(10 << 20, 'a') + ",long\n");
    ImportReport report = ImportTerms(csv, std::nullopt, terms, false);
    EXPECT_EQ(report.added, 1);
    EXPECT_EQ(report.alreadyThere, 1);
    ASSERT_EQ(report.refused.size(), 3) << report.summary().toStdString();
    EXPECT_TRUE(report.refused[0].english().startsWith(u"line 4: "_s));
    EXPECT_TRUE(report.refused[0].romanian().startsWith(u"rândul 4: "_s));
    EXPECT_TRUE(report.summary(false).startsWith(u"1 adăugate, 1 existau deja, 3 refuzate\nrândul 4: "_s));
    EXPECT_EQ(terms.size(), 2);

    const TermList before = terms;
    for (const QString &bad : {write(u"open.csv"_s, "a,\"b\n"), write(u"doc.tbx"_s, R"(<!DOCTYPE x><martif/>)"),
                               folder.filePath(u"missing.csv"_s), write(u"unknown.dat"_s, "a,b\n")}) {
        report = ImportTerms(bad, std::nullopt, terms, true);
        EXPECT_TRUE(report.failed()) << bad.toStdString();
        EXPECT_EQ(terms.terms(), before.terms());
    }
    // More pairs than My terms can hold: none is taken.
    QByteArray many;
    for (int i = 0; i < 100000; ++i)
        many += "w" + QByteArray::number(i) + ",t\n";
    report = ImportTerms(write(u"many.tsv"_s, many), ExchangeFormat::Csv, terms, false);
    EXPECT_TRUE(report.failed());
    EXPECT_EQ(terms.terms(), before.terms());

    report = ImportTerms(write(u"one.tsv"_s, "gear\troată dințată\n"), std::nullopt, terms, true);
    EXPECT_EQ(report.added, 1);
    EXPECT_EQ(terms.size(), 1); // replaced, as asked
}

TEST(TermExchange, WrittenFilesReadBackAsTheSamePairs)
{
    TermList terms;
    terms.add({u"nut, \"hex\""_s, u"piuliță <hexagonală> & șaibă"_s, TermDirection::EnglishRomanian, u"M8; zinc"_s});
    terms.add({u"arbore"_s, u"shaft"_s, TermDirection::RomanianEnglish, {}});
    terms.add({u"gear"_s, u"roată dințată"_s, TermDirection::Both, u"machine elements"_s});
    for (const ExchangeFormat format : {ExchangeFormat::Tbx, ExchangeFormat::Csv, ExchangeFormat::Tsv}) {
        const QByteArray bytes = WriteTerms(terms, format);
        const ExchangeRead read = format == ExchangeFormat::Tbx
                                      ? ReadTbx(bytes)
                                      : ReadDelimited(bytes, format == ExchangeFormat::Csv ? u',' : u'\t');
        EXPECT_TRUE(read.failure.isEmpty());
        TermList back;
        for (const ReadPair &pair : read.pairs)
            back.add(pair.term);
        EXPECT_EQ(back.fileText(), terms.fileText()) << bytes.toStdString();
    }
    KeptList kept;
    kept.add({1, u"pump"_s, u"pompă; second sense"_s, QDate(2026, 1, 2)});
    EXPECT_EQ(FlashCardsCsv(KeptCards(kept)), "front,back,note\r\npump,pompă,\"en-ro, 2026-01-02\"\r\n");
}
