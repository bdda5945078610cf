// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary loader on a program folder made here: an archive packed by the built
// quillet-pack, or written with libarchive for text the packer never writes.
#include "core/archive/ArchiveReader.h"
#include "core/dictionary/DictionaryFiles.h"
#include "core/dictionary/DictionaryLoader.h"
#include "core/dictionary/FormsLoader.h"
#include "core/lookup/FormsBlockIndex.h"
#include "core/dictionary/HeadwordIndexFile.h"
#include "core/dictionary/LineBlockIndex.h"
#include "core/dictionary/ProgramFolders.h"

#include "common/QStringPrinter.h"
#include "common/TestArchives.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;
using ::testing::HasSubstr;

namespace {

class RecordingObserver : public LoadObserver {
public:
    void extracting() override { ++extractions; }
    // True from the given ask on: 1 lets the archive be read first.
    bool cancelled() const override { return cancelFromAsk >= 0 && asked++ >= cancelFromAsk; }
    bool lineRead(int percent) override
    {
        percents.push_back(percent);
        return stopAfter < 0 || int(percents.size()) < stopAfter;
    }
    void progressDone() override { ++done; }

    int extractions = 0;
    int done = 0;
    int stopAfter = -1;
    int cancelFromAsk = -1;
    mutable int asked = 0;
    std::vector<int> percents;
};

const QByteArray Password(files::ArchivePassword.data(), files::ArchivePassword.size());

const QByteArray EnRo = "valve\tventil\nsteel\toțel\nscrew\tșurub\n";
const QByteArray RoEn = "oțel\tsteel\nșurub\tscrew\n";

// A program folder whose name holds blanks and quotes, and a private temporary folder
// for the loader.
class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        for (const QString &sub : {program_, u"tmp"_s, u"data"_s})
            ASSERT_TRUE(QDir(root_.path()).mkpath(sub));
        qputenv("TMPDIR", QFile::encodeName(root_.filePath(u"tmp"_s)));
    }
    void TearDown() override { qputenv("TMPDIR", oldTemp_); }

    QString programDir() const { return root_.filePath(program_); }
    QString programPath(const QString &name) const { return QDir(programDir()).filePath(name); }

    void pack(const QByteArray &enRo, const QByteArray &roEn)
    {
        const QDir data(root_.filePath(u"data"_s));
        WriteFile(data.filePath(u"en-ro.txt"_s), enRo);
        WriteFile(data.filePath(u"ro-en.txt"_s), roEn);
        QProcess packer;
        packer.start(QStringLiteral(QUILLET_PACK), {u"--out"_s, programPath(files::Database),
                                                    data.filePath(u"en-ro.txt"_s), data.filePath(u"ro-en.txt"_s)});
        ASSERT_TRUE(packer.waitForFinished(-1));
        ASSERT_EQ(packer.exitCode(), 0) << packer.readAllStandardError().toStdString();
    }

    // The four members with the given contents, written without the packer.
    void writeMembers(const QByteArray &ertE, const QByteArray &ertR, const QByteArray &rteR = "oțel\n",
                      const QByteArray &rteE = "steel\n")
    {
        WriteZip(programPath(files::Database),
                 {{"ert_e.txt", ertE}, {"ert_r.txt", ertR}, {"rte_r.txt", rteR}, {"rte_e.txt", rteE}}, Password);
    }

    // The texts of one field of a direction's entries, from the first to the last.
    QStringList column(int direction, int field) const
    {
        QStringList texts;
        for (int k = 1; k <= table_.EntryCount(direction); ++k)
            texts.append(table_(direction, field, k));
        return texts;
    }

    LoadResult load()
    {
        DictionaryLoader loader(programDir());
        loader.setDirections(directions_);
        table_.setEntryCount(DictTable::EnglishRomanian, DictTable::Capacity); // a load may lower it
        return loader.LoadDictionary(table_, observer_);
    }

    // Nothing is written anywhere, wherever the load ended.
    void expectNothingLeft() const
    {
        EXPECT_TRUE(Entries(root_.filePath(u"tmp"_s)).isEmpty()) << Entries(root_.filePath(u"tmp"_s)).join(u' ').toStdString();
        for (const QString &name : Entries(programDir()))
            EXPECT_EQ(name, files::Database);
    }

    void expectFailure(const LoadResult &result, const QString &file, const std::string &cause) const
    {
        EXPECT_FALSE(result.loaded);
        EXPECT_FALSE(result.cancelled);
        EXPECT_EQ(result.failure.file, file);
        EXPECT_THAT(result.failure.cause.toStdString(), HasSubstr(cause));
        EXPECT_EQ(result.failure.message(), file + u": "_s + result.failure.cause);
        EXPECT_FALSE(result.failure.message().contains(u'\n'));
        expectNothingLeft();
    }

    QTemporaryDir root_;
    const QString program_ = u"Program's \"Quillet\" folder"_s;
    const QByteArray oldTemp_ = qgetenv("TMPDIR");
    QList<int> directions_{DictTable::EnglishRomanian, DictTable::RomanianEnglish};
    DictTable table_;
    RecordingObserver observer_;
};

