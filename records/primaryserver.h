#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// One server a secondary zone transfers from, as an entry of its primaries block names it: an
// address with an optional port, TSIG key and TLS configuration, or the name of a primaries list.
class PrimaryServer
{
    Q_DECLARE_TR_FUNCTIONS(PrimaryServer)

public:
    // Reads "ADDRESS [port N] [key NAME] [tls NAME]" or "LIST [key NAME] [tls NAME]"; throws
    // ErrorStackException that says what does not fit.
    explicit PrimaryServer(const QString &entry);

    // The entry in the form it was read in, the address as BIND prints it.
    QString toString() const;
    // The entry as the primaries block of a statement writes it.
    QString statementEntry() const;

    // The entries of a line that separates them by semicolons, as the primaries block does, each
    // as toString() writes it; throws at the first that does not fit.
    static QStringList entries(const QString &line);
    static QString line(const QStringList &entries);
    // The primaries clause of a zone statement.
    static QString clause(const QStringList &entries);

private:
    QString written(bool quoteNames) const;

    QString m_server;
    bool m_list = false;
    int m_port = 0;
    QString m_key;
    QString m_tls;
};
