#include "filestore.h"

#include "changebackup.h"
#include "common/errorstackexception.h"
#include "common/filestamps.h"
#include "filereplacer.h"

#include <QFile>

#include <future>

QByteArray FileStore::read(const QString &path)
{
    QByteArray bytes;
    if (!read(path, &bytes))
        throw ErrorStackException(tr("Can't open file %1").arg(path));
    return bytes;
}

bool FileStore::read(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

void FileStore::refuseChanged(const QString &path)
{
    if (!FileStamps::isUnchanged(path))
        throw ErrorStackException(
            tr("File %1 was changed by someone else since Tamzor read it; it was read again, "
               "nothing was written")
                .arg(path));
}

void FileStore::refuseFailed(FileReplacer::Result result, const QString &path)
{
    if (result == FileReplacer::CannotOpen)
        throw ErrorStackException(tr("Can't open file %1").arg(path));
    if (result == FileReplacer::CannotWrite)
        throw ErrorStackException(tr("Can't write file %1").arg(path));
}

void FileStore::replace(const QString &path, const QByteArray &bytes)
{
    refuseChanged(path);
    ChangeBackup::keep(path);
    refuseFailed(FileReplacer::replace(path, bytes), path);
    FileStamps::rememberWritten(path, bytes);
}

void FileStore::replaceJudged(const QString &path, const QByteArray &bytes,
                              const std::function<void()> &judge)
{
    FileReplacer replacer(path);
    refuseFailed(replacer.open(), path);
    // The future's end waits for the work, whichever way the judge leaves.
    std::future<QByteArray> meanwhile = std::async(std::launch::async, [&] {
        refuseChanged(path);
        refuseFailed(replacer.stage(bytes), path);
        ChangeBackup::keep(path);
        refuseFailed(replacer.sync() ? FileReplacer::Replaced : FileReplacer::CannotWrite, path);
        return FileStamps::hashOf(bytes);
    });
    try {
        judge();
    } catch (const ErrorStackException &) {
        // A file changed behind the application's back explains any refusal.
        meanwhile.wait();
        refuseChanged(path);
        throw;
    }
    const QByteArray hash = meanwhile.get();
    // Its bytes were found unchanged a moment ago.
    if (!FileStamps::looksUnchanged(path))
        refuseChanged(path);
    refuseFailed(replacer.commit(), path);
    FileStamps::rememberWritten(path, bytes.size(), hash);
}

void FileStore::remove(const QString &path)
{
    refuseChanged(path);
    ChangeBackup::keep(path);
    if (QFile::exists(path) && !QFile::remove(path))
        throw ErrorStackException(tr("Can't delete file %1").arg(path));
    FileStamps::remember(path);
}
