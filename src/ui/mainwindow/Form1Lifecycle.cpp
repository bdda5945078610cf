// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's life: the load sequence, the shut-down sequence and the settings
// they restore and store.
#include "ui/mainwindow/Form1.h"
#include "ui/lookup/ResultList.h"

#include "core/app/SettingsStore.h"
#include "core/app/SettingsValues.h"
#include "core/app/StaleFiles.h"
#include "ui/lookup/QueryBox.h"
#include "ui/mainwindow/ClickLabel.h"
#include "ui/common/ScreenTwips.h"
#include "core/mainwindow/InterfaceTexts.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// The screens' usable areas (without the desktop's panels), the primary screen first.
QList<QRect> ScreenAreas()
{
    QList<QRect> areas;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

// Shows the progress of the load in Text3 and lets the window live meanwhile: events
// run whenever the shown text changes, and a close stops the load. A new percentage is
// shown at most once a frame: a table filled faster than the screen could show its
// progress is not slowed down by it.
class Form1::LoadingIndicator : public LoadObserver {
public:
    explicit LoadingIndicator(Form1 &form) : form_(form) {}

    void extracting() override
    {
        form_.Text3->show();
        form_.Text3->raise();
        form_.Text3->setText(TextOf(TextTarget::LoadingText, form_.inEnglish()));
        QCoreApplication::processEvents();
        sinceShown_.start();
    }

    bool cancelled() const override { return form_.unloaded_; }

    bool lineRead(int percent) override
    {
        if (percent != shown_ && sinceShown_.hasExpired(FrameMs)) {
            shown_ = percent;
            form_.Text3->setText(QString::number(percent) + u" %"_s);
            QCoreApplication::processEvents();
            sinceShown_.start();
        }
        return !form_.unloaded_;
    }

    void progressDone() override { form_.Text3->hide(); }

private:
    static constexpr qint64 FrameMs = 16;
    Form1 &form_;
    int shown_ = -1;
    QElapsedTimer sinceShown_;
};

Form1::LoadOutcome Form1::Form_Load()
{
    loadBackground();
    LoadHistory();
    DictTable_->setEntryCount(DictTable::EnglishRomanian, DictTable::Capacity);
    setWindowRegion();
    LoadSettings();
    ApplyInterfaceLanguage(mnuOptEng->isChecked()); // the title among the texts
    ActiveListIndex = 0;
    MainTooltip.Create(this);
    MainTooltip.setMaxTipWidth(300);
    MainTooltip.setDelayTime(cTooltip::TTDT_AUTOPOP, 5000);
    Label2[2]->clear();
    Label2[3]->clear();
    const int d = CurrentDirection();
    show();

    RemoveStaleFolders(QDir::tempPath());
    loading_ = true;
    LoadingIndicator indicator(*this);
    const LoadResult loaded = loadDictionary(indicator);
    loading_ = false;
    Text3->hide();
    if (unloaded_)
        return LoadOutcome::Closed;
    if (!loaded.loaded) {
        // Without its dictionary the program cannot work: it says why and stops,
        // leaving the stored settings and history as they were.
        unloaded_ = true;
        hide();
        if (setup_.reportLoadFailure)
            setup_.reportLoadFailure(loaded.failure);
        else
            QMessageBox::critical(nullptr, u"Quillet"_s,
                                  TextOf(TextTarget::LoadFailedText, inEnglish()) + u"\n\n"_s
                                      + loaded.failure.message());
        return LoadOutcome::Failed;
    }

    fillFirstList(d);
    // For the start-up benchmark, which times the program from outside.
    if (qEnvironmentVariableIsSet("QUILLET_QUIT_AFTER_FIRST_LIST"))
        lv[0]->quitWhenPainted();
    // The first list is on the screen before anything else is read.
    lv[0]->repaint();
    Timer1->start();
    QTimer::singleShot(0, this, &Form1::LoadWordForms);
    // My terms and My list too, on another thread meanwhile; a search before then waits
    // for them.
    startReadingPersonalWords();
    QTimer::singleShot(0, this, &Form1::LoadPersonalWords);
    return LoadOutcome::Loaded;
}

// The dictionary read on other threads since startReading() fills the table. The window
// lives meanwhile, and a close stops the wait.
LoadResult Form1::loadDictionary(LoadingIndicator &indicator)
{
    indicator.extracting();
    if (!dictionaryRead_)
        return LoadResult{false, true, {}};
    if (!unloaded_ && !dictionaryRead_->reading().isFinished()) {
        QEventLoop wait;
        QFutureWatcher<DictionaryRead> read;
        connect(&read, &QFutureWatcherBase::finished, &wait, &QEventLoop::quit);
        read.setFuture(dictionaryRead_->reading()); // tells at once when it is read already
        dictionaryWait_ = &wait;
        wait.exec();
        dictionaryWait_ = nullptr;
    }
    if (unloaded_)
        return LoadResult{false, true, {}};
    return DictionaryLoader(setup_.programDir).LoadDictionary(*DictTable_, indicator, dictionaryRead_->take());
}

void Form1::Form_Unload()
{
    if (unloaded_)
        return;
    SaveSettings();
    SaveHistory(); // says itself what went wrong
    releaseWindowRegion();
    unloaded_ = true;
    Timer1->stop();
    if (dictionaryWait_)
        dictionaryWait_->quit();
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void Form1::LoadSettings()
{
    RemoveStaleSaveLeftovers(SettingsStore::filePath());
    const SettingsStore store;
    if (!store.setAside().isEmpty())
        qWarning("quillet: %s could not be read as settings; it is kept as %s, and the defaults are used",
                 qUtf8Printable(store.fileName()), qUtf8Printable(store.setAside()));
    // While no language is stored, the user's locale chooses it.
    const bool romanianLocale = settings::RomanianLocale(QProcessEnvironment::systemEnvironment());
    const settings::StoredSettings stored = settings::LoadSettings(store, romanianLocale);

    if (stored.searchAsYouType)
        mnuSearchAsYouType->setChecked(*stored.searchAsYouType);
    if (stored.romanianInterface)
        mnuOptRom->setChecked(*stored.romanianInterface);
    languageChosen_ = stored.languageChosen;
    mnuOptEng->setChecked(!mnuOptRom->isChecked());
    if (stored.englishRomanian)
        markDirection(*stored.englishRomanian ? DictTable::EnglishRomanian : DictTable::RomanianEnglish);
    else
        markDirection(CurrentDirection());
    if (stored.advancedSearch)
        mnuAdvancedSearch->setChecked(*stored.advancedSearch);
    if (stored.ignoreDiacritics)
        mnuIgnoreDiacritics->setChecked(*stored.ignoreDiacritics);
    if (stored.wordForms)
        mnuWordForms->setChecked(*stored.wordForms);
    selectionKeyRegistered_ = stored.selectionKeyRegistered;

    const double dpi = DotsPerInch(*this);
    QPoint position = pos();
    if (stored.left)
        position.setX(settings::TwipsToPixels(*stored.left, dpi));
    if (stored.top)
        position.setY(settings::TwipsToPixels(*stored.top, dpi));
    // The window opens wholly on its screen whatever the scale, its title and controls in sight.
    move(settings::PlaceWindow(QRect(position, frameGeometry().size()), ScreenAreas(), dpi));
}

void Form1::SaveSettings()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));

    const double dpi = DotsPerInch(*this);
    const QRect frame = frameGeometry();
    settings::SettingsToSave values;
    values.searchAsYouType = mnuSearchAsYouType->isChecked();
    // A language the user never chose is not stored: the desktop's goes on choosing it.
    if (languageChosen_)
        values.romanianInterface = mnuOptRom->isChecked();
    values.englishRomanian = Label3[0]->BorderStyle() == 1;
    values.advancedSearch = mnuAdvancedSearch->isChecked();
    values.ignoreDiacritics = mnuIgnoreDiacritics->isChecked();
    values.wordForms = mnuWordForms->isChecked();
    values.selectionKeyRegistered = selectionKeyRegistered_;
    values.left = settings::PixelsToTwips(frame.x(), dpi);
    values.top = settings::PixelsToTwips(frame.y(), dpi);
    values.width = settings::PixelsToTwips(frame.width(), dpi);
    values.height = settings::PixelsToTwips(frame.height(), dpi);

    SettingsStore store;
    settings::SaveSettings(store, values);
    if (!store.sync())
        qWarning("quillet: the settings could not be saved to %s: %s", qUtf8Printable(store.fileName()),
                 qUtf8Printable(store.problem()));
    else if (store.droppedKeys() > 0)
        qWarning("quillet: %lld keys of %s that are not Quillet's were left out to keep the file under %lld bytes",
                 static_cast<long long>(store.droppedKeys()), qUtf8Printable(store.fileName()),
                 static_cast<long long>(SettingsStore::MaxFileBytes));
}

} // namespace quillet
