// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/SettingsStore.h"

#include "core/app/SettingsValues.h"
#include "core/app/StaleFiles.h"
#include "core/dictionary/RegularFile.h"
#include "core/dictionary/TextLines.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

const QString Group = u"Startup"_s;

// Why the file cannot serve as the settings store; empty when it can (absent included).
QString Unusable(const QString &path)
{
    const QFileInfo file(path); // links followed
    if (!file.exists() && !file.isSymLink())
        return {};
    if (!file.isFile())
        return u"not a regular file"_s;
    if (!file.isReadable())
        return u"the file cannot be read"_s;
    if (file.size() > SettingsStore::MaxFileBytes)
        return u"larger than %1 bytes"_s.arg(SettingsStore::MaxFileBytes);
    return {};
}

// Whether the bytes can be read as an INI file: UTF-8 text without control characters
// but tabs and line breaks, with at least one group's name in brackets or key and value
// when it has any line that is not blank or a comment. A stray line among settings is
// passed over as QSettings passes it over; random bytes, or a text with no setting at
// all, are no settings file that QSettings wrote or a person edited, and would be
// rewritten into junk.
bool ReadsAsSettings(QByteArrayView contents)
{
    contents = WithoutByteOrderMark(contents);
    if (!contents.isValidUtf8())
        return false;
    const auto control = [](char c) { return uchar(c) < 0x20 && c != '\t' && c != '\r' && c != '\n'; };
    if (std::any_of(contents.begin(), contents.end(), control))
        return false;
    bool anyText = false;
    for (const QByteArray &raw : contents.toByteArray().split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if ((line.startsWith('[') && line.endsWith(']')) || line.contains('='))
            return true;
        anyText = true;
    }
    return !anyText;
}

// Tells one file from another and a file from itself once rewritten.
struct FileStamp {
    dev_t device;
    ino_t inode;
    timespec modified;
    bool operator==(const FileStamp &other) const
    {
        return device == other.device && inode == other.inode && modified.tv_sec == other.modified.tv_sec
            && modified.tv_nsec == other.modified.tv_nsec;
    }
};

std::optional<FileStamp> Stamp(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileStamp{status.st_dev, status.st_ino, status.st_mtim};
}

constexpr std::array OwnKeys{settings::SearchAsYouTypeKey, settings::DictLangKey, settings::DictKey,
                              settings::AdvSearchKey, settings::IgnoreDiacriticsKey, settings::WordFormsKey,
                              settings::LeftKey, settings::TopKey, settings::WidthKey, settings::HeightKey,
                              settings::SelectionKeyKey};

bool IsOwnKey(const QString &fullKey)
{
    const QStringView key(fullKey);
    return key.startsWith(Group) && key.sliced(Group.size()).startsWith(u'/')
        && std::find(OwnKeys.begin(), OwnKeys.end(), key.sliced(Group.size() + 1)) != OwnKeys.end();
}

using Entries = QList<std::pair<QString, QVariant>>;

// The size of the file these entries are written as, tried out at `trial`; -1 when they
// cannot be written there.
qint64 WrittenSize(const Entries &entries, const QString &trial)
{
    QFile::remove(trial);
    {
        QSettings written(trial, QSettings::IniFormat);
        for (const auto &[key, value] : entries)
            written.setValue(key, value);
        written.sync();
        if (written.status() != QSettings::NoError)
            return -1;
    }
    return QFileInfo(trial).size();
}

} // namespace

SettingsStore::SettingsStore() : path_(filePath()), problem_(Unusable(path_))
{
    if (!problem_.isEmpty() || !setAsideUnreadable())
        return;
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    settings_->beginGroup(Group);
}

SettingsStore::~SettingsStore() = default;

bool SettingsStore::setAsideUnreadable()
{
    QFile file;
    if (OpenRegularFile(file, path_) != OpenOutcome::Opened || ReadsAsSettings(file.read(MaxFileBytes + 1)))
        return true;
    file.close();
    // Replaces a file set aside before, which was reported when it was.
    const QString aside = path_ + UnreadableSuffix;
    if (std::rename(QFile::encodeName(path_).constData(), QFile::encodeName(aside).constData()) == 0) {
        setAside_ = aside;
        return true;
    }
    problem_ = u"the file cannot be read as settings, nor set aside"_s;
    return false;
}

QString SettingsStore::filePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(u"Dictionar Quillet.ini"_s);
}

QString SettingsStore::get(QStringView key, const QString &fallback) const
{
    return settings_ ? settings_->value(key, fallback).toString() : fallback;
}

void SettingsStore::save(QStringView key, const QString &value)
{
    if (!settings_)
        return;
    settings_->setValue(key, value);
}

