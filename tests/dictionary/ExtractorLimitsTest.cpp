// Hostile archives, made here at run time: members past the size limits, more members
// than open files allowed, a failure after many members. The extractor runs in-process with small
// limits, and once through the loader with its real ones.
#include "dictionary/DictionaryFiles.h"
#include "dictionary/DictionaryLoader.h"
#include "dictionary/extractor/ArchiveExtractor.h"

#include "common/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using namespace quillet;
using ::testing::HasSubstr;

namespace {

struct Member {
    QByteArray name;
    QByteArray contents;
};

const QByteArray Password(files::ArchivePassword.data(), files::ArchivePassword.size());

// Writes a ZIP, encrypted unless `plain`; `repeat` copies of each member's contents make a
// big member out of a small one, compressed as it is written.
void WriteZip(const QString &path, const std::vector<Member> &members, int repeat = 1, bool plain = false)
{
    const std::unique_ptr<struct archive, decltype(&archive_write_free)> a(archive_write_new(), archive_write_free);
    archive_write_set_format_zip(a.get());
    if (!plain) {
        archive_write_set_options(a.get(), "zip:encryption=aes256");
        archive_write_set_passphrase(a.get(), Password.constData());
    }
    ASSERT_EQ(archive_write_open_filename(a.get(), QFile::encodeName(path).constData()), ARCHIVE_OK);
    for (const Member &member : members) {
        const std::unique_ptr<struct archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(),
                                                                                        archive_entry_free);
        archive_entry_set_pathname(entry.get(), member.name.constData());
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), member.contents.size() * repeat);
        ASSERT_EQ(archive_write_header(a.get(), entry.get()), ARCHIVE_OK);
        for (int k = 0; k < repeat; ++k)
            archive_write_data(a.get(), member.contents.constData(), size_t(member.contents.size()));
    }
    ASSERT_EQ(archive_write_close(a.get()), ARCHIVE_OK);
}

QStringList Entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

class HostileArchive : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    ArchiveExtractor::Outcome extract(const std::vector<Member> &members, ExtractionLimits limits)
    {
        WriteZip(archive(), members);
        return ArchiveExtractor(archive(), Password, QDir(target()), limits).run();
    }
    QString archive() const { return dir_.filePath(u"a.db"_s); }
    QString target() const
    {
        QDir().mkpath(dir_.filePath(u"out"_s));
        return dir_.filePath(u"out"_s);
    }

    QTemporaryDir dir_;
};

TEST_F(HostileArchive, MembersPastTheLimitsAreRefusedAndNothingStays)
{
    const ExtractionLimits limits{1000, 2500, 5};
    const QByteArray fits(1000, 'a');
    const QByteArray tooBig(1001, 'a');

    ArchiveExtractor::Outcome run = extract({{"a.txt", fits}, {"b.txt", tooBig}}, limits);
    EXPECT_EQ(run.status, ExtractorStatus::TooLarge);
    EXPECT_THAT(run.message.toStdString(), HasSubstr("\"b.txt\" unpacks to more than 1000 bytes"));
    EXPECT_TRUE(Entries(target()).isEmpty());

    run = extract({{"a.txt", fits}, {"b.txt", fits}, {"c.txt", fits}}, limits);
    EXPECT_EQ(run.status, ExtractorStatus::TooLarge);
    EXPECT_THAT(run.message.toStdString(), HasSubstr("more than 2500 bytes"));
    EXPECT_TRUE(Entries(target()).isEmpty());

    run = extract(std::vector<Member>(6, Member{"x.txt", "x"}), limits);
    EXPECT_EQ(run.status, ExtractorStatus::TooLarge);
    EXPECT_TRUE(Entries(target()).isEmpty());

    run = extract({{"a.txt", fits}, {"b.txt", fits}}, limits);
    EXPECT_EQ(run.status, ExtractorStatus::Ok) << run.message.toStdString();
    EXPECT_EQ(Entries(target()), (QStringList{u"a.txt"_s, u"b.txt"_s}));
}

TEST_F(HostileArchive, ManyMembersNeedOneOpenFileAtATime)
{
    // Plain members: deriving a key for each of thousands of encrypted ones takes long.
    std::vector<Member> members;
    for (int k = 0; k < 300; ++k)
        members.push_back({"m" + QByteArray::number(k), QByteArray::number(k)});
    WriteZip(archive(), members, 1, true);
    members.push_back({"../escape", "x"});
    WriteZip(dir_.filePath(u"bad.db"_s), members, 1, true);

    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &old), 0);
    struct rlimit few = old;
    few.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &few), 0);
    const ArchiveExtractor::Outcome failed =
        ArchiveExtractor(dir_.filePath(u"bad.db"_s), Password, QDir(target())).run();
    const ArchiveExtractor::Outcome run = ArchiveExtractor(archive(), Password, QDir(target())).run();
    setrlimit(RLIMIT_NOFILE, &old);

    // All or nothing: the refused last member takes the 300 before it along.
    EXPECT_EQ(failed.status, ExtractorStatus::CorruptArchive) << failed.message.toStdString();
    ASSERT_EQ(run.status, ExtractorStatus::Ok) << run.message.toStdString();
    const QStringList written = Entries(target());
    EXPECT_EQ(written.size(), 300);
    EXPECT_FALSE(written.contains(u"escape"_s));
    QFile last(QDir(target()).filePath(u"m299"_s));
    ASSERT_TRUE(last.open(QIODevice::ReadOnly));
    EXPECT_EQ(last.readAll(), "299");
}

// A bomb: a small archive whose "ert_e.txt" unpacks past 64 MB, and a line past the
// loader's limit. The load ends with the reason, and neither the temporary folder nor
// the program's folder keeps anything of it.
TEST(HostileDictionary, ABombOrAnEndlessLineStopsTheLoadWithAMessageAndLeavesNothing)
{
    QTemporaryDir root;
    const QDir program(root.filePath(u"program"_s));
    ASSERT_TRUE(QDir().mkpath(program.path()) && QDir().mkpath(root.filePath(u"tmp"_s)));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLET_EXTRACT), program.filePath(files::Extractor)));
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(root.filePath(u"tmp"_s)));
    const auto load = [&](const QByteArray &headwords, int repeat) {
        WriteZip(program.filePath(files::Database), {{"ert_e.txt", headwords}, {"ert_r.txt", "b\n"}}, repeat);
        DictTable table;
        LoadObserver observer;
        return DictionaryLoader(program.path()).LoadDictionary(table, observer);
    };

    const LoadResult bomb = load(QByteArray(1024 * 1024, '\n'), 65);
    EXPECT_FALSE(bomb.loaded);
    EXPECT_EQ(bomb.failure.file, files::Database);
    EXPECT_THAT(bomb.failure.cause.toStdString(), HasSubstr("\"ert_e.txt\" unpacks to more than 67108864 bytes"));
    EXPECT_TRUE(Entries(root.filePath(u"tmp"_s)).isEmpty());

    const LoadResult endless = load("a\n" + QByteArray(65 * 1024, 'x') + "\n", 1);
    EXPECT_FALSE(endless.loaded);
    EXPECT_EQ(endless.failure.message(), u"ert_e.txt: line 2 is longer than 65536 bytes"_s);
    EXPECT_TRUE(Entries(root.filePath(u"tmp"_s)).isEmpty());
    EXPECT_EQ(Entries(program.path()).size(), 2);
    qputenv("TMPDIR", oldTemp);
}

} // namespace
