#include "zonestorage.h"

#include "changebackup.h"
#include "common/errorstackexception.h"
#include "common/paths.h"
#include "confscanner.h"
#include "control/checkconf.h"
#include "control/checkzone.h"
#include "control/compilezone.h"
#include "control/programrun.h"
#include "control/zonejudge.h"
#include "filestore.h"
#include "records/record.h"
#include "recordtally.h"
#include "zonerename.h"
#include "zonestatement.h"
#include "zonetextedit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QUuid>

#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <vector>

namespace {

const QString lineSeparator = QStringLiteral("\n");
const QString includeKeyword = QStringLiteral("include");
const QString viewKeyword = QStringLiteral("view");

QByteArray header(const QString &view)
{
    const QString includer = view.isEmpty() ? QStringLiteral("/etc/bind/named.conf")
                                            : QStringLiteral("the block of view \"%1\"").arg(view);
    return QStringLiteral(
               "// Zones managed by Tamzor, included by %1.\n"
               "// Tamzor adds, changes and removes one zone statement at a time and keeps "
               "everything else\n"
               "// in this file as it is, comments and options included.\n"
               "\n")
        .arg(includer)
        .toUtf8();
}
const QString textFormat = QStringLiteral("text");
const QString zoneFileName = QStringLiteral("%1/%2.db");

QByteArray includeLine(const QString &path = Paths::managedIncludeFile())
{
    return QStringLiteral("include \"%1\";\n").arg(path).toUtf8();
}

// Messages oldest first, as they are pushed.
[[noreturn]] void fail(std::initializer_list<QString> messages)
{
    ErrorStackException error;
    for (const QString &message : messages)
        error.push(message);
    throw error;
}

bool holdsUnwritableCharacter(const QString &value)
{
    for (const QChar c : value) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\') || c.unicode() < 0x20 ||
            c.unicode() == 0x7f)
            return true;
    }
    return false;
}

bool isWord(const QString &value)
{
    static const QRegularExpression word(QStringLiteral("^[A-Za-z0-9-]+$"));
    return word.match(value).hasMatch();
}

// The statement text quotes name and file and nothing more, so a value that would end the quotes
// or the line early must never reach it.
void checkStatementValues(const Zone &zone)
{
    const QString saveZones = ZoneStorage::tr("Can't save zones");
    if (zone.name().isEmpty())
        fail({ZoneStorage::tr("Zone name is empty"), saveZones});
    if (holdsUnwritableCharacter(zone.name()))
        fail({ZoneStorage::tr("Zone name %1 holds a double quote, a backslash or a control "
                              "character")
                  .arg(zone.name()),
              saveZones});
    if (zone.file().isEmpty())
        fail({ZoneStorage::tr("Zone file path of zone %1 is empty").arg(zone.name()), saveZones});
    if (holdsUnwritableCharacter(zone.file()))
        fail({ZoneStorage::tr("Zone file path %1 holds a double quote, a backslash or a control "
                              "character")
                  .arg(zone.file()),
              saveZones});
    if (!isWord(zone.zoneClass()))
        fail({ZoneStorage::tr("Zone class %1 is not a single word").arg(zone.zoneClass()),
              saveZones});
    if (!isWord(zone.type()))
        fail({ZoneStorage::tr("Zone type %1 is not a single word").arg(zone.type()), saveZones});
}

bool isInManagedFile(const Zone &zone)
{
    return zone.conf() == Paths::managedIncludeFile(zone.view());
}

bool isSameFile(const QString &path, const QString &other)
{
    if (path == other)
        return true;
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(other).canonicalFilePath();
}

// BIND expands wildcards in include paths.
QStringList expandIncludePath(const QString &path)
{
    static const QRegularExpression wildcard(QStringLiteral("[*?[]"));
    if (!path.contains(wildcard))
        return {path};
    glob_t found;
    QStringList paths;
    if (glob(QFile::encodeName(path).constData(), 0, nullptr, &found) == 0) {
        for (size_t i = 0; i < found.gl_pathc; ++i)
            paths.append(QFile::decodeName(found.gl_pathv[i]));
    }
    globfree(&found);
    return paths;
}

bool isIncludeStatement(const ConfScanner::Statement &statement)
{
    return statement.head.size() == 2 && !statement.hasBlock &&
           statement.head.first().compare(includeKeyword, Qt::CaseInsensitive) == 0;
}

