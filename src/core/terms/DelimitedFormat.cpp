// SPDX-License-Identifier: GPL-3.0-or-later
// My terms as CSV or TSV: UTF-8, fields quoted as RFC 4180 says.
#include "core/terms/TermExchange.h"

#include "core/dictionary/TextLines.h"
#include "core/terms/TermsTexts.h"
#include "core/terms/TsvText.h"

#include <array>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

// One record and the line it starts on.
struct Record {
    QStringList fields;
    qsizetype line = 0;
};

// Splits the text into records. A quoted field may hold the separator, line breaks and
// doubled quotes; a quote left open is a failure.
class RecordSplitter {
public:
    RecordSplitter(const QString &text, QChar separator) : text_(text), separator_(separator) {}

    BilingualText split(std::vector<Record> &records)
    {
        while (at_ < text_.size()) {
            Record record{{}, line_};
            if (BilingualText problem = readRecord(record.fields); !problem.isEmpty())
                return problem;
            const bool blank = record.fields.size() == 1 && record.fields.front().trimmed().isEmpty();
            if (!blank)
                records.push_back(std::move(record));
            if (qsizetype(records.size()) > 2 * TermBounds::MaxTerms)
                return MessageOf(TermsText::TooManyRows).arg(2 * TermBounds::MaxTerms);
        }
        return {};
    }

private:
    BilingualText readRecord(QStringList &fields)
    {
        QString field;
        while (true) {
            if (at_ < text_.size() && text_[at_] == u'"' && field.isEmpty()) {
                const qsizetype opened = line_;
                if (!readQuoted(field))
                    return MessageOf(TermsText::QuoteOpen).arg(opened);
            }
            if (at_ >= text_.size()) {
                fields.append(field);
                return {};
            }
            const QChar c = text_[at_++];
            if (c == separator_) {
                fields.append(std::exchange(field, QString()));
            } else if (c == u'\n' || c == u'\r') {
                if (c == u'\r' && at_ < text_.size() && text_[at_] == u'\n')
                    ++at_;
                ++line_;
                fields.append(field);
                return {};
            } else {
                field.append(c);
            }
        }
    }

    // From the opening quote to just after the closing one.
    bool readQuoted(QString &field)
    {
        ++at_;
        while (at_ < text_.size()) {
            const QChar c = text_[at_++];
            if (c == u'"') {
                if (at_ < text_.size() && text_[at_] == u'"') {
                    field.append(u'"');
                    ++at_;
                    continue;
                }
                return true;
            }
            if (c == u'\n')
                ++line_;
            field.append(c);
        }
        return false;
    }

    const QString &text_;
    const QChar separator_;
    qsizetype at_ = 0;
    qsizetype line_ = 1;
};

// The columns of a file: where each field is, -1 for one it does not have.
struct Columns {
    int headword = 0;
    int translation = 1;
    int direction = 2;
    int note = 3;
};

// The header's names for each column, in lower case.
int ColumnNamed(const QStringList &names, std::initializer_list<QStringView> accepted)
{
    for (int i = 0; i < names.size(); ++i)
        for (const QStringView name : accepted)
            if (names[i].trimmed().compare(name, Qt::CaseInsensitive) == 0)
                return i;
    return -1;
}

// A first row that names a headword and a translation column is a header.
std::optional<Columns> HeaderColumns(const QStringList &row)
{
    const int headword = ColumnNamed(row, {u"headword", u"term", u"word", u"english", u"en", u"source", u"front"});
    const int translation =
        ColumnNamed(row, {u"translation", u"romanian", u"ro", u"target", u"back", u"equivalent"});
    if (headword < 0 || translation < 0)
        return std::nullopt;
    return Columns{headword, translation, ColumnNamed(row, {u"direction"}),
                   ColumnNamed(row, {u"note", u"notes", u"comment", u"comments", u"field", u"subject"})};
}

QString FieldAt(const QStringList &fields, int column)
{
    return column >= 0 && column < fields.size() ? fields[column] : QString();
}

} // namespace

ExchangeRead ReadDelimited(QByteArrayView bytes, QChar separator)
{
    ExchangeRead read;
    const auto text = StrictUtf8(WithoutByteOrderMark(bytes));
    if (!text) {
        read.failure = MessageOf(TermsText::NotUtf8);
        return read;
    }
    std::vector<Record> records;
    if (BilingualText problem = RecordSplitter(*text, separator).split(records); !problem.isEmpty()) {
        read.failure = problem;
        return read;
    }
    if (records.empty())
        return read;
    const std::optional<Columns> header = HeaderColumns(records.front().fields);
    const Columns columns = header.value_or(Columns{});
    for (std::size_t i = header ? 1 : 0; i < records.size(); ++i) {
        const Record &record = records[i];
        const BilingualText where = MessageOf(TermsText::AtLine).arg(record.line);
        const QString directionText = FieldAt(record.fields, columns.direction).trimmed();
        const auto direction = directionText.isEmpty() ? std::optional(TermDirection::EnglishRomanian)
                                                       : TermDirectionNamed(directionText);
        if (!direction) {
            read.refused.append(MessageOf(TermsText::DirectionUnknown).arg(where).arg(directionText.left(40)));
            continue;
        }
        read.pairs.push_back({{FieldAt(record.fields, columns.headword), FieldAt(record.fields, columns.translation),
                               *direction, FieldAt(record.fields, columns.note)},
                              where});
    }
    return read;
}

QByteArray CsvRecord(const QStringList &fields, QChar separator)
{
    QStringList quoted;
    for (const QString &field : fields) {
        const bool needsQuotes = field.contains(separator) || field.contains(u'"') || field.contains(u'\n')
                                 || field.contains(u'\r');
        quoted.append(needsQuotes ? u'"' + QString(field).replace(u"\""_s, u"\"\""_s) + u'"' : field);
    }
    return quoted.join(separator).toUtf8() + "\r\n";
}

QByteArray WriteDelimited(const TermList &terms, QChar separator)
{
    QByteArray bytes = CsvRecord(TermList::Header(), separator);
    for (const PersonalTerm &term : terms.terms())
        bytes += CsvRecord({term.headword, term.translation, TermDirectionCode(term.direction), term.note}, separator);
    return bytes;
}

} // namespace quillet
