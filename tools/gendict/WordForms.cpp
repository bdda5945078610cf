// SPDX-License-Identifier: GPL-3.0-or-later
#include "gendict/WordForms.h"

#include "gendict/Assembly.h"
#include "gendict/GenError.h"
#include "gendict/HeadwordOrder.h"
#include "gendict/Lemma.h"
#include "gendict/RomanianSpelling.h"
#include "gendict/SourceFile.h"

#include "core/lookup/RomanianMorphology.h"

#include <QDir>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <tuple>
#include <vector>

using namespace Qt::StringLiterals;

namespace quillet::gendict {

const QString WordForms::EnglishFile = u"en-forms.txt"_s;
const QString WordForms::RomanianFile = u"ro-forms.txt"_s;
const QStringList WordForms::ExceptionFiles{u"noun.exc"_s, u"verb.exc"_s, u"adj.exc"_s, u"adv.exc"_s};

const QString WordForms::SameRule = u"the same as its base form, letter case aside"_s;
const QString WordForms::NotAWordRule = u"not a word: markup, or no letter or digit first"_s;
const QString WordForms::ParticleRule = u"a particle before a form"_s;
const QString WordForms::GlossRule = u"English words of a gloss"_s;

namespace {

// English words of the glosses that some of the source's forms carry in front.
const QSet<QString> GlossWords{u"of"_s, u"equivalent"_s, u"singular"_s, u"plural"_s, u"and"_s};

// A word the program takes off the front of a Romanian query before looking it up.
bool IsRomanianParticle(const QString &word)
{
    return std::find(RomanianParticles.begin(), RomanianParticles.end(), QStringView(word)) != RomanianParticles.end();
}

QString FirstWord(const QString &text)
{
    return text.section(u' ', 0, 0);
}

bool LooksLikeAWord(const QString &text)
{
    static const QString markup = u"{}|[]<>`()"_s;
    return text.front().isLetterOrNumber()
        && std::none_of(text.begin(), text.end(), [](QChar c) { return markup.contains(c); });
}

bool IsLatinScript(const QString &text)
{
    return std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c.isLetter() && c.script() != QChar::Script_Latin; });
}

// The rule that leaves the pair out, if any; the pair's two sides are clean by then. The
// rules the dictionary's entries share are counted under their names.
const QString *RuleLeavingOut(const QString &form, const QString &base, Language language, const StopList &stopList)
{
    if (form.compare(base, Qt::CaseInsensitive) == 0)
        return &WordForms::SameRule;
    if (!LooksLikeAWord(form) || !LooksLikeAWord(base))
        return &WordForms::NotAWordRule;
    if (language == Language::Romanian) {
        if (!IsLatinScript(form) || !IsLatinScript(base))
            return &Assembly::ScriptRule;
        if (form.contains(u' ') && IsRomanianParticle(FirstWord(form)))
            return &WordForms::ParticleRule;
        if (form.contains(u' ') && GlossWords.contains(FirstWord(form)))
            return &WordForms::GlossRule;
    }
    if (stopList.holdsAWordOf(form, language) || stopList.holdsAWordOf(base, language))
        return &Assembly::StopListRule;
    return nullptr;
}

void Offer(QList<FormPair> &pairs, QStringView rawForm, QStringView rawBase, Language language,
           const StopList &stopList, Tally &removed, const RomanianSpelling *spelling = nullptr)
{
    std::optional<QString> form = Lemma::clean(rawForm);
    std::optional<QString> base = Lemma::clean(rawBase);
    if (!form || !base) {
        removed.count(Assembly::UnusableRule);
        return;
    }
    if (spelling) {
        form = spelling->modern(*form);
        base = spelling->modern(*base);
    }
    if (const QString *rule = RuleLeavingOut(*form, *base, language, stopList)) {
        removed.count(*rule);
        return;
    }
    pairs.append({*form, *base});
}

// The dictionary's order of headwords, for base forms and forms alike.
struct Ordered {
    QString primary;
    QString folded;
    QString text;