bool isViewStatement(const ConfScanner::Statement &statement, const QString &view)
{
    return statement.depth == 0 && statement.hasBlock && statement.head.size() >= 2 &&
           statement.head.first().compare(viewKeyword, Qt::CaseInsensitive) == 0 &&
           statement.head.at(1) == view;
}

// Walks a configuration file and the files it includes, wherever the include stands, as the
// server does; `visit` gets each file's path, text and statements and stops the walk by
// returning true. `read` gives a file's bytes as they are to be written.
using FileVisit = std::function<bool(const QString &path, const QByteArray &text,
                                     const QList<ConfScanner::Statement> *statements)>;
bool walkConfiguration(const QString &path,
                       const std::function<bool(const QString &, QByteArray *)> &read,
                       const FileVisit &visit, QSet<QString> *visited)
{
    QByteArray text;
    const QString key = QFileInfo(path).absoluteFilePath();
    if (visited->contains(key) || !read(path, &text))
        return false;
    visited->insert(key);
    QList<ConfScanner::Statement> statements;
    const bool scanned = ConfScanner::scan(text, &statements);
    if (visit(path, text, scanned ? &statements : nullptr))
        return true;
    for (const ConfScanner::Statement &statement : qAsConst(statements)) {
        if (!isIncludeStatement(statement))
            continue;
        for (const QString &included : expandIncludePath(statement.head.at(1))) {
            if (walkConfiguration(included, read, visit, visited))
                return true;
        }
    }
    return false;
}

// Whether the configuration includes the managed file anywhere.
bool includesFile(const std::function<bool(const QString &, QByteArray *)> &read,
                  const QString &managed)
{
    QSet<QString> visited;
    return walkConfiguration(
        Paths::serverConfiguration(), read,
        [&](const QString &, const QByteArray &text,
            const QList<ConfScanner::Statement> *statements) {
            // A text that does not scan is searched as plain text: a second include of the
            // managed file would make the server refuse the whole configuration.
            if (!statements)
                return text.contains(includeLine(managed).trimmed());
            for (const ConfScanner::Statement &statement : *statements) {
                if (!isIncludeStatement(statement))
                    continue;
                const QStringList paths = expandIncludePath(statement.head.at(1));
                if (std::any_of(paths.cbegin(), paths.cend(),
                                [&](const QString &path) { return isSameFile(path, managed); }))
                    return true;
            }
            return false;
        },
        &visited);
}

// The text with an include of the managed file as the last statement of the view's block.
QByteArray withIncludeInView(const QByteArray &text, const ConfScanner::Statement &view,
                             const QString &managed)
{
    const int brace = text.lastIndexOf('}', view.end - 1);
    const int lineStart = text.lastIndexOf('\n', brace - 1) + 1;
    const bool braceOpensLine = text.mid(lineStart, brace - lineStart).trimmed().isEmpty();
    const int at = braceOpensLine ? lineStart : brace;
    const QByteArray line = '\t' + includeLine(managed);
    return text.left(at) + (braceOpensLine ? line : '\n' + line) + text.mid(at);
}

// Line by line straight into UTF-8: a big zone's text is never held a second time in UTF-16.
QByteArray zoneFileBytes(const Zone &zone)
{
    const QByteArray separator = lineSeparator.toUtf8();
    const QVector<PRecord> records = zone.records();
    if (records.isEmpty())
        return separator;
    QByteArray bytes;
    for (const PRecord &record : records)
        bytes += record->toString().toUtf8() + separator;
    return bytes;
}

bool sameFile(const Zone &zone, const Zone &other)
{
    const QString canonical = QFileInfo(zone.filePath()).canonicalFilePath();
    return zone.filePath() == other.filePath() ||
           (!canonical.isEmpty() && canonical == QFileInfo(other.filePath()).canonicalFilePath());
}

bool isInZoneDirectory(const Zone &zone)
{
    return QFileInfo(zone.filePath()).absolutePath() == Paths::zoneDirectory();
}

// The files Tamzor named: those it made, and those named writes for the secondaries it added.
bool isApplicationFile(const Zone &zone)
{
    return isInZoneDirectory(zone) ||
           QFileInfo(zone.filePath()).absolutePath() == Paths::secondaryZoneDirectory();
}

