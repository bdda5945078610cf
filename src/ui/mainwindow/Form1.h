// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dictionary/DictTable.h"
#include "core/dictionary/DictionaryLoader.h"
#include "core/dictionary/DictionaryReadAhead.h"
#include "core/dictionary/SearchHistory.h"
#include "core/lookup/CopyChoice.h"
#include "core/lookup/ReportBuilder.h"
#include "core/lookup/WordFinder.h"
#include "core/mainwindow/WindowDrag.h"
#include "core/quiz/QuizScore.h"
#include "core/terms/PersonalWords.h"
#include "core/terms/TermIndex.h"
#include "ui/tooltip/cTooltip.h"

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <array>
#include <functional>
#include <future>
#include <memory>
#include <optional>

class QAction;
class QEventLoop;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;

namespace quillet {

namespace bus {
class GlobalShortcuts;
}
class ClickLabel;
class Form2;
class DropDownList;
class Form3;
class LookupPopup;
class MyTermsWindow;
class QueryBox;
class ResultList;
enum class KeyboardControl;
enum class ShortcutCommand;

// What the main window needs from the world around it.
struct Form1Setup {
    // The folder of the program and its archive.
    QString programDir;
    // Shows a failure that leaves the program without a dictionary; a message box
    // unless a test replaces it.
    std::function<void(const LoadFailure &)> reportLoadFailure;
    // Shows the About window modally; it runs the window's own modal loop unless a
    // test replaces it.
    std::function<void(Form2 &)> showAbout;
    // Shows the quiz window; runs it modally over the main window unless a test
    // replaces it.
    std::function<void(Form3 &)> showQuiz = {};
    // Shows a message: a message box over the window unless a test replaces it.
    std::function<void(const QString &title, const QString &text)> showMessage = {};
    // Asks a question to be answered yes or no: a message box over the window unless a
    // test replaces it.
    std::function<bool(const QString &title, const QString &text)> askQuestion = {};
    // Shows My terms and My list; runs the window modally unless a test replaces it.
    std::function<void(MyTermsWindow &)> showMyTerms = {};
    // Tells the user of a problem with their own files; a message box unless a test
    // replaces it.
    std::function<void(const QString &)> showProblem = {};
    // Where My terms and My list are kept: the user's data folder unless a test says.
    std::optional<PersonalWordFiles> personalFiles = {};
};

// The main window: the query box, the two result lists and everything around them. The
// user's choices live in its controls (the direction in Label3(0)'s border, the options
// and the interface language in the menu ticks); every reader reads them from there.
class Form1 : public QWidget {
    Q_OBJECT
public:
    enum class LoadOutcome { Loaded, Closed, Failed };

    explicit Form1(Form1Setup setup, QWidget *parent = nullptr);
    ~Form1() override;

    // The load sequence: history, settings, title, language, tooltip, then the window
    // shows while the dictionary loads, and the first list gets the first 50 entries.
    // The dictionary is read meanwhile on other threads, from startReading() on.
    LoadOutcome Form_Load();
    // Starts reading the dictionary and the background picture on other threads, for the
    // load sequence to take; it starts them itself when no one did. A reading of the
    // dictionary started before (of the window's program folder) is taken as it goes on.
    void startReading(std::unique_ptr<DictionaryReadAhead> dictionary = nullptr);
    // The shut-down sequence; runs once, whichever way the window is closed.
    void Form_Unload();

    // Search.
    void RunSearch(const QString &query);
    void ImgSearch_Click();
    void Text1_Change();
    void Text1_KeyUp(int key);
    void Text1_GotFocus();
    void Form_GotFocus();
    void Timer1_Timer();
    // Runs the key's command; true when the key is used up and the focused control must
    // not see it.
    bool Form_KeyDown(int key, Qt::KeyboardModifiers shift);

    // History.
    void AddToHistory(const QString &word);
    void LoadHistory();
    bool SaveHistory();
    void Label1_Click(int index);
    void List2_Click();
    void List2_LostFocus();

    // Split word.
    void List1_Click();
    void List1_LostFocus();

    // Clipboard watch and paste.
    void Image3_Click();
    void Image3_MouseMove();
    void mnuPasteWord_Click();

    // Result lists and copying.
    void lv_KeyDown(int index, int key, Qt::KeyboardModifiers shift = Qt::NoModifier);
    void lv_MouseDown(int index);
    void lv_MouseMove(int index, const QPoint &viewportPosition);
    void lv_MouseUp(int index, Qt::MouseButton button, const QPoint &globalPosition);
    void lv_Click(int index);
    void lv_DblClick(int index);
    void mnuCopyRec_Click();
    void mnuCopyTranslation_Click();

