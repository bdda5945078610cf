// The main window's start and shut-down over odd user files: a history that cannot be
// read, a malformed settings file.
#include "Form1Fixture.h"

#include "lookup/QueryBox.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::testing;

namespace {

bool IsFifo(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

} // namespace

class HostileStartTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        UseTestFolders();
        QDir().mkpath(QFileInfo(HistoryFile::writePath()).absolutePath());
    }
    void init() { ForgetStoredState(); }
    void cleanup() { ForgetStoredState(); }

    void aHistoryThatCannotBeReadIsLeftAsItWasAndSaidOnce()
    {
        const QString history = HistoryFile::writePath();
        QCOMPARE(::mkfifo(QFile::encodeName(history).constData(), 0600), 0);
        LoadedForm loaded = LoadForm(); // would wait forever if it opened the FIFO
        QCOMPARE(loaded.outcome, Form1::LoadOutcome::Loaded);
        loaded.form->Text1->setText(u"pump"_s);
        loaded.form->ImgSearch_Click();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"search history in .* could not be read"_s));
        loaded.form->close();
        QVERIFY(IsFifo(history));
    }

    void aMalformedSettingsFileIsSavedWithoutComplaint()
    {
        QFile file(SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF[Startup]\r\nDict=1\r\nno equals sign\r\n");
        file.close();
        QTest::failOnWarning(QRegularExpression(u"could not be saved"_s));
        LoadForm().form->close();
        QSettings stored(SettingsFile(), QSettings::IniFormat);
        QCOMPARE(stored.value(u"Startup/Left"_s).toString(), u"3000"_s);
    }
};

QTEST_MAIN(HostileStartTest)
#include "HostileStartTest.moc"