// The server must be able to read the zone files in Tamzor's folder, whatever the umask. It runs
// as a user of its own and must write what it transfers into the secondaries' folder as into its
// working directory, whose owner, group and mode that folder takes.
bool makeDirectory(const QString &directory)
{
    if (QFileInfo(directory).isDir())
        return true;
    if (!QDir().mkpath(directory))
        return false;
    const QByteArray path = QFile::encodeName(directory);
    struct stat status;
    if (directory != Paths::secondaryZoneDirectory())
        return stat(path.constData(), &status) == 0 &&
               chmod(path.constData(), (status.st_mode & 07777) | 0755) == 0;
    const QByteArray parent = QFile::encodeName(QFileInfo(directory).path());
    return stat(parent.constData(), &status) == 0 &&
           chown(path.constData(), status.st_uid, status.st_gid) == 0 &&
           chmod(path.constData(), status.st_mode & 07777) == 0;
}

// The checker names the scratch file and its lines, which the user never sees.
QString reportOnZone(QString report, const QString &scratchFile, const QString &zoneName)
{
    const QRegularExpression scratchPath(QRegularExpression::escape(scratchFile) +
                                         QStringLiteral("(:[0-9]+)?"));
    return report.replace(scratchPath, zoneName).trimmed();
}

// The checker's words name the checked file as the zone, which is what the user knows.
void refuseUnlessAccepted(const CheckResult &result, const Zone &zone, const QString &fileName)
{
    if (!result.completed)
        fail({ZoneStorage::tr("Can't check zone %1: %2").arg(zone.name(), result.report),
              ZoneStorage::tr("Can't save zone records")});
    if (!result.ok)
        fail({ZoneStorage::tr("Zone contains errors: %1")
                  .arg(reportOnZone(result.report, fileName, zone.name()))});
}

// BIND must accept the text and read from it exactly the zone's records. `meanwhile` runs while the
// compiler loads it.
void judgeText(ZoneJudge &judge, const Zone &zone, const QByteArray &text,
               const std::function<void()> &meanwhile)
{
    const QString saveRecords = ZoneStorage::tr("Can't save zone records");
    RecordTally tally(zone.records());
    const CheckResult result =
        judge.judge(text, meanwhile, [&tally](const QString &line) { tally.take(line); });
    refuseUnlessAccepted(result, zone, ProgramRun::inputPath());
    const QStringList differences = tally.differences();
    if (!differences.isEmpty())
        fail({ZoneStorage::tr("BIND reads the changed text of file %1 otherwise than intended, so "
                              "it is left as it was:\n%2")
                  .arg(zone.filePath(), differences.mid(0, 10).join(QLatin1Char('\n'))),
              saveRecords});
}

// Replaces the zone's file once `judge` accepts the new bytes. The judge's refusal says all; a file
// that cannot be written is one of the zone's records.
void replaceZoneFile(const Zone &zone, const QByteArray &bytes, const std::function<void()> &judge)
{
    bool judging = false;
    try {
        FileStore::replaceJudged(zone.filePath(), bytes, [&] {
            judging = true;
            judge();
            judging = false;
        });
    } catch (ErrorStackException &error) {
        if (!judging)
            error.push(ZoneStorage::tr("Can't save zone records"));
        throw;
    }
}

// The same for text that is written later, with the other files of a change. That the file was
// not changed behind Tamzor's back is made sure while the compiler loads the text.
void judgeChangedText(const Zone &zone, const QByteArray &bytes)
{
    ZoneJudge judge(zone.name(), zone.directory(), zone.checkNames());
    judgeText(judge, zone, bytes, [&] { FileStore::refuseChanged(zone.filePath()); });
}

// The text with the statement cut out; a statement that stood alone on its lines takes them along.
QByteArray withoutStatement(const ZoneStatement &statement, const QByteArray &text)
{
    const QPair<int, int> cut = ZoneStatement::wholeLines(text, statement.begin(), statement.end());
    return text.left(cut.first) + text.mid(cut.second);
}

QByteArray withStatement(QByteArray text, const QByteArray &statement, const QString &view)
{
    if (text.isEmpty())
        text = header(view);
    if (!text.endsWith('\n'))
        text.append('\n');
    return text + statement + (statement.endsWith('\n') ? "\n" : "\n\n");
}

// Configuration files changed together: each statement change is planned on the files' bytes,
// then all are written, the server's configuration is made to include the managed file, and
// named-checkconf judges the result. A refused or failed step puts every file back, so that the
// server never sees a zone declared twice or not at all.
class ConfigurationEdit
{
public:
    QByteArray current(const QString &path)
    {
        for (const Planned &file : m_files) {
            if (file.path == path)
                return file.bytes;
        }
        QByteArray bytes;
        if (FileStore::read(path, &bytes) || (isManagedFile(path) && !QFileInfo::exists(path)))
            return bytes;
        throw ErrorStackException(ZoneStorage::tr("Can't open file %1").arg(path));
    }

