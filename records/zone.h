#pragma once

#include <QList>
#include <QSharedPointer>
#include <QString>

class Record;
using PRecord = QSharedPointer<Record>;

// One zone statement of the server configuration together with the records of its zone file.
class Zone
{
public:
    Zone();
    Zone(const Zone &) = delete;
    Zone &operator=(const Zone &) = delete;

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    QString zoneClass() const { return m_zoneClass; }
    void setZoneClass(const QString &zoneClass) { m_zoneClass = zoneClass; }

    QString type() const { return m_type; }
    void setType(const QString &type) { m_type = type; }

    QString file() const { return m_file; }
    void setFile(const QString &file) { m_file = file; }

    // named resolves a relative file against its working directory, the `directory` option; the
    // system reads, checks and writes the file at that resolved path while keeping `file` as
    // written.
    QString directory() const { return m_directory; }
    void setDirectory(const QString &directory) { m_directory = directory; }
    QString filePath() const;

    QString conf() const { return m_conf; }
    void setConf(const QString &conf) { m_conf = conf; }

    QList<PRecord> records() const { return m_records; }
    void setRecords(const QList<PRecord> &records);

    QString statement() const;

    // named takes a zone name with or without the root's final dot, in any case, for the same
    // zone.
    static QString nameKey(QString name);
    static bool isSameName(const QString &name, const QString &other)
    {
        return nameKey(name) == nameKey(other);
    }

private:
    QString m_name;
    QString m_zoneClass;
    QString m_type;
    QString m_file;
    QString m_directory;
    QString m_conf;
    QList<PRecord> m_records;
};

using PZone = QSharedPointer<Zone>;