TEST_F(ProgramFolder, LoadsBothDirectionsAndLeavesNoTextFile)
{
    pack(EnRo, RoEn);
    const LoadResult result = load();
    ASSERT_TRUE(result.loaded) << result.failure.message().toStdString();
    EXPECT_FALSE(result.cancelled);

    EXPECT_EQ(column(1, 1), (QStringList{u"valve"_s, u"steel"_s, u"screw"_s}));
    EXPECT_EQ(column(1, 2), (QStringList{u"ventil"_s, u"oțel"_s, u"șurub"_s}));
    EXPECT_EQ(table_(1, 1, 4), QString());
    EXPECT_EQ(table_(1, 1, 0), QString());
    EXPECT_EQ(column(2, 1), (QStringList{u"oțel"_s, u"șurub"_s}));
    EXPECT_EQ(column(2, 2), (QStringList{u"steel"_s, u"screw"_s}));
    EXPECT_EQ(table_.headwords(2).size(), 2);

    EXPECT_EQ(observer_.extractions, 1);
    EXPECT_EQ(observer_.done, 1);
    EXPECT_EQ(observer_.percents, (std::vector<int>{25, 50, 75}));
    expectNothingLeft();
}

TEST_F(ProgramFolder, ReadsOnlyTheDirectionsAskedFor)
{
    // An archive without the English-Romanian members still gives Romanian-English.
    WriteZip(programPath(files::Database), {{"rte_r.txt", "oțel\n"}, {"rte_e.txt", "steel\n"}}, Password);
    directions_ = {DictTable::RomanianEnglish};
    const LoadResult result = load();
    ASSERT_TRUE(result.loaded) << result.failure.message().toStdString();
    EXPECT_EQ(column(2, 2), QStringList{u"steel"_s});
    EXPECT_EQ(table_.headwords(1).size(), 0);
    directions_ = {DictTable::EnglishRomanian};
    expectFailure(load(), u"ert_e.txt"_s, "missing");
}

// The searchable texts of a direction and their byte orders, as the loaded index has them.
std::vector<std::string> IndexTexts(const HeadwordIndex &index)
{
    std::vector<std::string> texts;
    for (int i = 0; i < HeadwordIndex::Texts; ++i) {
        texts.emplace_back(index.text(i).bytes());
        for (const int k : index.text(i).byteOrder())
            texts.back() += ' ' + std::to_string(k);
    }
    return texts;
}

