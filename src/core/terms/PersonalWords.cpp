// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/PersonalWords.h"

#include "core/dictionary/RegularFile.h"
#include "core/terms/TermsTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace quillet {

PersonalWordFiles PersonalWordFiles::InDataFolder()
{
    return In(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

PersonalWordFiles PersonalWordFiles::In(const QString &folder)
{
    const QDir dir(folder);
    return {dir.filePath(TermsFileName), dir.filePath(KeptFileName)};
}

BilingualText ReadUserFile(const QString &path, QByteArray &text, bool *missing)
{
    text.clear();
    if (missing != nullptr)
        *missing = false;
    QFile file;
    switch (OpenRegularFile(file, path)) {
    case OpenOutcome::Missing:
        if (missing != nullptr)
            *missing = true;
        return {};
    case OpenOutcome::Refused: return MessageOf(TermsText::NotAFile).arg(path);
    case OpenOutcome::Opened: break;
    }
    const BilingualText tooLarge = MessageOf(TermsText::FileTooLarge).arg(path).arg(TermBounds::MaxFileBytes >> 20);
    if (file.size() > TermBounds::MaxFileBytes)
        return tooLarge;
    text = file.read(TermBounds::MaxFileBytes + 1);
    if (text.size() > TermBounds::MaxFileBytes)
        return tooLarge;
    if (file.error() != QFileDevice::NoError)
        return MessageOf(TermsText::FileNotRead).arg(path).arg(file.errorString());
    return {};
}

BilingualText WriteUserFile(const QString &path, const QByteArray &text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return MessageOf(TermsText::FolderNotMade).arg(path);
    const auto notWritten = [&path](const QString &why) { return MessageOf(TermsText::FileNotWritten).arg(path).arg(why); };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return notWritten(file.errorString());
    // The text goes out before the commit, which would not notice a failed last flush.
    if (file.write(text) != text.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return notWritten(why);
    }
    if (!file.commit())
        return notWritten(file.errorString());
    return {};
}

PersonalWords::PersonalWords(PersonalWordFiles files) : files_(std::move(files)) {}

namespace {

// Reads one list from its file; the damage, or "". `onDisk` takes the bytes read.
template <typename List>
BilingualText LoadList(const QString &path, List &list, QByteArray &onDisk)
{
    if (BilingualText problem = ReadUserFile(path, onDisk); !problem.isEmpty())
        return problem;
    if (BilingualText problem = list.readFileText(onDisk); !problem.isEmpty())
        return MessageOf(TermsText::FileDamaged).arg(path).arg(problem);
    return {};
}

} // namespace

// What changes when a file is written or put in place of another: its size, its
// modification time and the time its entry changed (a rename).
PersonalWords::FileStamp PersonalWords::StampOf(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    constexpr qint64 NsPerSecond = 1'000'000'000;
    return {qint64(status.st_size), qint64(status.st_mtim.tv_sec) * NsPerSecond + status.st_mtim.tv_nsec,
            qint64(status.st_ctim.tv_sec) * NsPerSecond + status.st_ctim.tv_nsec};
}

QList<BilingualText> PersonalWords::load()
{
    termsStamp_ = StampOf(files_.terms);
    terms_ = {};
    kept_ = {};
    termsDamage_ = LoadList(files_.terms, terms_, termsOnDisk_);
    keptDamage_ = LoadList(files_.kept, kept_, keptOnDisk_);
    ++termsGeneration_;
    QList<BilingualText> problems;
    for (const BilingualText *damage : {&termsDamage_, &keptDamage_})
        if (!damage->isEmpty())
            problems.append(MessageOf(TermsText::LeftAsItIs).arg(*damage));
    return problems;
}

namespace {

// The files are shared with every other Quillet of the user (an import from the command
// line while the window runs): a change is made to the list as the file holds it. When
// the file is no longer what this program last read or wrote, the list is read again and
// the change is not made, since the user chose it from what the list showed before.
// What a change of one list says when it cannot be made.
struct ListMessages {
    TermsText frozen;          // its file could not be read at start
    TermsText changedMeanwhile; // another program changed it
};

template <typename List>
BilingualText ReadAgainIfChanged(List &list, const QString &path, QByteArray &onDisk, const ListMessages &messages,
                                 bool &reread)
{
    reread = false;
    QByteArray now;
    if (BilingualText problem = ReadUserFile(path, now); !problem.isEmpty())
        return problem;
    if (now == onDisk)
        return {};
    List fresh;
    if (BilingualText problem = fresh.readFileText(now); !problem.isEmpty())
        return MessageOf(TermsText::ChangedUnreadable).arg(path).arg(problem);
    list = std::move(fresh);
    onDisk = std::move(now);
    reread = true;
    return MessageOf(messages.changedMeanwhile);
}

// Changes a copy of the list and writes it; the list takes the copy only once it is
// written. A list whose file could not be read takes no change.
template <typename List>
BilingualText ChangeList(List &list, const QString &path, QByteArray &onDisk, const BilingualText &damage,
                         const ListMessages &messages, const std::function<BilingualText(List &)> &change, bool &reread)
{
    if (!damage.isEmpty())
        return MessageOf(messages.frozen).arg(damage);
    if (BilingualText problem = ReadAgainIfChanged(list, path, onDisk, messages, reread); !problem.isEmpty())
        return problem;
    List changed = list;
    if (BilingualText problem = change(changed); !problem.isEmpty())
        return problem;
    QByteArray text = changed.fileText();
    if (BilingualText problem = WriteUserFile(path, text); !problem.isEmpty())
        return problem;
    list = std::move(changed);
    onDisk = std::move(text);
    return {};
}

} // namespace

BilingualText PersonalWords::changeTerms(const std::function<BilingualText(TermList &)> &change)
{
    bool reread = false;
    const FileStamp stamp = StampOf(files_.terms);
    BilingualText problem = ChangeList(terms_, files_.terms, termsOnDisk_, termsDamage_,
                                       {TermsText::TermsFrozen, TermsText::TermsChangedMeanwhile}, change, reread);
    // The bytes kept are the file's now: read again, or written.
    termsStamp_ = problem.isEmpty() ? StampOf(files_.terms) : reread ? stamp : termsStamp_;
    if (problem.isEmpty() || reread)
        ++termsGeneration_;
    return problem;
}

bool PersonalWords::readTermsAgainIfChanged()
{
    const FileStamp stamp = StampOf(files_.terms);
    if (!termsDamage_.isEmpty() || stamp == termsStamp_)
        return false;
    QByteArray now;
    TermList fresh;
    if (!ReadUserFile(files_.terms, now).isEmpty() || !fresh.readFileText(now).isEmpty())
        return false;
    termsStamp_ = stamp;
    if (now == termsOnDisk_)
        return false;
    terms_ = std::move(fresh);
    termsOnDisk_ = std::move(now);
    ++termsGeneration_;
    return true;
}

BilingualText PersonalWords::changeKept(const std::function<BilingualText(KeptList &)> &change)
{
    bool reread = false;
    return ChangeList(kept_, files_.kept, keptOnDisk_, keptDamage_,
                      {TermsText::KeptFrozen, TermsText::KeptChangedMeanwhile}, change, reread);
}

BilingualText PersonalWords::addTerm(const PersonalTerm &term)
{
    return changeTerms([&term](TermList &list) {
        BilingualText why;
        list.add(term, &why);
        return why;
    });
}

BilingualText PersonalWords::replaceTerm(qsizetype i, const PersonalTerm &term)
{
    return changeTerms([&](TermList &list) {
        BilingualText why;
        list.replace(i, term, &why);
        return why;
    });
}

BilingualText PersonalWords::removeTerm(qsizetype i)
{
    return changeTerms([i](TermList &list) {
        list.remove(i);
        return BilingualText();
    });
}

BilingualText PersonalWords::setTerms(const TermList &terms)
{
    return changeTerms([&terms](TermList &list) {
        list = terms;
        return BilingualText();
    });
}

BilingualText PersonalWords::keep(const KeptEntry &entry)
{
    return changeKept([&entry](KeptList &list) {
        BilingualText why;
        list.add(entry, &why);
        return why;
    });
}

BilingualText PersonalWords::removeKept(qsizetype i)
{
    return changeKept([i](KeptList &list) {
        list.remove(i);
        return BilingualText();
    });
}

} // namespace quillet
