// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bus/SelectionKeyTexts.h"

#include "core/mainwindow/InterfaceTexts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace quillet {

QString ManualBindingText(bool english)
{
    return TextOf(TextTarget::SelectionKeyText, english).arg(SelectionCommand);
}

QString KeyOfferText(bool english)
{
    return TextOf(TextTarget::SelectionKeyOffer, english).arg(KeyName(bus::SelectionPreferredTrigger));
}

QString KeyBoundText(const QString &trigger, bool english)
{
    return TextOf(TextTarget::SelectionKeyBound, english).arg(trigger);
}

QString KeyFailureText(bus::GlobalShortcuts::Failure failure, const QString &detail, bool english)
{
    using Failure = bus::GlobalShortcuts::Failure;
    switch (failure) {
    case Failure::Absent: break;
    case Failure::Cancelled: return TextOf(TextTarget::SelectionKeyCancelled, english) + u"\n\n"_s + ManualBindingText(english);
    case Failure::Refused:
        return TextOf(TextTarget::SelectionKeyRefused, english).arg(detail) + u"\n\n"_s + ManualBindingText(english);
    }
    return ManualBindingText(english);
}

bus::PortalShortcut SelectionShortcut(bool english)
{
    return bus::PortalShortcut{bus::SelectionShortcutId.toString(),
                               {{u"description"_s, TextOf(TextTarget::SelectionKeyDescription, english)},
                                {u"preferred_trigger"_s, bus::SelectionPreferredTrigger.toString()}}};
}

QString KeyName(QStringView trigger)
{
    QStringList parts;
    for (const QStringView part : trigger.split(u'+'))
        parts += part.size() > 1 ? part.first(1).toString() + part.sliced(1).toString().toLower() : part.toString();
    return parts.join(u'+');
}

} // namespace quillet
