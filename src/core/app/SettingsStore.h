// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

namespace quillet {

// The user's own settings: the INI file "Dictionar Quillet.ini" in the user's
// configuration folder, every value a text under a key of the group "Startup". Only a
// readable regular file of a settings file's size is ever read or replaced: anything else
// in its place (a FIFO, a link to a device, a huge or unreadable file) is left alone, reads
// give the defaults and a save fails. A file that is no INI text at all (random bytes, a
// picture saved under its name) is moved aside to "<name>.unreadable" and reads give the
// defaults; when it cannot be moved, it is left alone as above.
class SettingsStore {
public:
    // A settings file is a few hundred bytes; a bigger one is not read.
    static constexpr qint64 MaxFileBytes = 64 * 1024;
    static constexpr QLatin1StringView UnreadableSuffix{".unreadable"};

    SettingsStore();
    ~SettingsStore();

    static QString filePath();

    // The stored text, or fallback when the key is absent.
    QString get(QStringView key, const QString &fallback) const;
    void save(QStringView key, const QString &value);
    // Writes what was saved; false only when it did not reach the file (read-only, a
    // folder in its place), in which case this run's settings are lost and problem() says
    // why. A file that was malformed when read is replaced by a well-formed one. Keys of
    // the file that are not this program's are written back as far as the file stays
    // within MaxFileBytes, so the next start still reads it; droppedKeys() counts the rest.
    bool sync();
    QString problem() const { return problem_; }
    qsizetype droppedKeys() const { return dropped_; }

    QString fileName() const { return path_; }
    // Where the file that could not be read as settings went, when this store moved one
    // aside; empty otherwise.
    QString setAside() const { return setAside_; }

private:
    bool setAsideUnreadable();
    qsizetype dropKeysPastTheLimit();

    QString path_;
    QString setAside_;
    QString problem_;
    qsizetype dropped_ = 0;
    std::unique_ptr<QSettings> settings_; // none when the file is not one to touch
};

namespace settings {

// The keys, spelled as the files of earlier versions have them.
inline constexpr QStringView SearchAsYouTypeKey = u"SearcAsYouType";
inline constexpr QStringView DictLangKey = u"DictLang";
inline constexpr QStringView DictKey = u"Dict";
inline constexpr QStringView AdvSearchKey = u"AdvSearch";
inline constexpr QStringView IgnoreDiacriticsKey = u"IgnoreDiacritics";
inline constexpr QStringView WordFormsKey = u"WordForms";
inline constexpr QStringView LeftKey = u"Left";
inline constexpr QStringView TopKey = u"Top";
inline constexpr QStringView WidthKey = u"Width";
inline constexpr QStringView HeightKey = u"Height";
// Stored once the user has registered the key that looks up the selection with the
// desktop: each start then asks for it again, as the desktop forgets it with the session.
inline constexpr QStringView SelectionKeyKey = u"SelectionKey";

// The options and position as read at start-up. A missing key gives its default; a value
// that does not convert is absent, and the window leaves that control as it is.
struct StoredSettings {
    std::optional<bool> searchAsYouType;   // default on
    std::optional<bool> romanianInterface; // default off, the English interface, but on
                                           // under a Romanian locale
    bool languageChosen = false;           // "DictLang" is stored: the user chose it
    std::optional<bool> englishRomanian;   // "Dict" 1 or 0; default 0, Romanian to English
    std::optional<bool> advancedSearch;    // default on: the Containing list is shown
    std::optional<bool> ignoreDiacritics;  // default off: ș and s are different letters
    std::optional<bool> wordForms;         // default on: base forms and near misses are offered
    std::optional<float> left;             // twips, default 3000
    std::optional<float> top;              // twips, default 3000
    bool selectionKeyRegistered = false;   // "SelectionKey" True
};

// What is written at shut-down, taken from the normal (not minimised) window.
struct SettingsToSave {
    bool searchAsYouType = true;
    std::optional<bool> romanianInterface; // none while the user has chosen no language
    bool englishRomanian = false;
    bool advancedSearch = true;
    bool ignoreDiacritics = false;
    bool wordForms = true;
    float left = 0; // the window's geometry in twips
    float top = 0;
    float width = 0;
    float height = 0;
    bool selectionKeyRegistered = false; // stored only when true
};

StoredSettings LoadSettings(const SettingsStore &store, bool romanianLocale = false);
void SaveSettings(SettingsStore &store, const SettingsToSave &values);

} // namespace settings

} // namespace quillet