    // Puts the statement into the managed file of the zone's view, which the configuration is
    // made to include on commit.
    void addToManagedFile(const QString &view, const QByteArray &statement)
    {
        const QString managed = Paths::managedIncludeFile(view);
        m_managed.insert(managed, view);
        set(managed, withStatement(current(managed), statement, view));
    }

    bool isPlanned(const QString &path) const
    {
        return std::any_of(m_files.cbegin(), m_files.cend(),
                           [&](const Planned &file) { return file.path == path; });
    }

    void set(const QString &path, const QByteArray &bytes)
    {
        for (Planned &file : m_files) {
            if (file.path == path) {
                file.bytes = bytes;
                return;
            }
        }
        m_files.push_back({path, bytes});
    }

    void commit()
    {
        // A managed file that this change writes must be included; one that it leaves alone is
        // left as the administrator has it, included or not (with views, a top-level include
        // would make the server refuse everything).
        if (isPlanned(Paths::managedIncludeFile()))
            include(Paths::managedIncludeFile(), QString());
        for (auto it = m_managed.cbegin(); it != m_managed.cend(); ++it) {
            if (!it.value().isEmpty())
                include(it.key(), it.value());
        }
        std::vector<Previous> written;
        try {
            for (const Planned &file : m_files) {
                Previous previous{file.path, {}, false};
                previous.existed = FileStore::read(file.path, &previous.bytes);
                FileStore::replace(file.path, file.bytes);
                written.push_back(previous);
            }
            check();
        } catch (ErrorStackException &error) {
            for (auto it = written.rbegin(); it != written.rend(); ++it)
                restore(*it, &error);
            throw;
        }
    }

private:
    struct Planned
    {
        QString path;
        QByteArray bytes;
    };

    bool isManagedFile(const QString &path) const
    {
        return path == Paths::managedIncludeFile() || m_managed.contains(path);
    }

    bool read(const QString &path, QByteArray *bytes)
    {
        try {
            *bytes = current(path);
            return true;
        } catch (const ErrorStackException &) {
            return false;
        }
    }

    // Includes the managed file at the end of named.conf, or of the view's block, unless the
    // configuration includes it already.
    void include(const QString &managed, const QString &view)
    {
        const auto reader = [this](const QString &path, QByteArray *bytes) {
            return read(path, bytes);
        };
        if (includesFile(reader, managed))
            return;
        if (view.isEmpty()) {
            const QByteArray server = current(Paths::serverConfiguration());
            set(Paths::serverConfiguration(),
                server + (server.isEmpty() || server.endsWith('\n') ? "" : "\n") +
                    includeLine(managed));
            return;
        }
        QSet<QString> visited;
        const bool found = walkConfiguration(
            Paths::serverConfiguration(), reader,
            [&](const QString &path, const QByteArray &text,
                const QList<ConfScanner::Statement> *statements) {
                if (!statements)
                    return false;
                for (const ConfScanner::Statement &statement : *statements) {
                    if (isViewStatement(statement, view)) {
                        set(path, withIncludeInView(text, statement, managed));
                        return true;
                    }
                }
                return false;
            },
            &visited);
        if (!found)
            fail({ZoneStorage::tr("Can't find view %1 in the configuration").arg(view),
                  ZoneStorage::tr("Can't save zones")});
    }
    struct Previous
    {
        QString path;
        QByteArray bytes;
        bool existed;
    };

    // A statement the server would refuse (a slave zone without its primaries, say) must not stay
    // on disk: the next reload would take the whole server down.
    static void check()
    {
        const CheckResult check = CheckConf().checkConf();
        if (check.ok)
            return;
        fail({check.completed
                  ? ZoneStorage::tr("named-checkconf refuses the configuration: %1")
                        .arg(check.report)
                  : ZoneStorage::tr("Can't check the configuration: %1").arg(check.report),
              ZoneStorage::tr("Can't save zones")});
    }

    static void restore(const Previous &previous, ErrorStackException *error)
    {
        try {
            if (previous.existed)
                FileStore::replace(previous.path, previous.bytes);
            else
                FileStore::remove(previous.path);
        } catch (const ErrorStackException &) {
            error->push(ZoneStorage::tr("Can't restore file %1").arg(previous.path));
        }
    }

