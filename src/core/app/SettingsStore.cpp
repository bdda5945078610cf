// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/SettingsStore.h"

#include "core/app/SettingsValues.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

} // namespace

SettingsStore::SettingsStore() : path_(filePath()), problem_(Unusable(path_))
{
    if (!problem_.isEmpty())
        return;
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    settings_->beginGroup(Group);
}

SettingsStore::~SettingsStore() = default;

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

bool SettingsStore::sync()
{
    if (!settings_)
        return false;
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
    stored.romanianInterface = TextToBoolean(store.get(DictLangKey, BooleanText(romanianLocale)));
    stored.englishRomanian = DirectionFromText(store.get(DictKey, u"0"_s));
    stored.advancedSearch = TextToBoolean(store.get(AdvSearchKey, u"True"_s));
    stored.ignoreDiacritics = TextToBoolean(store.get(IgnoreDiacriticsKey, u"False"_s));
    stored.wordForms = TextToBoolean(store.get(WordFormsKey, u"True"_s));
    stored.left = TextToSingle(store.get(LeftKey, defaultPosition));
    stored.top = TextToSingle(store.get(TopKey, defaultPosition));
    return stored;
}

void SaveSettings(SettingsStore &store, const SettingsToSave &values)
{
    store.save(SearchAsYouTypeKey, BooleanText(values.searchAsYouType));
    store.save(DictLangKey, BooleanText(values.romanianInterface));
    store.save(DictKey, values.englishRomanian ? u"1"_s : u"0"_s);
    store.save(AdvSearchKey, BooleanText(values.advancedSearch));
    store.save(IgnoreDiacriticsKey, BooleanText(values.ignoreDiacritics));
    store.save(WordFormsKey, BooleanText(values.wordForms));
    store.save(LeftKey, SingleText(values.left));
    store.save(TopKey, SingleText(values.top));
    store.save(WidthKey, SingleText(values.width));
    store.save(HeightKey, SingleText(values.height));
}

} // namespace settings

} // namespace quillet
