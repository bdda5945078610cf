// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/GenError.h"
#include "gendict/GlossarySpelling.h"

#include "WordSetChecker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace quillet::gendict;
using quillet::gendict::test::WordSetChecker;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

void write(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST(GlossarySpellingTest, UnknownWordsFailUnlessTheirFieldAllowsThem)
{
    const QTemporaryDir dir;
    const QString root = dir.path();
    write(root + u"/1-tools.txt"_s, "drill bit\tburghiu\nTIG torch\tpistolet TIG\n");
    write(root + u"/2-pipes.txt"_s, "# pipes\nelbow\tcot\nTIG weld\tsudură TIG\n");
    write(root + u"/spelling/1-tools.txt"_s, "# allowed\nen\tTIG\tabbreviation\nro\tTIG\tabbreviation\n");
    const Glossary glossary = Glossary::read(root);
    ASSERT_THAT(glossary.files(), ElementsAre(u"1-tools.txt"_s, u"2-pipes.txt"_s));
    const WordSetChecker english({u"drill"_s, u"bit"_s, u"torch"_s, u"elbow"_s, u"weld"_s});
    const WordSetChecker romanian({u"burghiu"_s, u"pistolet"_s, u"cot"_s, u"sudură"_s});

    // "TIG" is allowed in the first field only: the second field's use of it fails,
    // named by file, line and language.
    try {
        GlossarySpelling::check(glossary, root, english, romanian);
        FAIL() << "an unknown word passed";
    } catch (const GenError &error) {
        EXPECT_THAT(error.message().toStdString(), HasSubstr("2-pipes.txt:3: \"TIG\" is unknown to the English"));
        EXPECT_THAT(error.message().toStdString(), HasSubstr("2-pipes.txt:3: \"TIG\" is unknown to the Romanian"));
        EXPECT_THAT(error.message().toStdString(), ::testing::Not(HasSubstr("1-tools.txt")));
    }

    write(root + u"/spelling/2-pipes.txt"_s, "en\tTIG\tabbreviation\nro\tTIG\tabbreviation\nro\tcot\tknown anyway\n");
    EXPECT_THAT(GlossarySpelling::check(glossary, root, english, romanian), ElementsAre(2, 3));

    // A list line without its reason is malformed.
    write(root + u"/spelling/2-pipes.txt"_s, "en\tTIG\n");
    EXPECT_THROW(GlossarySpelling::check(glossary, root, english, romanian), GenError);
}
