// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary archive end to end: the built quillet-pack writes it, the reader takes
// its members into memory; and archives made here, damaged or hostile, each refused with
// one line naming the archive and the cause.
#include "core/archive/ArchiveReader.h"
#include "core/dictionary/DictionaryFiles.h"

#include "common/QStringPrinter.h"
#include "common/TestArchives.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <array>
#include <memory>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Key;

namespace {

const QByteArray Password(files::ArchivePassword.data(), files::ArchivePassword.size());

struct Outcome {
    int exitCode = -1;
    QString stderrText;
};

Outcome Pack(const QString &dir, const QStringList &forms = {})
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.start(QStringLiteral(QUILLET_PACK),
                  QStringList{u"--out"_s, u"Database.db"_s, u"en-ro.txt"_s, u"ro-en.txt"_s} + forms);
    process.waitForFinished(-1);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

ArchiveContents Read(const QString &archive, const QStringList &wanted = {}, const QByteArray &password = Password,
                     ArchiveLimits limits = {})
{
    return ArchiveReader(archive, password, limits).read(wanted);
}

void ExpectRefused(const ArchiveContents &read, ArchiveStatus status, const QString &mentioned)
{
    EXPECT_EQ(read.status, status) << read.message.toStdString();
    EXPECT_TRUE(read.members.empty());
    EXPECT_FALSE(read.message.contains(u'\n')) << read.message.toStdString();
    EXPECT_THAT(read.message.toStdString(), HasSubstr(mentioned.toStdString()));
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
    QString archiveWith(const QByteArray &bytes)
    {
        const QString file = dir_.filePath(u"a%1.db"_s.arg(++archives_));
        WriteFile(file, bytes);
        return file;
    }

    QTemporaryDir dir_;
    QByteArray archive_;
    int archives_ = 0;
};

TEST_F(PackedArchive, RoundTripGivesTheParallelMembersInMemory)
{
    const ArchiveContents all = Read(path(files::Database));
    ASSERT_TRUE(all.ok()) << all.message.toStdString();
    // The translations in blocks of whole lines, with their index.
    EXPECT_THAT(all.members, ElementsAre(Key(u"ert_e.txt"_s), Key(u"ert_i.bin"_s), Key(u"ert_r1.txt"_s),
                                         Key(u"ert_r2.txt"_s), Key(u"ert_ri.bin"_s), Key(u"rte_e1.txt"_s),
                                         Key(u"rte_ei.bin"_s), Key(u"rte_i.bin"_s), Key(u"rte_r.txt"_s)));
    const QByteArray headwords = *all.member("ert_e.txt"_L1);
    const QByteArray translations = *all.member("ert_r1.txt"_L1) + *all.member("ert_r2.txt"_L1);
    EXPECT_TRUE(headwords.startsWith("abacus\nsteel\nscrew\ntab\nterm0\nterm7919\n"));
    EXPECT_TRUE(translations.startsWith("abac\noțel\nșurub; șuruburi\n\ntermen 0\n"));
    EXPECT_TRUE(all.member("ert_r1.txt"_L1)->endsWith('\n'));
    EXPECT_EQ(headwords.count('\n'), 404);
    EXPECT_EQ(translations.count('\n'), 404);
    EXPECT_EQ(*all.member("rte_r.txt"_L1), "oțel\nîntrerupător\n");
    EXPECT_EQ(*all.member("rte_e1.txt"_L1), "steel\nswitch\n");

    // Named members alone are read; a name the archive lacks is passed over.
    const ArchiveContents some = Read(path(files::Database), {u"rte_r.txt"_s, u"ert_f.txt"_s});
    EXPECT_THAT(some.members, ElementsAre(Key(u"rte_r.txt"_s)));
    EXPECT_EQ(some.member("ert_f.txt"_L1), nullptr);
    // Nothing but the data files and the archive: no member was written out.
    EXPECT_EQ(Entries(dir_.path()), (QStringList{u"Database.db"_s, u"en-ro.txt"_s, u"ro-en.txt"_s}));
}

TEST_F(PackedArchive, AnotherPasswordADamagedOrAMissingArchiveGivesNoMember)
{
    for (const char *plain : {"întrerupător", "switch", "abacus"})
        EXPECT_FALSE(archive_.contains(plain)) << plain;
    ExpectRefused(Read(path(files::Database), {}, "k7w3m9t2r5x9"), ArchiveStatus::WrongPassword, path(files::Database));

    QByteArray flipped = archive_;
    for (qsizetype i = archive_.size() / 2; i < archive_.size() / 2 + 16; ++i)
        flipped[i] = char(~flipped[i]);
    const QByteArray damaged[] = {flipped, archive_.first(archive_.size() / 2), archive_.chopped(10),
                                  "just some text, no zip\n", ""};
    for (const QByteArray &bytes : damaged) {
        const QString archive = archiveWith(bytes);
        ExpectRefused(Read(archive), ArchiveStatus::Corrupt, archive);
    }
    // The authentication code is checked before anything is decrypted: its last byte
    // changed, the first member is refused.
    const qsizetype firstData = 30 + 9 + 11; // the local header, "ert_e.txt" and the AES field
    const qsizetype firstSize = qFromLittleEndian<quint32>(archive_.constData() + 18);
    QByteArray tampered = archive_;
    tampered[firstData + firstSize - 1] = char(tampered[firstData + firstSize - 1] ^ 1);
    ExpectRefused(Read(archiveWith(tampered)), ArchiveStatus::Corrupt, u"\"ert_e.txt\" is damaged: bad authentication code"_s);
    ExpectRefused(Read(path(u"none.db"_s)), ArchiveStatus::Missing, path(u"none.db"_s));
    ExpectRefused(Read(dir_.path()), ArchiveStatus::Missing, dir_.path());

    // Cut short once opened: its members are damaged, and the program goes on.
    const QString shrinking = archiveWith(archive_);
    plain::MemberReader reader(shrinking.toStdString(), plain::files::ArchivePassword);
    ASSERT_TRUE(reader.ok()) << reader.message();
    ASSERT_TRUE(QFile::resize(shrinking, 100));
    std::string bytes;
    EXPECT_FALSE(reader.read("ert_e.txt", bytes));
    EXPECT_EQ(reader.status(), ArchiveStatus::Corrupt);
    EXPECT_THAT(reader.message(), HasSubstr("\"ert_e.txt\" is damaged: it cannot be read from the archive"));
}

TEST_F(PackedArchive, ReadersOfOneOpenedArchiveReuseTheirStatesAndFailAlone)
{
    const ArchiveContents all = Read(path(files::Database));
    ASSERT_TRUE(all.ok()) << all.message.toStdString();
    const auto opened = std::make_shared<const plain::ArchiveFile>(path(files::Database).toStdString());
    ASSERT_TRUE(opened->ok()) << opened->message();
    plain::MemberReader reader(opened, plain::files::ArchivePassword);
    // Deflated and stored members in turn through the reader's one inflate state, the
    // first read stopped after its first piece.
    std::array<char, 64> chunk{};
    EXPECT_TRUE(reader.stream("ert_r1.txt", chunk, [](std::string_view) { return false; }));
    std::string bytes;
    for (const char *name : {"ert_r2.txt", "ert_e.txt", "ert_r1.txt", "rte_r.txt", "ert_r2.txt"}) {
        ASSERT_TRUE(reader.read(name, bytes)) << reader.message();
        EXPECT_EQ(QByteArray::fromStdString(bytes), *all.member(QLatin1StringView(name))) << name;
    }

    // The authentication code of the second block changed: its read fails after a good
    // one, and every later read of that reader; another reader of the archive goes on.
    const std::optional<zip::Entry> entry = opened->find("ert_r2.txt");
    ASSERT_TRUE(entry);
    std::string problem;
    const std::optional<std::uint64_t> data = opened->dataOffset(*entry, problem);
    ASSERT_TRUE(data) << problem;
    QByteArray tampered = archive_;
    const auto last = qsizetype(*data + entry->packedSize - 1);
    tampered[last] = char(tampered[last] ^ 1);
    const auto damaged = std::make_shared<const plain::ArchiveFile>(archiveWith(tampered).toStdString());
    plain::MemberReader first(damaged, plain::files::ArchivePassword);
    plain::MemberReader second(damaged, plain::files::ArchivePassword);
    EXPECT_TRUE(first.read("ert_r1.txt", bytes));
    EXPECT_FALSE(first.read("ert_r2.txt", bytes));
    EXPECT_EQ(first.status(), ArchiveStatus::Corrupt);
    EXPECT_THAT(first.message(), HasSubstr("\"ert_r2.txt\" is damaged: bad authentication code"));
    EXPECT_FALSE(first.read("ert_r1.txt", bytes));
    EXPECT_TRUE(second.read("ert_r1.txt", bytes)) << second.message();
    EXPECT_EQ(QByteArray::fromStdString(bytes), *all.member("ert_r1.txt"_L1));

    // Another writer's members, each with a salt of its own, across many cipher blocks.
    QByteArray text;
    for (int k = 0; k < 700; ++k)
        text += QByteArray::number(k * 7919 % 1000);
    WriteZip(path(u"other.db"_s), {{"a", text}, {"b", text.first(17)}, {"c", text}}, Password);
    plain::MemberReader other(path(u"other.db"_s).toStdString(), plain::files::ArchivePassword);
    for (const auto &[name, expected] : {std::pair{"a", text}, {"b", text.first(17)}, {"c", text}}) {
        EXPECT_TRUE(other.read(name, bytes)) << other.message();
        EXPECT_EQ(QByteArray::fromStdString(bytes), expected);
    }
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
        EXPECT_EQ(Entries(dir.path()), (QStringList{u"Database.db"_s, u"en-ro.txt"_s, u"ro-en.txt"_s}));
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
    const ArchiveContents forms = Read(dir.filePath(files::Database));
    ASSERT_TRUE(forms.ok()) << forms.message.toStdString();
    // Each in one block here, beside the index of the blocks.
    EXPECT_EQ(*forms.member("ert_f1.txt"_L1), "axes\taxis\n");
    // By the form without case and marks, then by the bytes of form and base.
    EXPECT_EQ(*forms.member("rte_f1.txt"_L1), "roți\troată\nroți\tșurub\nroțile\troată\nȘuruburile\tșurub\n");
    EXPECT_NE(forms.member("rte_fi.bin"_L1), nullptr);
    EXPECT_EQ(forms.member("rte_f.txt"_L1), nullptr);

    WriteFile(dir.filePath(u"ro-forms.txt"_s), "roată\troți\nroată\n");
    const Outcome bad = Pack(dir.path(), {u"en-forms.txt"_s, u"ro-forms.txt"_s});
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_THAT(bad.stderrText.toStdString(), HasSubstr("ro-forms.txt:2:"));
}

TEST(HostileArchive, MembersThatAreNotPlainFilesAreRefused)
{
    QTemporaryDir root;
    const QString archive = root.filePath(u"a.db"_s);
    const std::vector<Member> unsafe = {{"../up.txt"},        {"/abs.txt"}, {"sub/../../up.txt"},
                                        {"link", "/etc", AE_IFLNK}, {"folder/", {}, AE_IFDIR}, {"sub/inner.txt"}};
    for (const Member &member : unsafe) {
        WriteZip(archive, {{"fine.txt"}, member});
        ExpectRefused(Read(archive), ArchiveStatus::Corrupt, u"refused"_s);
    }
    EXPECT_EQ(Entries(root.path()), QStringList{u"a.db"_s});
}

TEST(HostileArchive, MembersPastTheLimitsAreRefused)
{
    QTemporaryDir dir;
    const QString archive = dir.filePath(u"a.db"_s);
    const auto read = [&](const std::vector<Member> &members) {
        WriteZip(archive, members, Password);
        return Read(archive, {}, Password, {1000, 2500, 5});
    };
    const QByteArray fits(1000, 'a');
    EXPECT_TRUE(read({{"a", fits}, {"b", fits}}).ok());
    ExpectRefused(read({{"a", fits}, {"b", fits + 'a'}}), ArchiveStatus::TooLarge,
                  u"\"b\" unpacks to more than 1000 bytes"_s);
    ExpectRefused(read({{"a", fits}, {"b", fits}, {"c", fits}}), ArchiveStatus::TooLarge,
                  u"members unpack to more than 2500 bytes"_s);
    ExpectRefused(read(std::vector<Member>(6, {"x"})), ArchiveStatus::TooLarge, u"more than 5 members"_s);
    // A bomb: a member of zeros that unpacks far past the bound is cut off there.
    WriteZip(archive, {{"bomb", QByteArray(files::MaxMemberBytes + 1, '\0')}}, Password);
    ExpectRefused(Read(archive), ArchiveStatus::TooLarge,
                  u"\"bomb\" unpacks to more than %1 bytes"_s.arg(files::MaxMemberBytes));
    EXPECT_EQ(Entries(dir.path()), QStringList{u"a.db"_s});
}

TEST(HostileArchive, AMemberOfAnotherSizeThanItsHeaderSaysIsRefusedWholeOrChunkByChunk)
{
    QTemporaryDir dir;
    const QString archive = dir.filePath(u"a.db"_s);
    for (const quint32 said : {4000u, 6000u}) {
        WriteZip(archive, {{"long", QByteArray(5000, 'a')}});
        QByteArray bytes = ReadFile(archive);
        qToLittleEndian<quint32>(said, bytes.data() + bytes.indexOf("PK\x01\x02") + 24);
        WriteFile(archive, bytes);
        const QString cause = u"\"long\" is damaged: it does not unpack to the size its header gives"_s;
        ExpectRefused(Read(archive), ArchiveStatus::Corrupt, cause);

        plain::MemberReader reader(archive.toStdString(), {});
        std::array<char, 64> chunk{};
        std::size_t taken = 0;
        EXPECT_FALSE(reader.stream("long", chunk, [&](std::string_view piece) {
            taken += piece.size();
            return true;
        }));
        EXPECT_LE(taken, std::min(said, 5000u));
        EXPECT_EQ(reader.status(), ArchiveStatus::Corrupt);
        EXPECT_THAT(reader.message(), HasSubstr(cause.toStdString()));
    }
}

TEST(HostileArchive, ManyMembersNeedNoOpenFileEach)
{
    QTemporaryDir dir;
    // Plain members: deriving a key for each of hundreds of encrypted ones takes long.
    std::vector<Member> members;
    for (int k = 0; k < 300; ++k)
        members.push_back({"m" + QByteArray::number(k)});
    WriteZip(dir.filePath(u"a.db"_s), members);

    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &old), 0);
    struct rlimit few = old;
    few.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &few), 0);
    const ArchiveContents read = Read(dir.filePath(u"a.db"_s));
    setrlimit(RLIMIT_NOFILE, &old);
    ASSERT_TRUE(read.ok()) << read.message.toStdString();
    EXPECT_EQ(read.members.size(), 300u);
}

} // namespace
