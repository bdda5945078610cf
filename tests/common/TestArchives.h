// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// ZIP archives made by the tests that run the extractor and the loader on folders of
// their own.
#include "common/TestFiles.h"

#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quillet::testing {

// One member of a crafted archive: a plain file unless a type says otherwise (a link's
// contents are its target).
struct Member {
    QByteArray name;
    QByteArray contents = "data\n";
    unsigned type = AE_IFREG;
};

// Writes the members into an archive open for writing.
inline void AddMembers(struct archive *a, const std::vector<Member> &members)
{
    for (const Member &member : members) {
        const std::unique_ptr<struct archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(),
                                                                                        archive_entry_free);
        archive_entry_set_pathname(entry.get(), member.name.constData());
        archive_entry_set_filetype(entry.get(), member.type);
        archive_entry_set_perm(entry.get(), 0644);
        if (member.type == AE_IFLNK)
            archive_entry_set_symlink(entry.get(), member.contents.constData());
        if (member.type == AE_IFREG)
            archive_entry_set_size(entry.get(), member.contents.size());
        ASSERT_EQ(archive_write_header(a, entry.get()), ARCHIVE_OK) << member.name.constData();
        if (member.type == AE_IFREG)
            archive_write_data(a, member.contents.constData(), size_t(member.contents.size()));
    }
}

// A ZIP archive with any members, AES-256 encrypted when a password is given, as the
// packer writes one; for archives the packer never writes.
inline void WriteZip(const QString &path, const std::vector<Member> &members, const QByteArray &password = {})
{
    const std::unique_ptr<struct archive, decltype(&archive_write_free)> a(archive_write_new(), archive_write_free);
    ASSERT_EQ(archive_write_set_format_zip(a.get()), ARCHIVE_OK);
    if (!password.isEmpty()) {
        ASSERT_EQ(archive_write_set_options(a.get(), "zip:encryption=aes256"), ARCHIVE_OK);
        ASSERT_EQ(archive_write_set_passphrase(a.get(), password.constData()), ARCHIVE_OK);
    }
    ASSERT_EQ(archive_write_open_filename(a.get(), QFile::encodeName(path).constData()), ARCHIVE_OK);
    AddMembers(a.get(), members);
    ASSERT_EQ(archive_write_close(a.get()), ARCHIVE_OK);
}

} // namespace quillet::testing