    // Layout, language, direction and options.
    void Form_Resize();
    void ApplyInterfaceLanguage(bool isEnglish);
    void mnuOptEng_Click();
    void mnuOptRom_Click();
    void Label3_Click(int index);
    void Label1_MouseDown(int index, Qt::MouseButton button, const QPoint &globalPosition);
    void mnuEngRom_Click();
    void mnuRomEng_Click();
    void mnuSearchAsYouType_Click();
    void mnuAdvancedSearch_Click();
    void mnuIgnoreDiacritics_Click();
    void mnuWordForms_Click();
    void mnuGame_Click();

    // My terms and My list (Form1Terms.cpp): read on another thread while the dictionary
    // loads, and taken in once the first list shows (or at the first search before that);
    // My terms read again at a search when another program changed their file.
    void LoadPersonalWords();
    void mnuMyTerms_Click();
    // Offers the selected row (or the query, with no row selected) to My terms.
    void mnuAddTerm_Click();
    // Puts the selected row in My list.
    void mnuKeep_Click();
    const PersonalWords &personalWords() const { return personal_; }

    // Word forms: the forms tables are read from the archive after the first list shows
    // (or when the option is first turned on), and the search runs again with them.
    void LoadWordForms();
    // Reads the forms tables, the option on or off; false when the window closed meanwhile.
    bool readWordForms();
    const WordFinder &wordFinder() const { return wordFinder_; }

    // The session bus (Form1Bus.cpp): a word searched as if typed, with the window raised;
    // the look-up a caller asks for, answered as the command line answers it; the pop-up
    // with a word's first entries beside the pointer.
    void ShowWord(const QString &word);
    void RaiseWindow();
    LookupReport LookupForCaller(const LookupRequest &request);
    void ShowPopup(const QString &word);
    // A key for `quillet --selection`: registered with the desktop's global shortcuts
    // portal where there is one (the user asked first), otherwise how to bind it in the
    // desktop's own shortcut settings.
    void mnuSelectionKey_Click();
    // The portal the key is registered with, once the window holds the session's name.
    void offerSelectionKey(bus::GlobalShortcuts &portal);
    // The user registered the key with the portal (in this run or an earlier one).
    bool selectionKeyRegistered() const { return selectionKeyRegistered_; }
    // The interface speaks English (else Romanian).
    bool inEnglish() const;
    LookupPopup *popup() const { return popup_.get(); }

    // Settings.
    void LoadSettings();
    void SaveSettings();

    // Window shape, background and dragging: x and y in pixels, relative to the
    // background or the title, whichever has the pointer.
    void Form_MouseDown(Qt::MouseButtons button, double x, double y);
    void Form_MouseMove(Qt::MouseButtons button, double x, double y);

    // Hover feedback.
    void Label1_MouseMove(int index, Qt::MouseButtons button);
    void Label3_MouseMove(int index);
    // The pointer left a label or picture: its highlight ends.
    void Highlight_MouseLeave(ClickLabel *control);
    void ImgSearch_MouseMove();
    void Image1_MouseMove();

    // Title bar pictures.
    void Image1_Click();
    void Image2_Click();
    void Image4_Click();

    // The direction the labels show: 1 English to Romanian, 2 Romanian to English.
    int CurrentDirection() const;
    const DictTable &table() const { return *DictTable_; }
    const SearchHistory &history() const { return history_; }

    // Controls, named as everywhere else in the program.
    ClickLabel *Label4 = nullptr;  // title
    ClickLabel *Image1 = nullptr;  // help
    ClickLabel *Image2 = nullptr;  // minimise
    ClickLabel *Image3 = nullptr;  // paste
    ClickLabel *Image4 = nullptr;  // close
    ClickLabel *ImgSearch = nullptr;
    QLabel *Find = nullptr;
    QueryBox *Text1 = nullptr;
    std::array<ClickLabel *, 3> Label1{};   // Options, Split, History
    std::array<QLabel *, 4> Label2{};       // list headings, then count captions
    std::array<ClickLabel *, 2> Label3{};   // direction labels
    QLabel *Label5 = nullptr;               // bottom strip
    std::array<ResultList *, 2> lv{};       // Starting with, Containing
    DropDownList *List1 = nullptr;          // split word
    DropDownList *List2 = nullptr;          // history
    QLineEdit *Text3 = nullptr;             // loading indicator
    QLabel *AdvancedSearchNote = nullptr;   // where the Containing list is while advanced search is off
    QTimer *Timer1 = nullptr;

    QMenu *mnuOptions = nullptr;
    QAction *mnuEngRom = nullptr;
    QAction *mnuRomEng = nullptr;
    QAction *mnuSearchAsYouType = nullptr;
    QAction *mnuAdvancedSearch = nullptr;
    QAction *mnuIgnoreDiacritics = nullptr;
    QAction *mnuWordForms = nullptr;
    QAction *mnuOptRom = nullptr;
    QAction *mnuOptEng = nullptr;
    QAction *mnuGame = nullptr;
    QAction *mnuSelectionKey = nullptr;
    QAction *mnuMyTerms = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuCopyRec = nullptr;
    QAction *mnuCopyTranslation = nullptr;
    QAction *mnuPasteWord = nullptr;
    QAction *mnuAbout = nullptr;
    QMenu *mnuEdit2 = nullptr;
    QAction *mnuCopyRec2 = nullptr;
    QAction *mnuCopyTranslation2 = nullptr;
    QAction *mnuAddTerm = nullptr;
    QAction *mnuKeep = nullptr;

