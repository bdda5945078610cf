// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/terms/PersonalWords.h"

#include "core/dictionary/RegularFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

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

QString ReadUserFile(const QString &path, QByteArray &text, bool *missing)
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
    case OpenOutcome::Refused: return u"%1 is no file that can be read"_s.arg(path);
    case OpenOutcome::Opened: break;
    }
    if (file.size() > TermBounds::MaxFileBytes)
        return u"%1 is larger than %2 MB"_s.arg(path).arg(TermBounds::MaxFileBytes >> 20);
    text = file.read(TermBounds::MaxFileBytes + 1);
    if (text.size() > TermBounds::MaxFileBytes)
        return u"%1 is larger than %2 MB"_s.arg(path).arg(TermBounds::MaxFileBytes >> 20);
    if (file.error() != QFileDevice::NoError)
        return u"%1 could not be read: %2"_s.arg(path, file.errorString());
    return {};
}

QString WriteUserFile(const QString &path, const QByteArray &text)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return u"the folder of %1 could not be made"_s.arg(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return u"%1 could not be written: %2"_s.arg(path, file.errorString());
    // The text goes out before the commit, which would not notice a failed last flush.
    if (file.write(text) != text.size() || !file.flush()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return u"%1 could not be written: %2"_s.arg(path, why);
    }
    if (!file.commit())
        return u"%1 could not be written: %2"_s.arg(path, file.errorString());
    return {};
}

PersonalWords::PersonalWords(PersonalWordFiles files) : files_(std::move(files)) {}

namespace {

// Reads one list from its file; the damage, or "". `onDisk` takes the bytes read.
template <typename List>
QString LoadList(const QString &path, List &list, QByteArray &onDisk)
{
    if (QString problem = ReadUserFile(path, onDisk); !problem.isEmpty())
        return problem;
    if (QString problem = list.readFileText(onDisk); !problem.isEmpty())
        return u"%1 cannot be read: %2"_s.arg(path, problem);
    return {};
}

} // namespace

namespace {

// What changes when a file is written or put in place of another: its size, its
// modification time and the time its entry changed (a rename).
QString FileStamp(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return {};
    return u"%1 %2 %3"_s.arg(file.size())
        .arg(file.lastModified().toMSecsSinceEpoch())
        .arg(file.metadataChangeTime().toMSecsSinceEpoch());
}

} // namespace

QStringList PersonalWords::load()
{
    termsStamp_ = FileStamp(files_.terms);
    terms_ = {};
    kept_ = {};
    termsDamage_ = LoadList(files_.terms, terms_, termsOnDisk_);
    keptDamage_ = LoadList(files_.kept, kept_, keptOnDisk_);
    ++termsGeneration_;
    QStringList problems;
    for (const QString *damage : {&termsDamage_, &keptDamage_})
        if (!damage->isEmpty())
            problems.append(*damage + u"; it is left as it is"_s);
    return problems;
}

namespace {

// The files are shared with every other Quillet of the user (an import from the command
// line while the window runs): a change is made to the list as the file holds it. When
// the file is no longer what this program last read or wrote, the list is read again and
// the change is not made, since the user chose it from what the list showed before.
template <typename List>
QString ReadAgainIfChanged(List &list, const QString &path, QByteArray &onDisk, const QString &name, bool &reread)
{
    reread = false;
    QByteArray now;
    if (QString problem = ReadUserFile(path, now); !problem.isEmpty())
        return problem;
    if (now == onDisk)
        return {};
    List fresh;
    if (QString problem = fresh.readFileText(now); !problem.isEmpty())
        return u"%1 was changed by another program and cannot be read: %2"_s.arg(path, problem);
    list = std::move(fresh);
    onDisk = std::move(now);
    reread = true;
    return u"%1 was changed by another program meanwhile; it has been read again: make the change once more"_s.arg(name);
}

// Changes a copy of the list and writes it; the list takes the copy only once it is
// written. A list whose file could not be read takes no change.
template <typename List>
QString ChangeList(List &list, const QString &path, QByteArray &onDisk, const QString &damage, const QString &name,
                   const std::function<QString(List &)> &change, bool &reread)
{
    if (!damage.isEmpty())
        return damage + u"; nothing changes in %1 until the file is mended or moved away"_s.arg(name);
    if (QString problem = ReadAgainIfChanged(list, path, onDisk, name, reread); !problem.isEmpty())
        return problem;
    List changed = list;
    if (QString problem = change(changed); !problem.isEmpty())
        return problem;
    QByteArray text = changed.fileText();
    if (QString problem = WriteUserFile(path, text); !problem.isEmpty())
        return problem;
    list = std::move(changed);
    onDisk = std::move(text);
    return {};
}

} // namespace

QString PersonalWords::changeTerms(const std::function<QString(TermList &)> &change)
{
    bool reread = false;
    const QString stamp = FileStamp(files_.terms);
    const QString problem = ChangeList(terms_, files_.terms, termsOnDisk_, termsDamage_, u"My terms"_s, change, reread);
    // The bytes kept are the file's now: read again, or written.
    termsStamp_ = problem.isEmpty() ? FileStamp(files_.terms) : reread ? stamp : termsStamp_;
    if (problem.isEmpty() || reread)
        ++termsGeneration_;
    return problem;
}

bool PersonalWords::readTermsAgainIfChanged()
{
    const QString stamp = FileStamp(files_.terms);
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

QString PersonalWords::changeKept(const std::function<QString(KeptList &)> &change)
{
    bool reread = false;
    return ChangeList(kept_, files_.kept, keptOnDisk_, keptDamage_, u"My list"_s, change, reread);
}

QString PersonalWords::addTerm(const PersonalTerm &term)
{
    return changeTerms([&term](TermList &list) {
        QString why;
        return list.add(term, &why) == AddOutcome::Refused ? why : QString();
    });
}

QString PersonalWords::replaceTerm(qsizetype i, const PersonalTerm &term)
{
    return changeTerms([&](TermList &list) {
        QString why;
        return list.replace(i, term, &why) ? QString() : why;
    });
}

QString PersonalWords::removeTerm(qsizetype i)
{
    return changeTerms([i](TermList &list) {
        list.remove(i);
        return QString();
    });
}

QString PersonalWords::setTerms(const TermList &terms)
{
    return changeTerms([&terms](TermList &list) {
        list = terms;
        return QString();
    });
}

QString PersonalWords::keep(const KeptEntry &entry)
{
    return changeKept([&entry](KeptList &list) {
        QString why;
        return list.add(entry, &why) == AddOutcome::Refused ? why : QString();
    });
}

QString PersonalWords::removeKept(qsizetype i)
{
    return changeKept([i](KeptList &list) {
        list.remove(i);
        return QString();
    });
}

} // namespace quillet
