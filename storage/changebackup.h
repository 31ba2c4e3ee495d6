#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

// The copies of the files of one change, in a folder of its own below /var/backups/tamzor named
// by the date and time, each at its original path below it. While a ChangeBackup is open, every
// file is copied there before it is replaced or deleted; the folder's list of files tells undo
// what to put back and what to delete. Only the newest changes are kept.
class ChangeBackup
{
    Q_DECLARE_TR_FUNCTIONS(ChangeBackup)

public:
    enum Action { Replaced, Deleted, Created };
    struct Entry
    {
        Action action = Replaced;
        QString path;
        // What the change left in the file: undo refuses a file changed after it.
        QByteArray hashAfter;
    };

    explicit ChangeBackup(const QString &description);
    ~ChangeBackup();
    ChangeBackup(const ChangeBackup &) = delete;
    ChangeBackup &operator=(const ChangeBackup &) = delete;

    // Keeps the folder, noting what each file holds now; a change not committed leaves none.
    void commit();

    // Called before a file is replaced or deleted; throws when the copy cannot be made, so that
    // the file is left as it is. Without an open change it does nothing.
    static void keep(const QString &path);

    static const int keptChanges = 100;
    // The folders of the kept changes, oldest first.
    static QStringList folders();
    static QList<Entry> entries(const QString &folder);
    static QString description(const QString &folder);
    static QByteArray copyOf(const QString &folder, const QString &path, bool *ok);
    static void discard(const QString &folder);

private:
    void open();
    void pruneOld() const;
    void writeList() const;

    QString m_description;
    QString m_folder;
    QList<Entry> m_entries;
    bool m_committed = false;

    static ChangeBackup *current;
};
