#include "changebackup.h"

#include "common/errorstackexception.h"
#include "common/filestamps.h"
#include "common/paths.h"
#include "common/writeall.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ChangeBackup *ChangeBackup::current = nullptr;

namespace {
const QString listName = QStringLiteral("changes");
const QString folderTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
const QLatin1Char field('\t');
const QStringList actionWords = {QStringLiteral("replaced"), QStringLiteral("deleted"),
                                 QStringLiteral("created")};
constexpr mode_t privateFolder = 0700;
constexpr mode_t privateFile = 0600;

QString copyPath(const QString &folder, const QString &path)
{
    return folder + QFileInfo(path).absoluteFilePath();
}

bool makePrivateFolder(const QString &path)
{
    return QDir().mkpath(path) && chmod(QFile::encodeName(path).constData(), privateFolder) == 0;
}

// Written whole and flushed, readable by root alone.
bool writePrivate(const QString &path, const QByteArray &bytes)
{
    const int handle = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, privateFile);
    if (handle < 0)
        return false;
    const bool written = writeAll(handle, bytes) && fsync(handle) == 0;
    return close(handle) == 0 && written;
}
} // namespace

ChangeBackup::ChangeBackup(const QString &description) : m_description(description)
{
    // A change made inside another one belongs to it.
    if (!current)
        current = this;
}

ChangeBackup::~ChangeBackup()
{
    if (current != this)
        return;
    current = nullptr;
    if (!m_committed && !m_folder.isEmpty())
        QDir(m_folder).removeRecursively();
}

void ChangeBackup::open()
{
    const QString base = Paths::backupDirectory() + QLatin1Char('/') +
                         QDateTime::currentDateTime().toString(folderTimeFormat);
    QString folder = base;
    for (int suffix = 2; QFileInfo::exists(folder); ++suffix)
        folder = base + QLatin1Char('.') + QString::number(suffix);
    if (!makePrivateFolder(Paths::backupDirectory()) || !makePrivateFolder(folder))
        throw ErrorStackException(
            tr("Can't create the backup folder %1; nothing was changed").arg(folder));
    m_folder = folder;
}

void ChangeBackup::keep(const QString &path)
{
    if (!current)
        return;
    for (const Entry &entry : qAsConst(current->m_entries)) {
        if (entry.path == path)
            return;
    }
    if (current->m_folder.isEmpty())
        current->open();
    Entry entry;
    entry.path = path;
    QFile file(path);
    if (!file.exists()) {
        entry.action = Created;
    } else {
        const QString copy = copyPath(current->m_folder, path);
        bool read = file.open(QIODevice::ReadOnly);
        const QByteArray bytes = read ? file.readAll() : QByteArray();
        read = read && file.error() == QFileDevice::NoError;
        if (!read || !makePrivateFolder(QFileInfo(copy).path()) || !writePrivate(copy, bytes))
            throw ErrorStackException(
                tr("Can't keep a copy of %1 in %2; nothing was changed").arg(path, copy));
    }
    current->m_entries.append(entry);
}

void ChangeBackup::commit()
{
    if (current != this || m_folder.isEmpty())
        return;
    for (Entry &entry : m_entries) {
        if (!QFileInfo::exists(entry.path) && entry.action == Replaced)
            entry.action = Deleted;
        entry.hashAfter = FileStamps::stampedHash(entry.path).toHex();
    }
    writeList();
    m_committed = true;
    pruneOld();
}

void ChangeBackup::writeList() const
{
    QByteArray list = m_description.toUtf8() + '\n';
    for (const Entry &entry : m_entries)
        list += actionWords.at(entry.action).toUtf8() + '\t' + entry.hashAfter + '\t' +
                QFile::encodeName(entry.path) + '\n';
    // Without its list a folder is no change to undo; the copies stay for whoever looks.
    writePrivate(m_folder + QLatin1Char('/') + listName, list);
}

void ChangeBackup::pruneOld() const
{
    const QStringList kept = folders();
    for (int index = 0; index < kept.size() - keptChanges; ++index)
        discard(kept.at(index));
}

QStringList ChangeBackup::folders()
{
    const QDir top(Paths::backupDirectory());
    QStringList found;
    for (const QString &name : top.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (QFileInfo::exists(top.filePath(name) + QLatin1Char('/') + listName))
            found.append(top.filePath(name));
    }
    return found;
}

QList<ChangeBackup::Entry> ChangeBackup::entries(const QString &folder)
{
    QFile list(folder + QLatin1Char('/') + listName);
    QList<Entry> found;
    if (!list.open(QIODevice::ReadOnly))
        return found;
    list.readLine();
    while (!list.atEnd()) {
        const QList<QByteArray> fields = list.readLine().chopped(1).split('\t');
        if (fields.size() != 3)
            continue;
        Entry entry;
        entry.action = Action(std::max(0, actionWords.indexOf(QString::fromUtf8(fields.at(0)))));
        entry.hashAfter = fields.at(1);
        entry.path = QFile::decodeName(fields.at(2));
        found.append(entry);
    }
    return found;
}

QString ChangeBackup::description(const QString &folder)
{
    QFile list(folder + QLatin1Char('/') + listName);
    return list.open(QIODevice::ReadOnly) ? QString::fromUtf8(list.readLine()).trimmed()
                                          : QString();
}

QByteArray ChangeBackup::copyOf(const QString &folder, const QString &path, bool *ok)
{
    QFile file(copyPath(folder, path));
    *ok = file.open(QIODevice::ReadOnly);
    const QByteArray bytes = *ok ? file.readAll() : QByteArray();
    *ok = *ok && file.error() == QFileDevice::NoError;
    return bytes;
}

void ChangeBackup::discard(const QString &folder)
{
    QDir(folder).removeRecursively();
}
