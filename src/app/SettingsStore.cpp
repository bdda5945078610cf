#include "app/SettingsStore.h"

#include "app/SettingsValues.h"

using namespace Qt::StringLiterals;

namespace quillet {

SettingsStore::SettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, u"Dictionar Quillet"_s)
{
    settings_.beginGroup(u"Startup"_s);
}

QString SettingsStore::get(QStringView key, const QString &fallback) const
{
    return settings_.value(key, fallback).toString();
}

void SettingsStore::save(QStringView key, const QString &value)
{
    settings_.setValue(key, value);
}

bool SettingsStore::sync()
{
    settings_.sync();
    return settings_.status() == QSettings::NoError;
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

StoredSettings LoadSettings(const SettingsStore &store)
{
    const QString defaultPosition = SingleText(DefaultPositionTwips);
    StoredSettings stored;
    stored.searchAsYouType = TextToBoolean(store.get(SearchAsYouTypeKey, u"True"_s));
    stored.romanianInterface = TextToBoolean(store.get(DictLangKey, u"False"_s));
    stored.englishRomanian = DirectionFromText(store.get(DictKey, u"0"_s));
    stored.advancedSearch = TextToBoolean(store.get(AdvSearchKey, u"True"_s));
    stored.ignoreDiacritics = TextToBoolean(store.get(IgnoreDiacriticsKey, u"False"_s));
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
    store.save(LeftKey, SingleText(values.left));
    store.save(TopKey, SingleText(values.top));
    store.save(WidthKey, SingleText(values.width));
    store.save(HeightKey, SingleText(values.height));
}

} // namespace settings

} // namespace quillet