    explicit Ordered(const QString &word)
        : primary(HeadwordOrder::baseForm(word)), folded(word.toCaseFolded()), text(word)
    {
    }
    bool operator<(const Ordered &other) const
    {
        return std::tie(primary, folded, text) < std::tie(other.primary, other.folded, other.text);
    }
};

} // namespace

QList<FormPair> WordForms::romanian(const StarDictBook &book, const StopList &stopList, const SpellChecker *checker,
                                    Tally &removed)
{
    // Learnt as the dictionary's headwords are, so that a base form is written as its
    // headword is.
    QStringList texts;
    texts.reserve(book.articles.size() + book.forms.size());
    for (const StarDictArticle &article : book.articles)
        texts.append(article.headword);
    for (const StarDictForm &form : book.forms)
        texts.append(form.form);
    RomanianSpelling spelling;
    spelling.learn(texts, checker);
    QList<FormPair> pairs;
    for (const StarDictForm &form : book.forms)
        Offer(pairs, form.form, book.articles[form.article].headword, Language::Romanian, stopList, removed,
              &spelling);
    return pairs;
}

QList<FormPair> WordForms::english(const QStringList &exceptionLines, const StopList &stopList, Tally &removed)
{
    QList<FormPair> pairs;
    for (const QString &line : exceptionLines) {
        const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 1; i < words.size(); ++i)
            Offer(pairs, words[0], words[i], Language::English, stopList, removed);
    }
    return pairs;
}

QByteArray WordForms::encode(const QList<FormPair> &pairs)
{
    std::vector<std::pair<Ordered, Ordered>> ordered; // base, form
    ordered.reserve(std::size_t(pairs.size()));
    for (const FormPair &pair : pairs)
        ordered.emplace_back(Ordered(pair.base), Ordered(pair.form));
    std::sort(ordered.begin(), ordered.end());
    const auto same = [](const auto &a, const auto &b) { return a.first.text == b.first.text && a.second.text == b.second.text; };
    ordered.erase(std::unique(ordered.begin(), ordered.end(), same), ordered.end());

    QByteArray text;
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        const bool newBase = i == 0 || ordered[i].first.text != ordered[i - 1].first.text;
        if (newBase)
            text += (i == 0 ? QByteArray() : "\n"_ba) + ordered[i].first.text.toUtf8();
        text += '\t' + ordered[i].second.text.toUtf8();
    }
    if (!ordered.empty())
        text += '\n';
    return text;
}

FormsSummary WordForms::write(const QString &path, const QList<FormPair> &pairs, const Tally &removed)
{
    const QByteArray text = encode(pairs);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw GenError::inFile(path, u"cannot write: "_s + file.errorString());
    file.write(text);
    if (!file.commit())
        throw GenError::inFile(path, u"cannot write: "_s + file.errorString());
    FormsSummary summary;
    summary.bases = text.count('\n');
    summary.forms = text.count('\t');
    summary.removed = removed;
    return summary;
}

WordForms::Summary WordForms::run(const GeneratorPaths &paths)
{
    const StopList stopList = StopList::read(paths.stopList);
    const QDir sources(paths.sourceDir);
    const QDir wordNet(paths.wordNetDir);
    const QDir out(paths.outDir);
    if (!out.mkpath(u"."_s))
        throw GenError::inFile(paths.outDir, u"cannot create the folder"_s);

    Tally romanianRemoved;
    const StarDictBook book = StarDict::readTarGz(sources.filePath(Generator::RomanianEntriesFile));
    std::optional<Hunspell> checker;
    if (!paths.spellingDir.isEmpty())
        checker.emplace(QDir(paths.spellingDir).filePath(u"ro_RO"_s));
    Summary summary;
    summary.romanian = write(out.filePath(RomanianFile),
                             romanian(book, stopList, checker ? &*checker : nullptr, romanianRemoved),
                             romanianRemoved);

    QStringList exceptionLines;
    for (const QString &name : ExceptionFiles)
        exceptionLines += SourceFile::read(wordNet.filePath(name)).lines();
    Tally englishRemoved;
    summary.english = write(out.filePath(EnglishFile), english(exceptionLines, stopList, englishRemoved),
                            englishRemoved);
    return summary;
}

} // namespace quillet::gendict
