#pragma once

#include <QCoreApplication>
#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVector>

class Record;
using PRecord = QSharedPointer<Record>;

// One zone statement of the server configuration together with the records of its zone file.
class Zone
{
    Q_DECLARE_TR_FUNCTIONS(Zone)

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
    // named takes "primary" for "master" and "secondary" for "slave".
    static bool isPrimaryType(const QString &type);
    static bool isSecondaryType(const QString &type);

    // The view whose block declares the zone; empty for a configuration without views. One name
    // in two views is two zones.
    QString view() const { return m_view; }
    void setView(const QString &view) { m_view = view; }

    // How named treats names that are no valid host names in this zone (the check-names level
    // of the zone, its view or the server's options): fail, warn or ignore.
    QString checkNames() const;
    void setCheckNames(const QString &level) { m_checkNames = level; }

    QString file() const { return m_file; }
    void setFile(const QString &file) { m_file = file; }
    // A new file of its own for a new zone: in the application's folder, or for a secondary in
    // the folder where named writes what it transfers.
    void takeNewFile();

    // named resolves a relative file against its working directory, the `directory` option; the
    // system reads, checks and writes the file at that resolved path while keeping `file` as
    // written.
    QString directory() const { return m_directory; }
    void setDirectory(const QString &directory) { m_directory = directory; }
    QString filePath() const;

    QString conf() const { return m_conf; }
    void setConf(const QString &conf) { m_conf = conf; }
    // The line of conf() where the statement starts, as read; 0 when unknown. A file included in
    // several views makes one statement several zones.
    unsigned int statementLine() const { return m_statementLine; }
    void setStatementLine(unsigned int line) { m_statementLine = line; }

    QVector<PRecord> records() const { return m_records; }
    void setRecords(const QVector<PRecord> &records);

    // A zone is listed as soon as its statement is read; its records arrive later. A new zone
    // comes with its records.
    bool isLoaded() const { return m_loaded; }
    void setLoaded(bool loaded) { m_loaded = loaded; }
    // Why the zone's file could not be read; empty when it was, or is still being read.
    QString readProblem() const { return m_readProblem; }
    void setReadProblem(const QString &problem) { m_readProblem = problem; }

    // Whether named takes dynamic updates into the zone (allow-update, update-policy): it then
    // keeps changes in a journal and writes them back into the file itself.
    bool isDynamic() const { return m_dynamic; }
    void setDynamic(bool dynamic) { m_dynamic = dynamic; }
    // Whether named signs the zone itself (dnssec-policy, inline-signing).
    bool isSignedByServer() const { return m_signedByServer; }
    void setSignedByServer(bool signedByServer) { m_signedByServer = signedByServer; }
    // The format named writes the file in, as the configuration says it (text, raw); empty when
    // it says nothing and the file itself tells.
    QString fileFormat() const { return m_fileFormat; }
    void setFileFormat(const QString &format) { m_fileFormat = format; }
    // named's journal of the zone: the `journal` option, or the file's path with ".jnl".
    QString journalPath() const;
    QString journal() const { return m_journal; }
    void setJournal(const QString &journal) { m_journal = journal; }
    bool isSecondary() const;
    // The servers a secondary transfers the zone from, the entries of its primaries (or masters)
    // block as PrimaryServer reads them.
    QStringList primaries() const { return m_primaries; }
    void setPrimaries(const QStringList &primaries) { m_primaries = primaries; }

    // Why the records of this zone must not be changed here; empty when they may.
    QString recordsReadOnlyReason() const;

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
    QString m_view;
    QString m_checkNames;
    QString m_file;
    QString m_directory;
    QString m_conf;
    unsigned int m_statementLine = 0;
    QVector<PRecord> m_records;
    bool m_loaded = true;
    QString m_readProblem;
    bool m_dynamic = false;
    bool m_signedByServer = false;
    bool m_holdsSignatures = false;
    QString m_fileFormat;
    QString m_journal;
    QStringList m_primaries;
};

using PZone = QSharedPointer<Zone>;
