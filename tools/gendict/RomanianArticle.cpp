// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/RomanianArticle.h"

using namespace Qt::StringLiterals;

namespace quillet::gendict {

namespace {

// The text between open and close from position *at on, moving *at past close.
QStringView between(QStringView html, QStringView open, QStringView close, qsizetype *at)
{
    const qsizetype start = html.indexOf(open, *at);
    if (start < 0)
        return {};
    const qsizetype end = html.indexOf(close, start + open.size());
    if (end < 0)
        return {};
    *at = end + close.size();
    return html.sliced(start + open.size(), end - start - open.size());
}

QString plainText(QStringView html)
{
    QString text;
    bool inTag = false;
    for (const QChar c : html) {
        if (c == u'<')
            inTag = true;
        else if (c == u'>' && inTag)
            inTag = false;
        else if (!inTag)
            text += c;
    }
    text.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&quot;"_s, u"\""_s);
    text.replace(u"&#39;"_s, u"'"_s).replace(u"&amp;"_s, u"&"_s);
    return text.simplified();
}

} // namespace

QList<ArticleSection> RomanianArticle::parse(QStringView html)
{
    QList<ArticleSection> sections;
    qsizetype at = 0;
    for (;;) {
        const QStringView pos = between(html, u"<i>", u"</i>", &at);
        if (pos.isNull())
            break;
        qsizetype listAt = at;
        const QStringView list = between(html, u"<ol>", u"</ol>", &listAt);
        const qsizetype nextPos = html.indexOf(u"<i>", at);
        ArticleSection section{plainText(pos), {}};
        if (!list.isNull() && (nextPos < 0 || listAt <= nextPos)) {
            at = listAt;
            qsizetype itemAt = 0;
            for (QStringView item; !(item = between(list, u"<li>", u"</li>", &itemAt)).isNull();) {
                const QString gloss = plainText(item);
                if (!gloss.isEmpty())
                    section.glosses.append(gloss);
            }
        }
        sections.append(section);
    }
    return sections;
}

} // namespace quillet::gendict
