// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary archive end to end: the built quillet-pack and quillet-extract run on
// archives made here, each in a temporary folder of its own.
#include "core/dictionary/DictionaryFiles.h"

#include "common/TestArchives.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

namespace {

const QString Password = files::ArchivePassword;

struct Outcome {
    int exitCode = -1;
    QString stderrText;
};

Outcome Start(const QString &program, const QStringList &arguments, const QString &workingDir)
{
    QProcess process;
    process.setWorkingDirectory(workingDir);
    process.start(program, arguments);
    process.waitForFinished(-1);
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << program.toStdString();
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

Outcome Extract(const QString &archive, const QString &workingDir, const QString &password = Password,
                const QStringList &members = {})
{
    return Start(QStringLiteral(QUILLET_EXTRACT), QStringList{u"x"_s, u"-y"_s, u"-p"_s + password, archive} + members,
                 workingDir);
}

Outcome Pack(const QString &dir, const QStringList &forms = {})
{
    return Start(QStringLiteral(QUILLET_PACK),
                 QStringList{u"--out"_s, u"Database.db"_s, u"en-ro.txt"_s, u"ro-en.txt"_s} + forms, dir);
}

void ExpectOneLineFailure(const Outcome &run, ExtractorStatus status, const QString &mentioned)
{
    EXPECT_EQ(run.exitCode, static_cast<int>(status)) << run.stderrText.toStdString();
    EXPECT_EQ(run.stderrText.count(u'\n'), 1) << run.stderrText.toStdString();
    EXPECT_TRUE(run.stderrText.endsWith(u'\n'));
    EXPECT_THAT(run.stderrText.toStdString(), HasSubstr(mentioned.toStdString()));
}

const QByteArray EnRo = "\xEF\xBB\xBF" "abacus\tabac\nsteel\toțel\r\nscrew\tșurub; șuruburi\ntab\t\n";
const QByteArray RoEn = "oțel\tsteel\nîntrerupător\tswitch\n";

// A folder holding the two data files and the archive packed from them.
class PackedArchive : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        QByteArray bigger = EnRo;
        for (int k = 0; k < 400; ++k)
            bigger += "term" + QByteArray::number(k * 7919) + "\ttermen " + QByteArray::number(k * 104729) + "\n";
        WriteFile(path(u"en-ro.txt"_s), bigger);
        WriteFile(path(u"ro-en.txt"_s), RoEn);
        const Outcome packed = Pack(dir_.path());
        ASSERT_EQ(packed.exitCode, 0) << packed.stderrText.toStdString();
        archive_ = ReadFile(path(files::Database));
    }
    QString path(const QString &name) const { return dir_.filePath(name); }
    // A fresh folder to extract into, holding only the given archive bytes.
    QString folderWith(const QByteArray &archive)
    {
        const QString folder = dir_.filePath(u"x%1"_s.arg(++folders_));
        QDir().mkpath(folder);
        WriteFile(folder + u"/a.db"_s, archive);
        return folder;
    }

    QTemporaryDir dir_;
    QByteArray archive_;
    int folders_ = 0;
};