TEST_F(ProgramFolder, TakesThePackersIndexOrMakesItWhenItIsStale)
{
    pack("Șurub\tscrew\nvalve\tventil\nabc\tx\n", RoEn);
    ASSERT_TRUE(load().loaded);
    DictTable made; // the index made from the same headwords by the loader itself
    made.setLines(1, DictTable::Headword, "Șurub\nvalve\nabc\n", {{0, 6}, {7, 5}, {13, 3}});
    EXPECT_EQ(IndexTexts(table_.headwords(1)), IndexTexts(made.headwords(1)));
    // The index taken from the packer changes as one made here does.
    table_.set(1, DictTable::Headword, 4, u"Nut"_s);
    made.set(1, DictTable::Headword, 4, u"Nut"_s);
    EXPECT_EQ(IndexTexts(table_.headwords(1)), IndexTexts(made.headwords(1)));

    // The packer's index beside other headwords, or of another version, is made anew.
    const ArchiveContents packed = ArchiveReader(programPath(files::Database), Password).read();
    ASSERT_TRUE(packed.ok());
    QByteArray otherVersion = *packed.member("rte_i.bin"_L1);
    otherVersion[4] = char(HeadwordIndexFile::Version + 1);
    WriteZip(programPath(files::Database),
             {{"ert_e.txt", "gear\nshaft\nbolt\n"}, {"ert_r.txt", "a\nb\nc\n"}, {"ert_i.bin", *packed.member("ert_i.bin"_L1)},
              {"rte_r.txt", *packed.member("rte_r.txt"_L1)}, {"rte_e.txt", "steel\nscrew\n"},
              {"rte_i.bin", otherVersion}},
             Password);
    ASSERT_TRUE(load().loaded);
    EXPECT_EQ(table_.headwords(1).folded().bytes(), "\ngear\nshaft\nbolt\n");
    EXPECT_EQ(table_.headwords(1).stored().byteOrder(), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(table_.headwords(2).foldedWithoutMarks().bytes(), "\notel\nsurub\n");
}

// The translations packed in blocks: the window gets them all, a look-up those of the
// entries it asks for and no other; an older archive's whole member serves both, and a
// block that is not what its index says is named.
TEST_F(ProgramFolder, TranslationsInBlocksServeTheWindowWholeAndALookUpByEntry)
{
    QByteArray enRo;
    QStringList translations;
    for (int k = 1; k <= 3000; ++k) {
        enRo += "word" + QByteArray::number(k) + "\ttranslation " + QByteArray::number(k) + "\n";
        translations << u"translation %1"_s.arg(k);
    }
    pack(enRo, RoEn);
    ASSERT_TRUE(load().loaded);
    EXPECT_EQ(column(1, 2), translations);

    const auto lookUp = [this](const std::map<int, std::vector<int>> &entries) {
        table_ = DictTable();
        DictionaryLoader loader(programDir());
        loader.setForOneLookUp(true);
        EXPECT_TRUE(loader.LoadDictionary(table_, observer_).loaded);
        EXPECT_EQ(table_(1, 2, 7), QString());
        return loader.LoadTranslations(table_, entries);
    };
    ASSERT_TRUE(lookUp({{1, {2999, 7, 3000, 7}}, {2, {2}}}).loaded);
    EXPECT_EQ(table_(1, 2, 7), u"translation 7"_s);
    EXPECT_EQ(table_(1, 2, 2999), u"translation 2999"_s);
    EXPECT_EQ(table_(1, 2, 3000), u"translation 3000"_s);
    EXPECT_EQ(table_(1, 2, 8), QString());
    EXPECT_EQ(table_(2, 2, 2), u"screw"_s);
    EXPECT_EQ(table_.EntryCount(1), 3000);

    // Blocks of other lines than their index says.
    const QByteArray lines = "a\n" + QByteArray(5000, 'b') + "\nc\n";
    const std::vector<QByteArray> blocks = LineBlockIndex::split(lines);
    ASSERT_EQ(blocks.size(), 2u);
    WriteZip(programPath(files::Database),
             {{"ert_e.txt", "x\ny\nz\n"}, {"ert_ri.bin", LineBlockIndex::encode(blocks)}, {"ert_r1.txt", blocks[0]},
              {"ert_r2.txt", "c\nd\n"}, {"rte_r.txt", "a\n"}, {"rte_e.txt", "b\n"}},
             Password);
    expectFailure(load(), u"ert_r.txt"_s, "block \"ert_r2.txt\" does not match the blocks' index");
    EXPECT_EQ(lookUp({{1, {3}}}).failure.message(), u"ert_r.txt: block \"ert_r2.txt\" does not match the blocks' index"_s);
    EXPECT_TRUE(lookUp({{1, {1}}}).loaded);
    EXPECT_EQ(table_(1, 2, 1), u"a"_s);
    // Blocks of an older Windows machine's text are read as the one file they make.
    const std::vector<QByteArray> latin1 = LineBlockIndex::split("a\n" + QByteArray(5000, 'b') + "\n\xe9t\xe9\n");
    ASSERT_EQ(latin1.size(), 2u);
    WriteZip(programPath(files::Database),
             {{"ert_e.txt", "x\ny\nz\n"}, {"ert_ri.bin", LineBlockIndex::encode(latin1)}, {"ert_r1.txt", latin1[0]},
              {"ert_r2.txt", latin1[1]}, {"rte_r.txt", "a\n"}, {"rte_e.txt", "b\n"}},
             Password);
    ASSERT_TRUE(load().loaded);
    EXPECT_EQ(column(1, 2), (QStringList{u"a"_s, QString(5000, u'b'), u"\u00e9t\u00e9"_s}));
    // One whole member, as an older archive has it.
    writeMembers("x\ny\n", "first\nsecond\n");
    ASSERT_TRUE(lookUp({{1, {2}}}).loaded);
    EXPECT_EQ(table_(1, 2, 2), u"second"_s);
    EXPECT_FALSE(LineBlockIndex::decode(LineBlockIndex::encode(blocks).chopped(1)));
}

// Every entry up to the bound loads, the progress ending at 99; one more is refused, never
// cut off.
TEST_F(ProgramFolder, TheEntryBoundIsExactAndNeverSilent)
{
    QByteArray many;
    for (int k = 1; k <= DictTable::Capacity; ++k)
        many += "w" + QByteArray::number(k) + "\n";
    writeMembers(many, many, many, many);
    ASSERT_TRUE(load().loaded);
    EXPECT_EQ(table_.EntryCount(1), DictTable::Capacity);
    EXPECT_EQ(table_.EntryCount(2), DictTable::Capacity);
    EXPECT_EQ(table_(1, 2, DictTable::Capacity), u"w200000"_s);
    EXPECT_EQ(table_.headwords(2).size(), DictTable::Capacity);
    EXPECT_EQ(observer_.percents.back(), 99);

    writeMembers(many, "only one\n", many + "w200001\n", many);
    expectFailure(load(), u"rte_r.txt"_s, "more than 200000 lines");
    writeMembers(many, many + "w200001\n");
    expectFailure(load(), u"ert_r.txt"_s, "more than 200000 lines");
}

// The forms are read as far as their bounds: a member with a line past them is left out
// and named, the other direction's forms are given all the same.
TEST_F(ProgramFolder, AFormsMemberWithOverlongLinesIsRefused)
{
    const QByteArray longLine = "form\t" + QByteArray(1024 * 1024, 'b') + "\n";
    WriteZip(programPath(files::Database),
             {{"ert_e.txt", "a\n"}, {"ert_r.txt", "b\n"}, {"ert_f.txt", "went\tgo\n" + longLine},
              {"rte_f.txt", "roți\troată\n"}},
             Password);
    const LoadedForms forms = FormsLoader(programDir()).LoadForms({1, 2}, observer_);
    EXPECT_FALSE(forms.result.loaded);
    EXPECT_EQ(forms.result.failure.message(), u"ert_f.txt: line 2 is longer than 65536 bytes"_s);
    EXPECT_TRUE(forms.lines[0].isEmpty());
    EXPECT_EQ(forms.lines[1], "roți\troată\n");
}

// Forms stored in blocks give the window the same lines as one member did, and a look-up
// the same bases, reading only the block its word could be in; an index that no longer
// describes its blocks is passed over for the whole member, or named when there is none.
TEST_F(ProgramFolder, FormsInBlocksServeAsOneMemberDid)
{
    QList<FormPair> pairs;
    for (int k = 0; k < 4000; ++k)
        pairs.append({u"Form%1"_s.arg(k / 2), u"base%1"_s.arg(k)});
    const QByteArray lines = FormsTable::encode(pairs);
    const std::vector<QByteArray> blocks = FormsBlockIndex::split(lines);
    ASSERT_GT(blocks.size(), 2u);
    for (std::size_t k = 1; k < blocks.size(); ++k) // the two lines of a form stay together
        EXPECT_NE(blocks[k - 1].sliced(blocks[k - 1].lastIndexOf('\n', -2) + 1).split('\t')[0],
                  blocks[k].split('\t')[0]);
    const auto write = [&](const QByteArray &index, const QList<QByteArray> &more = {}) {
        std::vector<Member> members{{"ert_e.txt", "a\n"}, {"ert_r.txt", "b\n"}, {"ert_fi.bin", index}};
        for (std::size_t k = 0; k < blocks.size(); ++k)
            members.push_back({"ert_f" + QByteArray::number(qsizetype(k + 1)) + ".txt", blocks[k]});
        if (!more.isEmpty())
            members.push_back({more[0], more[1]});
        WriteZip(programPath(files::Database), members, Password);
    };
    write(FormsBlockIndex::encode(blocks));
    EXPECT_EQ(FormsLoader(programDir()).LoadForms({1}, observer_).lines[0], lines);
    FormsOnDemand onDemand = FormsLoader(programDir()).LoadFormsOnDemand({1});
    ASSERT_TRUE(onDemand.result.loaded);
    EXPECT_EQ(onDemand.tables[0].basesOf(u"form1999").spelledAlike, (QStringList{u"base3998"_s, u"base3999"_s}));
    EXPECT_EQ(onDemand.tables[0].basesOf(u"form0").spelledAlike, (QStringList{u"base0"_s, u"base1"_s}));
    EXPECT_TRUE(onDemand.tables[0].basesOf(u"aaa").spelledAlike.isEmpty());
    EXPECT_TRUE(onDemand.problems->isEmpty());

    // Blocks of other lines than the index says: the whole member serves, else nothing.
    std::vector<QByteArray> stale = blocks;
    for (QByteArray &block : stale)
        block.prepend("Form0\tother\n");
    write(FormsBlockIndex::encode(stale), {"ert_f.txt", "went\tgo\n"});
    EXPECT_EQ(FormsLoader(programDir()).LoadForms({1}, observer_).lines[0], "went\tgo\n");
    write(FormsBlockIndex::encode(stale));
    const LoadedForms none = FormsLoader(programDir()).LoadForms({1}, observer_);
    EXPECT_EQ(none.result.failure.message(), u"ert_fi.bin: the blocks do not match their index"_s);
    onDemand = FormsLoader(programDir()).LoadFormsOnDemand({1});
    EXPECT_TRUE(onDemand.tables[0].basesOf(u"form1999").spelledAlike.isEmpty());
    EXPECT_THAT(onDemand.problems->join(u' ').toStdString(), HasSubstr("the block does not match its index"));
    // An index of another version, or damaged, is no index.
    QByteArray otherVersion = FormsBlockIndex::encode(blocks);
    otherVersion[4] = char(FormsBlockIndex::Version + 1);
    EXPECT_FALSE(FormsBlockIndex::decode(otherVersion));
    EXPECT_FALSE(FormsBlockIndex::decode(FormsBlockIndex::encode(blocks).chopped(1)));
}

TEST_F(ProgramFolder, LineEndsEncodingsAndBlankLinesKeepTheFilesPaired)
{
    // CR LF line ends, a Windows-1250 line (0xFE is t with cedilla, 0xBA s with
    // cedilla), a blank headword and a blank translation, and no break after the last.
    writeMembers("valve\r\n\r\no\xFE" "el\r\nscrew\r\nlast", "ventil\r\nno headword\r\noțel\r\n\r\nultim",
                 "\xBA" "urub\n", "screw\n");
    const LoadResult result = load();
    ASSERT_TRUE(result.loaded) << result.failure.message().toStdString();
    EXPECT_EQ(column(1, 1), (QStringList{u"valve"_s, QString(), u"o\u0163el"_s, u"screw"_s, u"last"_s}));
    EXPECT_EQ(column(1, 2), (QStringList{u"ventil"_s, u"no headword"_s, u"oțel"_s, QString(), u"ultim"_s}));
    EXPECT_EQ(table_(2, 1, 1), u"\u015Furub"_s);
    expectNothingLeft();
}

TEST_F(ProgramFolder, EachBrokenPieceIsNamedWithItsCause)
{
    pack(EnRo, RoEn);
    QFile::remove(programPath(files::Database));
    expectFailure(load(), files::Database, "missing");

    WriteZip(programPath(files::Database), {{"ert_e.txt", "a\n"}, {"ert_r.txt", "b\n"}}, "another password");
    expectFailure(load(), files::Database, "wrong password");

    WriteZip(programPath(files::Database), {{"ert_e.txt", "a\n"}, {"ert_r.txt", "b\n"}, {"rte_r.txt", "c\n"}},
             Password);
    expectFailure(load(), u"rte_e.txt"_s, "missing");

    writeMembers("", "b\n");
    expectFailure(load(), u"ert_e.txt"_s, "empty");
    // The directions are read side by side; the first one's failure is told.
    writeMembers("", "b\n", "", "x\n");
    expectFailure(load(), u"ert_e.txt"_s, "empty");

    // A bomb, and a line with no end.
    writeMembers(QByteArray(files::MaxMemberBytes + 1, '\n'), "b\n");
    expectFailure(load(), files::Database,
                  "\"ert_e.txt\" unpacks to more than " + std::to_string(files::MaxMemberBytes) + " bytes");
    // Within what the reader takes, but past what a headwords file may hold.
    writeMembers(QByteArray(files::MaxHeadwordsBytes + 1, '\n'), "b\n");
    expectFailure(load(), u"ert_e.txt"_s, "larger than " + std::to_string(files::MaxHeadwordsBytes) + " bytes");
    writeMembers("a\n" + QByteArray(65 * 1024, 'x'), "b\n");
    expectFailure(load(), u"ert_e.txt"_s, "line 2 is longer than 65536 bytes");
}

TEST_F(ProgramFolder, AnObserverThatSaysStopCancelsTheLoad)
{
    pack(EnRo, RoEn);
    observer_.stopAfter = 2;
    const LoadResult result = load();
    EXPECT_FALSE(result.loaded);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(observer_.percents.size(), 2u);
    EXPECT_EQ(observer_.done, 0);
    expectNothingLeft();

    // A cancel while the archive is read stops the load before any entry.
    observer_.cancelFromAsk = 1;
    observer_.percents.clear();
    const LoadResult stopped = load();
    EXPECT_TRUE(stopped.cancelled) << stopped.failure.message().toStdString();
    EXPECT_EQ(observer_.asked, 2);
    EXPECT_TRUE(observer_.percents.empty());
    expectNothingLeft();
}

// An installed tree keeps the program and its extractor in libexec/quillet and the archive in
// share/quillet; what lies beside the program still comes first.
TEST_F(ProgramFolder, FindsTheInstalledTreeFromTheProgramsFolder)
{
    pack(EnRo, RoEn);
    const QDir root(root_.path());
    for (const QString &folder : {u"usr/libexec/quillet"_s, u"usr/share/quillet"_s})
        ASSERT_TRUE(root.mkpath(folder));
    ASSERT_TRUE(QFile::rename(programPath(files::Database), root.filePath(u"usr/share/quillet/Database.db"_s)));
    const QString bin = root.filePath(u"usr/libexec/quillet"_s);

    const ProgramFolders installed = ProgramFolders::Locate(bin);
    EXPECT_EQ(installed.data, root.filePath(u"usr/share/quillet"_s));
    EXPECT_TRUE(DictionaryLoader(bin).LoadDictionary(table_, observer_).loaded);

    WriteFile(QDir(bin).filePath(files::Database), "beside");
    EXPECT_EQ(ProgramFolders::Locate(bin).data, bin);
    EXPECT_EQ(ProgramFolders::Locate(root.filePath(u"nowhere"_s)).data, root.filePath(u"nowhere"_s));
}

} // namespace
