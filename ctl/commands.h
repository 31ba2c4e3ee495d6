#pragma once

#include "core/serverzones.h"
#include "ctl/commandline.h"
#include "ctl/outputformat.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include <functional>
#include <memory>

// Runs one subcommand of tamzorctl on the server's zones, each change through the change core as
// the window makes it. A refusal throws ErrorStackException, a command line that does not fit
// the command UsageError.
class Commands
{
    Q_DECLARE_TR_FUNCTIONS(Commands)

public:
    explicit Commands(const CommandLine &line);

    using Printer = std::function<void(const QByteArray &)>;

    // The bytes for standard output go to `print` as soon as they are known, the notes for
    // standard error that do not stop the command to `warn`.
    void run(const Printer &print, const Printer &warn);

private:
    void zones();
    void records();
    void addRecord();
    void removeRecord();
    void editRecord();
    void addZone();
    void editZone();
    void removeZone();
    void ownFile();
    void undo();
    void check();
    void service();

    ServerZones &server();
    PZone zone(const QString &name);
    // NAME [TTL] TYPE DATA... for the zone, or a usage error.
    QStringList recordWords(const QStringList &words) const;
    static void refuseTwin(const Zone &zone, const Record &record, const PRecord &replaced);

    const CommandLine &m_line;
    std::unique_ptr<OutputFormat> m_format;
    Printer m_print;
    Printer m_warn;
    std::unique_ptr<ServerZones> m_server;
    QStringList m_readProblems;
};