TEST_F(PackedArchive, RoundTripGivesTheFourParallelMembers)
{
    const QString folder = folderWith(archive_);
    WriteFile(folder + u"/ert_e.txt"_s, "stale, to be overwritten\n");
    const Outcome run = Extract(u"a.db"_s, folder);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText.toStdString();
    EXPECT_TRUE(run.stderrText.isEmpty());
    EXPECT_THAT(Entries(folder), UnorderedElementsAre(u"a.db"_s, u"ert_e.txt"_s, u"ert_r.txt"_s,
                                                      u"rte_r.txt"_s, u"rte_e.txt"_s));
    EXPECT_TRUE(ReadFile(folder + u"/ert_e.txt"_s).startsWith("abacus\nsteel\nscrew\ntab\nterm0\nterm7919\n"));
    EXPECT_TRUE(ReadFile(folder + u"/ert_r.txt"_s).startsWith("abac\noțel\nșurub; șuruburi\n\ntermen 0\n"));
    EXPECT_EQ(ReadFile(folder + u"/ert_e.txt"_s).count('\n'), 404);
    EXPECT_EQ(ReadFile(folder + u"/ert_r.txt"_s).count('\n'), 404);
    EXPECT_EQ(ReadFile(folder + u"/rte_r.txt"_s), "oțel\nîntrerupător\n");
    EXPECT_EQ(ReadFile(folder + u"/rte_e.txt"_s), "steel\nswitch\n");

    // Named members alone come out; a name the archive lacks is passed over.
    const QString some = folderWith(archive_);
    ASSERT_EQ(Extract(u"a.db"_s, some, Password, {u"rte_e.txt"_s, u"ert_f.txt"_s}).exitCode, 0);
    EXPECT_THAT(Entries(some), UnorderedElementsAre(u"a.db"_s, u"rte_e.txt"_s));
}

TEST_F(PackedArchive, AnotherPasswordADamagedOrAMissingArchiveLeavesNoMember)
{
    for (const char *plain : {"întrerupător", "switch", "abacus"})
        EXPECT_FALSE(archive_.contains(plain)) << plain;
    const QString encrypted = folderWith(archive_);
    ExpectOneLineFailure(Extract(u"a.db"_s, encrypted, u"k7w3m9t2r5x9"_s), ExtractorStatus::WrongPassword, u"a.db"_s);
    EXPECT_THAT(Entries(encrypted), UnorderedElementsAre(u"a.db"_s));

    QByteArray flipped = archive_;
    for (qsizetype i = archive_.size() / 2; i < archive_.size() / 2 + 16; ++i)
        flipped[i] = char(~flipped[i]);
    const QByteArray damaged[] = {flipped, archive_.first(archive_.size() / 2), archive_.chopped(10),
                                  "just some text, no zip\n", ""};
    for (const QByteArray &bytes : damaged) {
        const QString folder = folderWith(bytes);
        ExpectOneLineFailure(Extract(u"a.db"_s, folder), ExtractorStatus::CorruptArchive, u"a.db"_s);
        EXPECT_THAT(Entries(folder), UnorderedElementsAre(u"a.db"_s));
    }

    const QString folder = folderWith(archive_);
    ExpectOneLineFailure(Extract(u"none.db"_s, folder), ExtractorStatus::ArchiveMissing, u"none.db"_s);
    ExpectOneLineFailure(Extract(folder, folder), ExtractorStatus::ArchiveMissing, folder);
    EXPECT_THAT(Entries(folder), UnorderedElementsAre(u"a.db"_s));
}

TEST_F(PackedArchive, BadUsageExtractsNothing)
{
    const QString folder = folderWith(archive_);
    const QString pw = u"-p"_s + Password;
    const QList<QStringList> commands = {{},
                                         {u"e"_s, u"-y"_s, pw, u"a.db"_s},
                                         {u"x"_s, u"-y"_s, u"-p"_s, u"a.db"_s},
                                         {u"x"_s, u"-y"_s, pw}};
    for (const QStringList &arguments : commands) {
        ExpectOneLineFailure(Start(QStringLiteral(QUILLET_EXTRACT), arguments, folder), ExtractorStatus::Usage,
                             u"usage"_s);
        EXPECT_THAT(Entries(folder), UnorderedElementsAre(u"a.db"_s));
    }
}

TEST_F(PackedArchive, ALinkInTheWayIsNotFollowed)
{
    const QString folder = folderWith(archive_);
    WriteFile(path(u"outside.txt"_s), "keep");
    ASSERT_TRUE(QFile::link(path(u"outside.txt"_s), folder + u"/ert_r.txt"_s));
    ExpectOneLineFailure(Extract(u"a.db"_s, folder), ExtractorStatus::WriteFailed, u"ert_r.txt"_s);
    EXPECT_EQ(ReadFile(path(u"outside.txt"_s)), "keep");
    EXPECT_THAT(Entries(folder), UnorderedElementsAre(u"a.db"_s, u"ert_r.txt"_s));
}

