// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/TermExchange.h"

#include "core/terms/PersonalWords.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace quillet {

std::optional<ExchangeFormat> ExchangeFormatNamed(QStringView name)
{
    if (name.compare(u"tbx", Qt::CaseInsensitive) == 0)
        return ExchangeFormat::Tbx;
    if (name.compare(u"csv", Qt::CaseInsensitive) == 0)
        return ExchangeFormat::Csv;
    if (name.compare(u"tsv", Qt::CaseInsensitive) == 0)
        return ExchangeFormat::Tsv;
    return std::nullopt;
}

std::optional<ExchangeFormat> ExchangeFormatOfPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(u"xml", Qt::CaseInsensitive) == 0)
        return ExchangeFormat::Tbx;
    if (suffix.compare(u"txt", Qt::CaseInsensitive) == 0 || suffix.compare(u"tab", Qt::CaseInsensitive) == 0)
        return ExchangeFormat::Tsv;
    return ExchangeFormatNamed(suffix);
}

QByteArray WriteTerms(const TermList &terms, ExchangeFormat format)
{
    switch (format) {
    case ExchangeFormat::Tbx: return WriteTbx(terms);
    case ExchangeFormat::Csv: return WriteDelimited(terms, u',');
    case ExchangeFormat::Tsv: return WriteDelimited(terms, u'\t');
    }
    return {};
}

QString ImportReport::summary() const
{
    if (failed())
        return failure;
    QString text = u"%1 added, %2 already there, %3 refused"_s.arg(added).arg(alreadyThere).arg(refused.size());
    for (const QString &why : refused)
        text += u"\n"_s + why;
    return text;
}

ImportReport ImportTerms(const QString &path, std::optional<ExchangeFormat> format, TermList &into, bool replace)
{
    ImportReport report;
    if (!format)
        format = ExchangeFormatOfPath(path);
    if (!format) {
        report.failure = u"the format of %1 is not known: name it (tbx, csv or tsv) or end the name with one"_s.arg(path);
        return report;
    }
    QByteArray bytes;
    bool missing = false;
    report.failure = ReadUserFile(path, bytes, &missing);
    if (missing)
        report.failure = u"%1 does not exist"_s.arg(path);
    if (report.failed())
        return report;
    const ExchangeRead read = *format == ExchangeFormat::Tbx ? ReadTbx(bytes)
                                                             : ReadDelimited(bytes, *format == ExchangeFormat::Csv ? u',' : u'\t');
    if (!read.failure.isEmpty()) {
        report.failure = u"%1 cannot be read: %2; nothing was imported"_s.arg(path, read.failure);
        return report;
    }
    TermList result = replace ? TermList() : into;
    report.refused = read.refused;
    for (const ReadPair &pair : read.pairs) {
        QString why;
        switch (result.add(pair.term, &why)) {
        case AddOutcome::Added: ++report.added; break;
        case AddOutcome::AlreadyThere: ++report.alreadyThere; break;
        case AddOutcome::Refused:
            if (result.size() >= TermBounds::MaxTerms) {
                report = {};
                report.failure = u"%1 holds more pairs than My terms can take (%2 in all); nothing was imported"_s
                                     .arg(path)
                                     .arg(TermBounds::MaxTerms);
                return report;
            }
            report.refused.append(pair.where + u": "_s + why);
            break;
        }
    }
    into = std::move(result);
    return report;
}

QString ExportTerms(const QString &path, std::optional<ExchangeFormat> format, const TermList &terms)
{
    if (!format)
        format = ExchangeFormatOfPath(path);
    if (!format)
        return u"the format of %1 is not known: name it (tbx, csv or tsv) or end the name with one"_s.arg(path);
    return WriteUserFile(path, WriteTerms(terms, *format));
}

} // namespace quillet
