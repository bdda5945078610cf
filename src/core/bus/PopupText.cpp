// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bus/PopupText.h"

#include "core/mainwindow/InterfaceTexts.h"

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// The report's list names and the window's headings for them.
QString Heading(const ReportList &list, bool english)
{
    static constexpr std::array<std::pair<QStringView, TextTarget>, 5> headings{{
        {u"other-case", TextTarget::OtherCaseTitle},
        {u"base-forms", TextTarget::BaseFormsTitle},
        {u"near-misses", TextTarget::NearMissesTitle},
        {u"starting-with", TextTarget::Label2_0_Caption},
        {u"containing", TextTarget::Label2_1_Caption},
    }};
    for (const auto &[name, target] : headings)
        if (list.name == name)
            return TextOf(target, english);
    return list.heading;
}

QString Shortened(const QString &text)
{
    QString line = text.simplified();
    if (line.size() > PopupTranslationLength)
        line = line.first(PopupTranslationLength - 1).trimmed() + u'\u2026';
    return line;
}

} // namespace

QString PopupText(const LookupReport &report, bool english)
{
    QStringList lines{report.query};
    const auto holdsEntries = [](const ReportDirection &direction) {
        return std::any_of(direction.lists.begin(), direction.lists.end(),
                           [](const ReportList &list) { return !list.entries.isEmpty(); });
    };
    const bool anyFound = std::any_of(report.directions.begin(), report.directions.end(), holdsEntries);
    for (const ReportDirection &direction : report.directions) {
        // A direction that finds nothing is left out, unless none finds anything.
        if (anyFound && !holdsEntries(direction))
            continue;
        lines += TextOf(direction.code == "er"_L1 ? TextTarget::Label3_0_Caption : TextTarget::Label3_1_Caption, english);
        for (const ReportList &list : direction.lists) {
            const qsizetype count = list.entries.size();
            lines += Heading(list, english) + u' ' + WordCount(count, list.limited, english);
            for (qsizetype i = 0; i < std::min(count, PopupEntriesPerList); ++i)
                lines += u"  "_s + list.entries[i].first + u" \u2013 "_s + Shortened(list.entries[i].second);
        }
    }
    return lines.join(u"\r\n"_s);
}

} // namespace quillet
