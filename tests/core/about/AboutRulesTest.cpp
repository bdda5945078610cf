// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/about/AboutTexts.h"
#include "core/about/OpenLink.h"
#include "common/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::about;

TEST(AboutTexts, TitleAndSevenLinesWithBothCountsInTheirPlaces)
{
    EXPECT_EQ(AboutTitle(1, 1), u"Dictionar  Quillet ver. 1.1"_s);
    const QStringList lines = AboutTextLines(1, 1, {57290, 1234});
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[4], u"Acest dictionar contine 57290 cuvinte din limba Engleza si 1234 cuvinte din limba Romana."_s);
    EXPECT_EQ(lines[6], u"This dictionary contain 57290 English words and 1234 Romanian words."_s);
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