TEST(ArchivePack, MalformedDataFailsAndKeepsTheOldArchive)
{
    const QByteArray malformed[] = {"good\tbun\nno tab here\n", "good\tbun\n\tempty headword\n",
                                    "good\tbun\n\n", "good\tbun\nbad\t\xFF\xFE\n"};
    for (const QByteArray &data : malformed) {
        QTemporaryDir dir;
        WriteFile(dir.filePath(u"en-ro.txt"_s), "a\tb\n");
        WriteFile(dir.filePath(u"ro-en.txt"_s), data);
        WriteFile(dir.filePath(u"Database.db"_s), "previous archive");
        const Outcome run = Pack(dir.path());
        EXPECT_NE(run.exitCode, 0);
        EXPECT_THAT(run.stderrText.toStdString(), HasSubstr("ro-en.txt:2:"));
        EXPECT_EQ(ReadFile(dir.filePath(u"Database.db"_s)), "previous archive");
        EXPECT_THAT(Entries(dir.path()), UnorderedElementsAre(u"en-ro.txt"_s, u"ro-en.txt"_s, u"Database.db"_s));
    }
}

TEST(ArchivePack, FormsFilesBecomeMembersInLookUpOrder)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath(u"en-ro.txt"_s), "axis\tax\n");
    WriteFile(dir.filePath(u"ro-en.txt"_s), RoEn);
    WriteFile(dir.filePath(u"en-forms.txt"_s), "axis\taxes\n");
    WriteFile(dir.filePath(u"ro-forms.txt"_s), "șurub\tȘuruburile\troți\nroată\troțile\troți\r\n");
    const Outcome packed = Pack(dir.path(), {u"en-forms.txt"_s, u"ro-forms.txt"_s});
    ASSERT_EQ(packed.exitCode, 0) << packed.stderrText.toStdString();
    ASSERT_EQ(Extract(files::Database, dir.path(), Password, {u"ert_f.txt"_s, u"rte_f.txt"_s}).exitCode, 0);
    EXPECT_EQ(ReadFile(dir.filePath(u"ert_f.txt"_s)), "axes\taxis\n");
    // By the form without case and marks, then by the bytes of form and base.
    EXPECT_EQ(ReadFile(dir.filePath(u"rte_f.txt"_s)), "roți\troată\nroți\tșurub\nroțile\troată\nȘuruburile\tșurub\n");

    WriteFile(dir.filePath(u"ro-forms.txt"_s), "roată\troți\nroată\n");
    const Outcome bad = Pack(dir.path(), {u"en-forms.txt"_s, u"ro-forms.txt"_s});
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_THAT(bad.stderrText.toStdString(), HasSubstr("ro-forms.txt:2:"));
}

TEST(ArchiveExtract, RefusesMembersThatAreNotPlainFiles)
{
    QTemporaryDir root;
    const QString work = root.filePath(u"work"_s);
    ASSERT_TRUE(QDir().mkpath(work));
    const QByteArray outside = QFile::encodeName(root.filePath(u"abs.txt"_s));
    const std::vector<Member> unsafe = {{"../up.txt"},           {outside},
                                        {"sub/../../up.txt"},    {"link", outside, AE_IFLNK},
                                        {"folder/", {}, AE_IFDIR}, {"sub/inner.txt"}};
    for (const Member &member : unsafe) {
        WriteZip(work + u"/a.db"_s, {{"fine.txt"}, member});
        const Outcome run = Extract(u"a.db"_s, work);
        ExpectOneLineFailure(run, ExtractorStatus::CorruptArchive, u"refused"_s);
        EXPECT_THAT(Entries(work), UnorderedElementsAre(u"a.db"_s)) << member.name.constData();
        EXPECT_THAT(Entries(root.path()), UnorderedElementsAre(u"work"_s)) << member.name.constData();
    }
}

} // namespace