    std::vector<Planned> m_files;
    // The managed files planned here, by path, with their views.
    QMap<QString, QString> m_managed;
};

} // namespace

bool ZoneStorage::isManaged(const PZone &zone)
{
    return isInManagedFile(*zone);
}

void ZoneStorage::addZone(const PZone &zone, const QList<PZone> &)
{
    checkStatementValues(*zone);
    // The zone file comes first: a statement must not name a file that the checker refused. A
    // secondary's file is named's to write once it has transferred the zone.
    const bool secondary = zone->isSecondary();
    const QString directory = secondary ? Paths::secondaryZoneDirectory() : Paths::zoneDirectory();
    QByteArray previousFile;
    const bool fileExisted = FileStore::read(zone->filePath(), &previousFile);
    const bool directoryExisted = QFileInfo(directory).isDir();
    try {
        if (!secondary)
            saveZoneRecords(zone);
        else if (!makeDirectory(directory))
            fail({tr("Can't create directory %1").arg(directory), tr("Can't save zones")});
        ConfigurationEdit edit;
        edit.addToManagedFile(zone->view(), zone->statement().toUtf8());
        edit.commit();
        zone->setConf(Paths::managedIncludeFile(zone->view()));
    } catch (const ErrorStackException &) {
        try {
            if (fileExisted)
                FileStore::replace(zone->filePath(), previousFile);
            else if (!secondary)
                FileStore::remove(zone->filePath());
        } catch (const ErrorStackException &) {
        }
        if (!directoryExisted)
            QDir().rmdir(directory);
        throw;
    }
}

namespace {
// Plans the statement's change: rewritten in place in the managed file, or moved into it.
void planStatement(ConfigurationEdit &edit, const Zone &zone, const QString &declaredName)
{
    checkStatementValues(zone);
    const QString from = zone.conf();
    const QByteArray text = edit.current(from);
    const ZoneStatement statement(text, from, declaredName.isEmpty() ? zone.name() : declaredName,
                                  zone.zoneClass(), zone.view());
    const QByteArray rewritten = statement.rewritten(zone);
    if (isInManagedFile(zone)) {
        edit.set(from, text.left(statement.begin()) + rewritten + text.mid(statement.end()));
    } else {
        edit.set(from, withoutStatement(statement, text));
        edit.addToManagedFile(zone.view(), rewritten);
    }
}

// named writes a secondary's file in raw format, and reads a primary's as text unless told
// otherwise: a secondary made primary gets its records written as text.
void planTextForPrimary(ConfigurationEdit &edit, const Zone &zone)
{
    if (zone.isSecondary() || !zone.fileFormat().isEmpty() || zone.file().isEmpty() ||
        fileFormatOf(zone) == textFormat)
        return;
    const QByteArray text = zoneFileBytes(zone);
    judgeChangedText(zone, text);
    edit.set(zone.filePath(), text);
}
} // namespace

void ZoneStorage::saveZone(const PZone &zone, const QList<PZone> &, const QString &declaredName)
{
    ConfigurationEdit edit;
    planStatement(edit, *zone, declaredName);
    planTextForPrimary(edit, *zone);
    edit.commit();
    zone->setConf(Paths::managedIncludeFile(zone->view()));
}

void ZoneStorage::renameZone(const PZone &zone, const QString &previousName,
                             const QList<PZone> &zones)
{
    ConfigurationEdit edit;
    planStatement(edit, *zone, previousName);
    // A secondary's file is named's copy of the primary's zone, which it transfers anew; a file
    // named wrote in raw format holds no administrator's text to keep.
    if (!zone->isSecondary() && fileFormatOf(*zone) != textFormat) {
        refuseSharedChange(zone, zones, previousName);
        if (!zone->fileFormat().isEmpty())
            fail({tr("Zone %1 is kept in %2 format, which Tamzor does not write")
                      .arg(previousName, zone->fileFormat()),
                  tr("Can't save zones")});
        planTextForPrimary(edit, *zone);
    } else if (!zone->isSecondary()) {
        QByteArray text;
        try {
            text = FileStore::read(zone->filePath());
        } catch (ErrorStackException &error) {
            error.push(tr("Can't save zone records"));
            throw;
        }
        const QByteArray renamed =
            ZoneRename(previousName, zone->name()).text(text, zone->directory());
        if (renamed != text)
            refuseSharedChange(zone, zones, previousName);
        judgeChangedText(*zone, renamed);
        if (renamed != text)
            edit.set(zone->filePath(), renamed);
    }
    edit.commit();
    zone->setConf(Paths::managedIncludeFile(zone->view()));
}

