// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lookup/LookupReport.h"

#include "core/mainwindow/InterfaceTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

void WriteText(QTextStream &out, const LookupReport &report)
{
    bool firstBlock = true;
    const auto partFromAbove = [&out, &firstBlock] {
        if (!firstBlock)
            out << '\n';
        firstBlock = false;
    };
    for (const ReportDirection &direction : report.directions) {
        partFromAbove();
        // Two directions are told apart by their names; one alone needs none.
        if (report.directions.size() > 1)
            out << direction.name << '\n';
        for (const ReportList &list : direction.lists) {
            if (&list != &direction.lists.constFirst())
                out << '\n';
            out << list.heading << '\n';
            for (qsizetype i = 0; i < list.entries.size(); ++i) {
                const auto &[headword, translation] = list.entries[i];
                out << headword << '\t' << translation;
                if (i < list.personal)
                    out << "\t(my term)";
                out << '\n';
            }
            out << WordCount(list.entries.size(), list.limited, true) << '\n';
        }
    }
}

QString SourceOf(const ReportList &list, qsizetype i)
{
    return i < list.personal ? u"user"_s : u"dictionary"_s;
}

// A TSV field holds no tab and no line break.
QString TsvField(QString text)
{
    for (const QChar breaking : {u'\t', u'\n', u'\r'})
        text.replace(breaking, u' ');
    return text;
}

void WriteTsv(QTextStream &out, const LookupReport &report)
{
    for (const ReportDirection &direction : report.directions)
        for (const ReportList &list : direction.lists) {
            const QString name = direction.code + u'.' + list.name;
            for (qsizetype i = 0; i < list.entries.size(); ++i) {
                const auto &[headword, translation] = list.entries[i];
                out << name << '\t' << TsvField(headword) << '\t' << TsvField(translation);
                if (report.withSource)
                    out << '\t' << SourceOf(list, i);
                out << '\n';
            }
        }
}

void WriteJson(QTextStream &out, const LookupReport &report)
{
    QJsonArray directions;
    for (const ReportDirection &direction : report.directions) {
        QJsonArray lists;
        for (const ReportList &list : direction.lists) {
            QJsonArray entries;
            for (qsizetype i = 0; i < list.entries.size(); ++i) {
                const auto &[headword, translation] = list.entries[i];
                QJsonObject entry{{u"headword"_s, headword}, {u"translation"_s, translation}};
                if (report.withSource)
                    entry.insert(u"source"_s, SourceOf(list, i));
                entries.append(entry);
            }
            lists.append(QJsonObject{{u"list"_s, list.name}, {u"limited"_s, list.limited}, {u"entries"_s, entries}});
        }
        directions.append(QJsonObject{{u"direction"_s, direction.code}, {u"name"_s, direction.name}, {u"lists"_s, lists}});
    }
    const QJsonObject document{{u"query"_s, report.query},
                               {u"ignoreDiacritics"_s, report.ignoreDiacritics},
                               {u"found"_s, report.found()},
                               {u"directions"_s, directions}};
    out << QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented));
}

} // namespace

bool LookupReport::found() const
{
    return std::any_of(directions.begin(), directions.end(), [](const ReportDirection &direction) {
        return std::any_of(direction.lists.begin(), direction.lists.end(),
                           [](const ReportList &list) { return !list.entries.isEmpty(); });
    });
}

std::optional<ReportFormat> ReportFormatNamed(QStringView name)
{
    if (name == u"text")
        return ReportFormat::Text;
    if (name == u"tsv")
        return ReportFormat::Tsv;
    if (name == u"json")
        return ReportFormat::Json;
    return std::nullopt;
}

void WriteReport(QTextStream &out, const LookupReport &report, ReportFormat format)
{
    switch (format) {
    case ReportFormat::Text: WriteText(out, report); break;
    case ReportFormat::Tsv: WriteTsv(out, report); break;
    case ReportFormat::Json: WriteJson(out, report); break;
    }
}

} // namespace quillet