    QString PasteTitle;
    QString lblPuncte;
    QString lblPuncte1;
    cTooltip MainTooltip;
    qint16 ActiveListIndex = 0;
    qint16 IdleTicks = 0;
    // The window's outline, given to the window from load to shut-down.
    QRegion WindowRegion;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void showSelectionKeyMessage(const QString &text);
    bool askSelectionKey(const QString &text);
    class LoadingIndicator;
    LoadResult loadDictionary(LoadingIndicator &indicator);

    void createControls();
    void createTitleBar();
    void createQueryRow();
    void createLists();
    void createMenus();
    void connectHandlers();
    void connectLookupHandlers();
    void connectSplitWordHandlers();
    void connectClipboardHandlers();
    void connectShortcuts();
    void applyShortcutLabels();
    void runShortcut(ShortcutCommand command);
    void openSplitWord();
    void showHistoryList();
    void watchClipboard();
    void showPastePicture();
    void fillFirstList(int d);
    // Offers, in the Starting-with list, what the query finds besides it (Form1WordForms.cpp),
    // below the `top` rows of the user's own that lead the list; returns how many entries
    // it offers.
    qsizetype offerBesides(int d, const QString &query, const SearchResult &found, Diacritics diacritics,
                           qsizetype top);
    void openOtherDirection();
    // The Starting-with list's notice was chosen: the other direction, or adding the word.
    void chooseNotice();
    // What My terms find for the query, read first if they are not yet.
    PersonalFinds findPersonal(int d, const QString &query, Diacritics diacritics);
    void offerToAdd(const QString &query);
    void openMyTerms(std::optional<PersonalTerm> proposed);
    void connectTermsHandlers();
    // Reads My terms and My list, and indexes My terms, on another thread: started once
    // the first list is painted, so that the start waits for none of it.
    void startReadingPersonalWords();
    void reportProblem(const BilingualText &problem);
    void refreshTermIndex();
    void markDirection(int d);
    void changeDirection(int d);
    void showDirection();
    void showFirstEntries();
    void applyColumnHeadings(bool isEnglish);
    void showCounts();
    void showHistoryEntries();
    void copyFromActiveList(int column);
    bool copyWithCtrlC();
    void setUpFrame();
    void loadBackground();
    void setWindowRegion();
    void releaseWindowRegion();
    bool startSystemMove(Qt::MouseButtons buttons);
    void connectHoverHandlers();
    void resetHighlights();
    void fitCaptions();
    void setUpKeyboardAccess();
    void applyAccessibleTexts(bool isEnglish);
    void presentAsFrame();
    QWidget *keyboardControl(KeyboardControl control) const;

    Form1Setup setup_;
    std::unique_ptr<DictTable> DictTable_;
    WordFinder wordFinder_{*DictTable_};
    SearchHistory history_;
    QuizScore quizScore_; // the quiz's score lasts for the run
    CopyChoice copyChoice_;
    // The counts under the lists, kept to be written again in another language.
    struct ShownCounts {
        qsizetype starting = 0;
        bool startingLimited = false;
        qsizetype containing = 0;
        bool containingLimited = false;
    };
    std::optional<ShownCounts> counts_;
    int otherDirectionOffered_ = 0; // the direction the Starting-with list's notice opens, if any
    QString addOffered_;            // the word the notice offers to add to My terms, if any
    PersonalWords personal_;
    TermIndex termIndex_;
    int indexedGeneration_ = -1;    // the generation of My terms termIndex_ was made from
    bool personalLoaded_ = false;
    struct PersonalRead {
        PersonalWords words;
        TermIndex index;
        QList<BilingualText> problems;
    };
    std::future<PersonalRead> personalRead_;
    // The dictionary, read from the archive on a thread of its own from startReading() on;
    // the load sequence waits for it where it loads the dictionary, woken when it is read
    // (or when the window closes meanwhile).
    std::unique_ptr<DictionaryReadAhead> dictionaryRead_;
    QEventLoop *dictionaryWait_ = nullptr; // the load sequence's wait, while it waits
    bool languageChosen_ = false;   // a language is stored or was chosen in this run
    bool loading_ = false;
    bool wordFormsLoaded_ = false;
    bool unloaded_ = false;
    QPixmap background_;
    std::future<QImage> backgroundRead_; // the picture, decoded on another thread from startReading() on
    WindowDrag drag_;
    std::unique_ptr<LookupPopup> popup_;
    bus::GlobalShortcuts *selectionKey_ = nullptr; // the portal, where the desktop has one
    bool selectionKeyRegistered_ = false;
    bool selectionKeyAsked_ = false; // the user waits to hear how the registration went
};

} // namespace quillet
