// SPDX-License-Identifier: GPL-3.0-or-later
// My terms and My list: their files, their place at the head of both lists, and the
// quiz's sources of words made from them.
#include "core/lookup/ReportBuilder.h"
#include "core/quiz/QuizSources.h"
#include "core/terms/PersonalWords.h"
#include "core/terms/TermIndex.h"

#include "common/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// "pump" and "pumping station" English-Romanian, "pompă" Romanian-English.
DictTable SmallDictionary()
{
    DictTable table;
    table.set(1, 1, 1, u"pump"_s);
    table.set(1, 2, 1, u"pompă"_s);
    table.set(1, 1, 2, u"pumping station"_s);
    table.set(1, 2, 2, u"stație de pompare"_s);
    table.set(2, 1, 1, u"pompă"_s);
    table.set(2, 2, 1, u"pump"_s);
    table.setEntryCount(1, 2);
    table.setEntryCount(2, 1);
    return table;
}

QStringList Headwords(const ReportList &list)
{
    QStringList words;
    for (const auto &entry : list.entries)
        words.append(entry.first);
    return words;
}

} // namespace

TEST(TermStore, KeepsEveryChangeInItsFileAndReadsItBack)
{
    QTemporaryDir folder;
    const PersonalWordFiles files = PersonalWordFiles::In(folder.filePath(u"data"_s));
    PersonalWords words(files);
    EXPECT_TRUE(words.load().isEmpty()); // no files yet: nothing to say
    EXPECT_EQ(words.addTerm({u" impeller "_s, u"rotor"_s, TermDirection::Both, u"pumps, ACME"_s}), QString());
    EXPECT_EQ(words.addTerm({u"impeller"_s, u"rotor"_s, TermDirection::Both, {}}), QString()); // already there
    EXPECT_EQ(words.addTerm({u"seal"_s, u"etanșare"_s, TermDirection::EnglishRomanian, {}}), QString());
    EXPECT_EQ(words.keep({2, u"pompă"_s, u"pump"_s, QDate(2026, 12, 7)}), QString());
    EXPECT_EQ(Contents(files.terms), "headword\ttranslation\tdirection\tnote\n"
                                     "impeller\trotor\tboth\tpumps, ACME\n"
                                     "seal\tetanșare\ten-ro\t\n");
    EXPECT_EQ(Contents(files.kept), "direction\theadword\ttranslation\tadded\nro-en\tpompă\tpump\t2026-12-07\n");

    // A pair that cannot be stored is refused and changes nothing.
    EXPECT_NE(words.addTerm({u"a\tb"_s, u"x"_s, TermDirection::Both, {}}), QString());
    EXPECT_NE(words.addTerm({u"line\nbreak"_s, u"x"_s, TermDirection::Both, {}}), QString());
    EXPECT_NE(words.addTerm({u"no translation"_s, u" "_s, TermDirection::Both, {}}), QString());
    EXPECT_NE(words.replaceTerm(0, {u"seal"_s, u"etanșare"_s, TermDirection::EnglishRomanian, {}}), QString());
    EXPECT_EQ(words.replaceTerm(1, {u"seal"_s, u"garnitură"_s, TermDirection::EnglishRomanian, {}}), QString());
    EXPECT_EQ(words.removeTerm(0), QString());

    PersonalWords again(files);
    EXPECT_TRUE(again.load().isEmpty());
    ASSERT_EQ(again.terms().size(), 1);
    EXPECT_EQ(again.terms().terms()[0].translation, u"garnitură"_s);
    ASSERT_EQ(again.kept().size(), 1);
    EXPECT_EQ(again.kept().entries()[0].added, QDate(2026, 12, 7));
}