void ZoneStorage::removeZone(const PZone &zone, const QList<PZone> &)
{
    ConfigurationEdit edit;
    const QString from = zone->conf();
    const QByteArray text = edit.current(from);
    edit.set(from,
             withoutStatement(
                 ZoneStatement(text, from, zone->name(), zone->zoneClass(), zone->view()), text));
    edit.commit();
}

void ZoneStorage::removeZoneFile(const PZone &zone)
{
    // The statement is gone and the server no longer needs the file; one left behind is no loss.
    for (const QString &path : {zone->filePath(), zone->journalPath()}) {
        try {
            if (QFileInfo::exists(path))
                FileStore::remove(path);
        } catch (const ErrorStackException &) {
        }
    }
}

void ZoneStorage::refuseSharedChange(const PZone &zone, const QList<PZone> &zones,
                                     const QString &shownName)
{
    const QList<PZone> sharing = zonesSharingFile(zone, zones);
    if (sharing.isEmpty())
        return;
    QStringList names;
    for (const PZone &other : sharing)
        names.append(other->view().isEmpty()
                         ? other->name()
                         : tr("%1 in view %2").arg(other->name(), other->view()));
    fail({tr("Zone file %1 is also the file of %2, whose records would change too. Give zone %3 "
             "a file of its own first.")
              .arg(zone->filePath(), names.join(QStringLiteral(", ")),
                   shownName.isEmpty() ? zone->name() : shownName)});
}

QList<PZone> ZoneStorage::zonesSharingFile(const PZone &zone, const QList<PZone> &zones)
{
    QList<PZone> sharing;
    for (const PZone &other : zones) {
        if (other != zone && sameFile(*zone, *other))
            sharing.append(other);
    }
    return sharing;
}

bool ZoneStorage::removalDeletesFile(const PZone &zone, const QList<PZone> &zones)
{
    return isApplicationFile(*zone) && zonesSharingFile(zone, zones).isEmpty();
}

void ZoneStorage::giveOwnFile(const PZone &zone, const QList<PZone> &zones)
{
    const QString declaredFile = zone->file();
    const QString copy = zoneFileName.arg(Paths::zoneDirectory(),
                                          QUuid::createUuid().toString(QUuid::WithoutBraces));
    const QByteArray bytes = FileStore::read(zone->filePath());
    const bool directoryExisted = QFileInfo(Paths::zoneDirectory()).isDir();
    if (!makeDirectory(Paths::zoneDirectory()))
        fail({tr("Can't create directory %1").arg(Paths::zoneDirectory())});
    try {
        FileStore::replace(copy, bytes);
        zone->setFile(copy);
        saveZone(zone, zones);
    } catch (const ErrorStackException &) {
        zone->setFile(declaredFile);
        QFile::remove(copy);
        if (!directoryExisted)
            QDir().rmdir(Paths::zoneDirectory());
        throw;
    }
}

void ZoneStorage::saveZoneRecords(const PZone &zone)
{
    const QString saveRecords = tr("Can't save zone records");
    if (isInZoneDirectory(*zone) && !makeDirectory(Paths::zoneDirectory()))
        fail({tr("Can't create directory %1").arg(Paths::zoneDirectory()), saveRecords});
    const QByteArray text = zoneFileBytes(*zone);
    replaceZoneFile(*zone, text, [&] {
        refuseUnlessAccepted(CheckZone().checkText(zone->name(), text, zone->checkNames()), *zone,
                             ProgramRun::inputPath());
    });
}

void ZoneStorage::saveZoneRecords(const PZone &zone, const QVector<PRecord> &previousRecords)
{
    // Records read with a journal's updates applied are not all in the file's text: the file is
    // written whole, as named writes a dynamic zone's file itself.
    if (!QFileInfo::exists(zone->filePath()) || QFileInfo::exists(zone->journalPath())) {
        saveZoneRecords(zone);
        return;
    }
    // BIND gets ready while the text is worked out.
    ZoneJudge judge(zone->name(), zone->directory(), zone->checkNames());
    QByteArray changed;
    try {
        changed = ZoneTextEdit::apply(FileStore::read(zone->filePath()), *zone, previousRecords);
    } catch (ErrorStackException &error) {
        error.push(tr("Can't save zone records"));
        throw;
    }
    replaceZoneFile(*zone, changed, [&] { judgeText(judge, *zone, changed, [] {}); });
}
