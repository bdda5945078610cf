// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/TermExchange.h"

#include "core/terms/PersonalWords.h"
#include "core/terms/TermsTexts.h"

#include <QFileInfo>

#include <algorithm>

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

QString ImportReport::summary(bool english, qsizetype listed) const
{
    if (failed())
        return failure.in(english);
    QString text = TextOf(TermsText::ImportCounts, english).arg(added).arg(alreadyThere).arg(refused.size());
    for (qsizetype i = 0; i < std::min(listed, refused.size()); ++i)
        text += u"\n"_s + refused[i].in(english);
    if (refused.size() > listed)
        text += u"\n..."_s;
    return text;
}

ImportReport ImportTerms(const QString &path, std::optional<ExchangeFormat> format, TermList &into, bool replace)
{
    ImportReport report;
    if (!format)
        format = ExchangeFormatOfPath(path);
    if (!format) {
        report.failure = MessageOf(TermsText::FormatUnknown).arg(path);
        return report;
    }
    QByteArray bytes;
    bool missing = false;
    report.failure = ReadUserFile(path, bytes, &missing);
    if (missing)
        report.failure = MessageOf(TermsText::FileMissing).arg(path);
    if (report.failed())
        return report;
    const ExchangeRead read = *format == ExchangeFormat::Tbx ? ReadTbx(bytes)
                                                             : ReadDelimited(bytes, *format == ExchangeFormat::Csv ? u',' : u'\t');
    if (!read.failure.isEmpty()) {
        report.failure = MessageOf(TermsText::NothingImported).arg(path).arg(read.failure);
        return report;
    }
    TermList result = replace ? TermList() : into;
    report.refused = read.refused;
    for (const ReadPair &pair : read.pairs) {
        BilingualText why;
        switch (result.add(pair.term, &why)) {
        case AddOutcome::Added: ++report.added; break;
        case AddOutcome::AlreadyThere: ++report.alreadyThere; break;
        case AddOutcome::Refused:
            if (result.size() >= TermBounds::MaxTerms) {
                report = {};
                report.failure = MessageOf(TermsText::ImportTooMany).arg(path).arg(TermBounds::MaxTerms);
                return report;
            }
            report.refused.append(MessageOf(TermsText::Refused).arg(pair.where).arg(why));
            break;
        }
    }
    into = std::move(result);
    return report;
}

BilingualText ExportTerms(const QString &path, std::optional<ExchangeFormat> format, const TermList &terms)
{
    if (!format)
        format = ExchangeFormatOfPath(path);
    if (!format)
        return MessageOf(TermsText::FormatUnknown).arg(path);
    return WriteUserFile(path, WriteTerms(terms, *format));
}

} // namespace quillet
