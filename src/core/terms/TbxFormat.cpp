// SPDX-License-Identifier: GPL-3.0-or-later
// My terms as TBX (TermBase eXchange), the TBX-Basic dialect translation tools exchange.
#include "core/terms/TermExchange.h"

#include "core/terms/TermsTexts.h"
#include "core/terms/TsvText.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

using namespace Qt::StringLiterals;

namespace quillet {

namespace {

constexpr QStringView DirectionNote = u"quillet-direction: ";

// "en", "en-US", "EN_gb" are English; likewise Romanian. Anything else is "".
QString LanguageOf(QStringView tag)
{
    const QString base = tag.toString().toLower().section(u'-', 0, 0).section(u'_', 0, 0);
    return base == u"en" || base == u"ro" ? base : QString();
}

bool IsEntry(QStringView name)
{
    return name == u"termEntry" || name == u"conceptEntry";
}

bool IsLanguageSection(QStringView name)
{
    return name == u"langSet" || name == u"langSec";
}

// One entry as it is read: its terms in English and Romanian, and its notes.
struct EntryRead {
    QStringList english;
    QStringList romanian;
    QStringList notes;
    std::optional<TermDirection> direction;
    qint64 line = 0;
};

class TbxReader {
public:
    explicit TbxReader(QByteArrayView bytes) : xml_(bytes.toByteArray()) {}

    ExchangeRead read()
    {
        while (!xml_.atEnd() && result_.failure.isEmpty()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::DTD)
                fail(MessageOf(TermsText::HasDoctype).arg(xml_.lineNumber()));
            else if (token == QXmlStreamReader::EntityReference)
                failOnEntity();
            else if (token == QXmlStreamReader::StartElement && !rootSeen_)
                checkRoot();
            else if (token == QXmlStreamReader::StartElement && IsEntry(xml_.name()))
                readEntry();
        }
        if (result_.failure.isEmpty() && xml_.hasError())
            fail(MessageOf(TermsText::LineProblem).arg(xml_.lineNumber()).arg(xml_.errorString()));
        if (result_.failure.isEmpty() && !rootSeen_)
            fail(MessageOf(TermsText::NoTbx));
        if (!result_.failure.isEmpty()) {
            result_.pairs.clear();
            result_.refused.clear();
        }
        return std::move(result_);
    }

private:
    void fail(const BilingualText &why)
    {
        if (result_.failure.isEmpty())
            result_.failure = why;
    }

    // No entity is expanded, not even one of XML's own.
    void failOnEntity() { fail(MessageOf(TermsText::HasEntity).arg(xml_.name().toString()).arg(xml_.lineNumber())); }

    void checkRoot()
    {
        rootSeen_ = true;
        if (xml_.name() != u"martif" && xml_.name() != u"tbx")
            fail(MessageOf(TermsText::RootNotTbx).arg(xml_.name().toString()));
    }

    // Reads up to the entry's end; its terms are the text of its <term> elements.
    void readEntry()
    {
        EntryRead entry;
        entry.line = xml_.lineNumber();
        QString language;
        int level = 1;
        while (level > 0 && !xml_.atEnd() && result_.failure.isEmpty()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::EntityReference)
                failOnEntity();
            if (token == QXmlStreamReader::EndElement) {
                --level;
                if (IsLanguageSection(xml_.name()))
                    language.clear();
                continue;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            ++level;
            const QStringView name = xml_.name();
            if (IsLanguageSection(name)) {
                language = LanguageOf(xml_.attributes().value(u"http://www.w3.org/XML/1998/namespace"_s, u"lang"_s));
            } else if (name == u"term") {
                const QString term = xml_.readElementText(QXmlStreamReader::IncludeChildElements);
                --level;
                if (language == u"en")
                    entry.english.append(term);
                else if (language == u"ro")
                    entry.romanian.append(term);
            } else if (name == u"note" && language.isEmpty() && level == 2) {
                const QString note = xml_.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                --level;
                if (note.startsWith(DirectionNote))
                    entry.direction = TermDirectionNamed(note.mid(DirectionNote.size()));
                else if (!note.isEmpty())
                    entry.notes.append(note);
            }
        }
        addPairs(entry);
    }

    void addPairs(const EntryRead &entry)
    {
        const BilingualText where = MessageOf(TermsText::EntryAtLine).arg(entry.line);
        if (entry.english.isEmpty() || entry.romanian.isEmpty()) {
            result_.refused.append(MessageOf(TermsText::NoEnglishAndRomanian).arg(where));
            return;
        }
        const QString note = entry.notes.join(u"; "_s);
        for (const QString &english : entry.english)
            for (const QString &romanian : entry.romanian) {
                const TermDirection direction = entry.direction.value_or(TermDirection::Both);
                // A Romanian-English pair has its Romanian term for headword.
                const bool fromRomanian = direction == TermDirection::RomanianEnglish;
                result_.pairs.push_back({{fromRomanian ? romanian : english, fromRomanian ? english : romanian,
                                          direction, note},
                                         where});
            }
    }

    QXmlStreamReader xml_;
    ExchangeRead result_;
    bool rootSeen_ = false;
};

void WriteLanguage(QXmlStreamWriter &xml, const QString &language, const QString &term)
{
    xml.writeStartElement(u"langSet"_s);
    xml.writeAttribute(u"xml:lang"_s, language);
    xml.writeStartElement(u"tig"_s);
    xml.writeTextElement(u"term"_s, term);
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

ExchangeRead ReadTbx(QByteArrayView bytes)
{
    if (!StrictUtf8(bytes)) {
        ExchangeRead read;
        read.failure = MessageOf(TermsText::NotUtf8);
        return read;
    }
    return TbxReader(bytes).read();
}

QByteArray WriteTbx(const TermList &terms)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(u"martif"_s);
    xml.writeAttribute(u"type"_s, u"TBX-Basic"_s);
    xml.writeAttribute(u"xml:lang"_s, u"en"_s);
    xml.writeStartElement(u"martifHeader"_s);
    xml.writeStartElement(u"fileDesc"_s);
    xml.writeStartElement(u"sourceDesc"_s);
    xml.writeTextElement(u"p"_s, u"Quillet: My terms"_s);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement(u"text"_s);
    xml.writeStartElement(u"body"_s);
    int id = 0;
    for (const PersonalTerm &term : terms.terms()) {
        xml.writeStartElement(u"termEntry"_s);
        xml.writeAttribute(u"id"_s, u"t%1"_s.arg(++id));
        if (!term.note.isEmpty())
            xml.writeTextElement(u"note"_s, term.note);
        if (term.direction != TermDirection::Both)
            xml.writeTextElement(u"note"_s, DirectionNote.toString() + TermDirectionCode(term.direction));
        const bool fromRomanian = term.direction == TermDirection::RomanianEnglish;
        WriteLanguage(xml, u"en"_s, fromRomanian ? term.translation : term.headword);
        WriteLanguage(xml, u"ro"_s, fromRomanian ? term.headword : term.translation);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

} // namespace quillet