TEST(TermStore, LeavesADamagedFileAsItIsAndTakesNoChanges)
{
    QTemporaryDir folder;
    const PersonalWordFiles files = PersonalWordFiles::In(folder.path());
    const QList<QByteArray> damaged{
        "headword\ttranslation\tdirection\tnote\npump\tpompă\ten-ro\n",            // a field short
        "headword\ttranslation\tdirection\tnote\npump\tpomp\xE3\ten-ro\t\n",        // not UTF-8
        "headword\ttranslation\tdirection\tnote\npump\tpompă\tsideways\t\n",        // no direction
        "pump\tpompă\ten-ro\t\n",                                                    // no header
        "headword\ttranslation\tdirection\tnote\n" + QByteArray(5000, 'a') + "\tx\ten-ro\t\n", // too long
    };
    for (const QByteArray &bytes : damaged) {
        Write(files.terms, bytes);
        PersonalWords words(files);
        const QStringList problems = words.load();
        ASSERT_EQ(problems.size(), 1) << bytes.left(60).toStdString();
        EXPECT_TRUE(problems[0].contains(files.terms));
        EXPECT_EQ(words.terms().size(), 0);
        EXPECT_NE(words.addTerm({u"a"_s, u"b"_s, TermDirection::Both, {}}), QString());
        EXPECT_EQ(Contents(files.terms), bytes); // never overwritten, least of all by an empty list
    }
}

TEST(TermStore, AnotherProgramsChangeIsReadNotOverwritten)
{
    // The window keeps its list while the command line imports into the same file.
    QTemporaryDir folder;
    const PersonalWordFiles files = PersonalWordFiles::In(folder.path());
    PersonalWords window(files);
    window.load();
    EXPECT_EQ(window.addTerm({u"pump"_s, u"pompă"_s, TermDirection::Both, {}}), QString());
    PersonalWords commandLine(files);
    commandLine.load();
    EXPECT_EQ(commandLine.addTerm({u"valve"_s, u"supapă"_s, TermDirection::Both, {}}), QString());

    const int generation = window.termsGeneration();
    EXPECT_NE(window.removeTerm(0), QString()); // chosen from a list that is out of date
    EXPECT_EQ(window.terms().size(), 2);
    EXPECT_NE(window.termsGeneration(), generation);
    EXPECT_EQ(window.addTerm({u"seal"_s, u"etanșare"_s, TermDirection::Both, {}}), QString());
    PersonalWords again(files);
    again.load();
    EXPECT_EQ(again.terms().size(), 3);
}

TEST(TermStore, AnotherProgramsChangeIsNoticedBeforeTheNextSearch)
{
    QTemporaryDir folder;
    const PersonalWordFiles files = PersonalWordFiles::In(folder.path());
    PersonalWords window(files), commandLine(files);
    window.load();
    EXPECT_FALSE(window.readTermsAgainIfChanged()); // no file yet, nothing new
    EXPECT_EQ(window.addTerm({u"pump"_s, u"pompă"_s, TermDirection::Both, {}}), QString());
    EXPECT_FALSE(window.readTermsAgainIfChanged()); // its own change is no news
    const QByteArray onePair = Contents(files.terms);

    commandLine.load();
    EXPECT_EQ(commandLine.addTerm({u"valve"_s, u"supapă"_s, TermDirection::Both, {}}), QString());
    const int generation = window.termsGeneration();
    EXPECT_TRUE(window.readTermsAgainIfChanged());
    EXPECT_EQ(window.terms().size(), 2);
    EXPECT_NE(window.termsGeneration(), generation);
    EXPECT_FALSE(window.readTermsAgainIfChanged());

    // A file that cannot be read now leaves the list as it is; mended, it is read.
    Write(files.terms, QByteArray("\xff\xfe not a list\n"));
    EXPECT_FALSE(window.readTermsAgainIfChanged());
    EXPECT_EQ(window.terms().size(), 2);
    Write(files.terms, onePair);
    EXPECT_TRUE(window.readTermsAgainIfChanged());
    EXPECT_EQ(window.terms().size(), 1);
}

TEST(TermStore, AFailedSaveUndoesTheChange)
{
    QTemporaryDir folder;
    // The data folder cannot be made: a file stands where it would be.
    Write(folder.filePath(u"blocked"_s), "x");
    PersonalWords words(PersonalWordFiles::In(folder.filePath(u"blocked/data"_s)));
    words.load();
    EXPECT_NE(words.addTerm({u"a"_s, u"b"_s, TermDirection::Both, {}}), QString());
    EXPECT_EQ(words.terms().size(), 0);
    EXPECT_NE(words.keep({1, u"a"_s, u"b"_s, {}}), QString());
    EXPECT_EQ(words.kept().size(), 0);
}

