// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/about/AboutTexts.h"
#include "core/about/OpenLink.h"
#include "common/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::about;

TEST(AboutTexts, TitleAndSevenLinesWithBothCountsInTheirPlaces)
{
    EXPECT_EQ(AboutTitle(1, 1), u"Dicționar  Quillet ver. 1.1"_s);
    const QStringList lines = AboutTextLines(1, 1, {57290, 1234});
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[4], u"Acest dicționar conține 57290 de cuvinte din limba engleză și 1234 de cuvinte din limba română."_s);
    EXPECT_EQ(lines[6], u"This dictionary contains 57290 English words and 1234 Romanian words."_s);
}

namespace {

struct RecordingOpener : LinkOpener {
    QStringList opened;
    void ShellOpen(const QString &target) override { opened.append(u"web "_s + target); }
    void OpenMail(const QString &target) override { opened.append(u"mail "_s + target); }
};

QString Open(QString target)
{
    RecordingOpener opener;
    OpenLink(target, opener);
    return opener.opened.join(u'|');
}

} // namespace

TEST(OpenLink, BackslashedMailGoesToMailWithBlanksEncodedAnythingElseToTheBrowser)
{
    EXPECT_EQ(Open(u"\\mailto:a@example.org?subject=two  words"_s),
              u"mail mailto:a@example.org?subject=two%20%20words"_s);
    EXPECT_EQ(Open(u"\\MAILTO:a b"_s), u"mail MAILTO:a%20b"_s);
    EXPECT_EQ(Open(u"\\https://www.example.org/a b"_s), u"web https://www.example.org/a b"_s);
    EXPECT_EQ(Open(u"mailto:a b"_s), u"web mailto:a b"_s);
    EXPECT_EQ(Open(u"\\mail"_s), u"web mail"_s);
    EXPECT_EQ(Open(QString()), u"web "_s);
}
