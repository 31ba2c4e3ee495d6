#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;
struct ProgramResult;

// Tells the running named about changes through its control channel, by BIND's rndc. Every call
// waits for rndc's answer.
//
// A zone is named as rndc takes it: its class and view are needed only where its name alone is
// not unique; a view without a class means the class IN.
class Rndc
{
public:
    struct Result
    {
        enum Outcome {
            Done,
            // named answered and refused the command.
            Refused,
            // rndc got no answer from named: not running, no control channel, another key.
            Unreachable,
            // rndc could not be started, or crashed.
            NotRun
        };

        Outcome outcome = NotRun;
        // rndc's own words: what it printed when done, its error otherwise; or why it did not
        // run.
        QString message;

        bool ok() const { return outcome == Done; }
        // What went wrong, as the user reads it; empty when done.
        QString failure() const;
    };

    static Result reload();
    static Result reload(const QString &zone, const QString &zoneClass = QString(),
                         const QString &view = QString());
    static Result reconfig();
    static Result freeze(const QString &zone, const QString &zoneClass = QString(),
                         const QString &view = QString());
    static Result thaw(const QString &zone, const QString &zoneClass = QString(),
                       const QString &view = QString());
    static Result sync();
    static Result status();
    // Reloads the configuration and every changed zone without waiting: `done` gets the result,
    // unless `context` goes first.
    static void reloadInBackground(QObject *context,
                                   const std::function<void(const Result &)> &done);

private:
    static Result run(const QStringList &arguments);
    static Result interpret(const ProgramResult &result);
    static Result runOnZone(const QString &command, const QString &zone, const QString &zoneClass,
                            const QString &view);
};