TEST(TermStore, PersonalPairsLeadBothListsAndAreMarked)
{
    const DictTable table = SmallDictionary();
    WordFinder finder(table);
    TermList terms;
    terms.add({u"pump"_s, u"pompă centrifugă"_s, TermDirection::Both, {}});
    terms.add({u"sump pump"_s, u"pompă de drenaj"_s, TermDirection::EnglishRomanian, {}});
    terms.add({u"pompare"_s, u"pumping"_s, TermDirection::RomanianEnglish, {}});
    const TermIndex index(terms);
    EXPECT_EQ(index.size(1), 2);
    EXPECT_EQ(index.size(2), 2); // "pompă centrifugă" turned round, and "pompare"

    LookupRequest request{u"pump"_s, DictTable::EnglishRomanian, Diacritics::Distinct, ReportFormat::Tsv};
    const LookupReport report = MakeReport(table, finder, request, &index);
    ASSERT_TRUE(report.withSource);
    const QList<ReportList> &lists = report.directions[0].lists;
    const ReportList &starting = lists[lists.size() - 2];
    const ReportList &containing = lists.back();
    EXPECT_EQ(Headwords(starting), (QStringList{u"pump"_s, u"pump"_s, u"pumping station"_s}));
    EXPECT_EQ(starting.entries[0].second, u"pompă centrifugă"_s); // before the dictionary's own "pump"
    EXPECT_EQ(starting.personal, 1);
    EXPECT_EQ(Headwords(containing).first(2), (QStringList{u"pump"_s, u"sump pump"_s}));
    EXPECT_EQ(containing.personal, 2);

    QString text;
    QTextStream out(&text);
    WriteReport(out, report, ReportFormat::Tsv);
    out.flush();
    EXPECT_TRUE(text.startsWith(u"er.starting-with\tpump\tpompă centrifugă\tuser\ner.starting-with\tpump\tpompă\tdictionary\n"_s))
        << text.toStdString();

    request.word = u"pomp"_s;
    request.direction = DictTable::RomanianEnglish;
    const LookupReport turned = MakeReport(table, finder, request, &index);
    EXPECT_EQ(Headwords(turned.directions[0].lists.back()).first(2), (QStringList{u"pompare"_s, u"pompă centrifugă"_s}));

    // Without pairs of the user's the report is as it always was.
    const TermIndex none{TermList()};
    EXPECT_FALSE(MakeReport(table, finder, request, &none).withSource);
}

TEST(QuizSources, DrawFromTheUsersWordsAndCountWhatTheyHold)
{
    TermList terms;
    terms.add({u"a"_s, u"x"_s, TermDirection::Both, {}});
    terms.add({u"b"_s, u"y"_s, TermDirection::EnglishRomanian, {}});
    terms.add({u"c"_s, u"y"_s, TermDirection::EnglishRomanian, {}}); // the same answer: one candidate
    const auto table = QuizTableOf(terms);
    EXPECT_EQ(table->EntryCount(1), 3);
    EXPECT_EQ(QuizCandidatesIn(*table, 1), 2);
    EXPECT_EQ(QuizCandidatesIn(*table, 2), 1);
    EXPECT_EQ((*table)(2, DictTable::Headword, 1), u"x"_s);

    KeptList kept;
    kept.add({2, u"pompă"_s, u"pump"_s, {}});
    EXPECT_EQ(QuizCandidatesIn(*QuizTableOf(kept), 2), 1);
    EXPECT_EQ(QuizCandidatesIn(*QuizTableOf(kept), 1), 0);

    const DictTable dictionary = SmallDictionary();
    const auto history = QuizTableOf(dictionary, {u"pump"_s, u"nothing"_s, u"pompă"_s});
    EXPECT_EQ(history->EntryCount(1), 1);
    EXPECT_EQ(history->EntryCount(2), 1);
    EXPECT_TRUE(TooFewWordsMessage(QuizSource::MyList, 1, 9, true).contains(u"9"_s));
}