qsizetype SettingsStore::dropKeysPastTheLimit()
{
    settings_->endGroup();
    Entries entries; // this program's keys first, then the others
    qsizetype own = 0;
    for (const QString &key : settings_->allKeys()) {
        if (key.isEmpty()) // a line of garbage no key can reach
            continue;
        if (IsOwnKey(key))
            entries.insert(own++, {key, settings_->value(key)});
        else
            entries.append({key, settings_->value(key)});
    }
    qsizetype kept = entries.size() - own;
    // This program's own keys take a few hundred bytes: only the others can outgrow the
    // file. With others, the file is written afresh from the entries as tried out.
    if (kept > 0) {
        // Named after this process, so that a start removes it if the save is killed.
        const QTemporaryDir folder(PrivateFolderTemplate(QDir::tempPath()));
        const QString trial = folder.filePath(u"trial.ini"_s);
        const auto fits = [&](qsizetype others) {
            const qint64 size = WrittenSize(entries.first(own + others), trial);
            return size >= 0 && size <= MaxFileBytes;
        };
        if (folder.isValid() && !fits(kept)) {
            qsizetype fitting = 0;
            qsizetype tooMany = kept;
            while (tooMany - fitting > 1) {
                const qsizetype middle = fitting + (tooMany - fitting) / 2;
                (fits(middle) ? fitting : tooMany) = middle;
            }
            kept = fitting;
        }
        settings_->clear();
        for (const auto &[key, value] : entries.first(own + kept))
            settings_->setValue(key, value);
    }
    settings_->beginGroup(Group);
    return entries.size() - own - kept;
}

bool SettingsStore::sync()
{
    if (!settings_)
        return false;
    dropped_ = dropKeysPastTheLimit();
    const std::optional<FileStamp> before = Stamp(path_);
    settings_->sync();
    // QSettings keeps the first error it met: after reading a malformed file it reports
    // FormatError although the write went through. A write replaces the file with a new
    // one, so the file itself tells whether it did.
    const std::optional<FileStamp> after = Stamp(path_);
    if (settings_->status() == QSettings::NoError || (after && after != before))
        return true;
    problem_ = u"the file cannot be written"_s;
    return false;
}

namespace settings {

namespace {

// "Dict" holds the first direction label's border: 1 for English to Romanian, 0 for
// Romanian to English. Any other number cannot be shown and leaves the labels alone.
std::optional<bool> DirectionFromText(QStringView text)
{
    const std::optional<int> border = TextToInteger(text);
    if (border != 0 && border != 1)
        return std::nullopt;
    return border == 1;
}

} // namespace

StoredSettings LoadSettings(const SettingsStore &store, bool romanianLocale)
{
    const QString defaultPosition = SingleText(DefaultPositionTwips);
    StoredSettings stored;
    stored.searchAsYouType = TextToBoolean(store.get(SearchAsYouTypeKey, u"True"_s));
    // A language is stored once the user has chosen one; until then the locale chooses.
    const QString language = store.get(DictLangKey, QString());
    stored.languageChosen = !language.isEmpty();
    stored.romanianInterface = stored.languageChosen ? TextToBoolean(language) : romanianLocale;
    stored.englishRomanian = DirectionFromText(store.get(DictKey, u"0"_s));
    stored.advancedSearch = TextToBoolean(store.get(AdvSearchKey, u"True"_s));
    stored.ignoreDiacritics = TextToBoolean(store.get(IgnoreDiacriticsKey, u"False"_s));
    stored.wordForms = TextToBoolean(store.get(WordFormsKey, u"True"_s));
    stored.left = TextToSingle(store.get(LeftKey, defaultPosition));
    stored.top = TextToSingle(store.get(TopKey, defaultPosition));
    stored.selectionKeyRegistered = TextToBoolean(store.get(SelectionKeyKey, u"False"_s)).value_or(false);
    return stored;
}

void SaveSettings(SettingsStore &store, const SettingsToSave &values)
{
    store.save(SearchAsYouTypeKey, BooleanText(values.searchAsYouType));
    if (values.romanianInterface)
        store.save(DictLangKey, BooleanText(*values.romanianInterface));
    store.save(DictKey, values.englishRomanian ? u"1"_s : u"0"_s);
    store.save(AdvSearchKey, BooleanText(values.advancedSearch));
    store.save(IgnoreDiacriticsKey, BooleanText(values.ignoreDiacritics));
    store.save(WordFormsKey, BooleanText(values.wordForms));
    store.save(LeftKey, SingleText(values.left));
    store.save(TopKey, SingleText(values.top));
    store.save(WidthKey, SingleText(values.width));
    store.save(HeightKey, SingleText(values.height));
    if (values.selectionKeyRegistered)
        store.save(SelectionKeyKey, BooleanText(true));
}

} // namespace settings

} // namespace quillet
