#pragma once

#include "checkresult.h"

#include <QObject>
#include <QStringList>

// One of BIND's checkers: its exit code is the verdict, its standard output the report.
class Checker : public QObject
{
    Q_OBJECT

signals:
    // The checker did not run to its end, so it judged nothing.
    void processError(QString error);

protected:
    explicit Checker(const QString &program, QObject *parent = nullptr);

    CheckResult check(const QStringList &arguments) const;
    // The same, with `input` for the checker's standard input.
    CheckResult check(const QStringList &arguments, const QByteArray &input) const;
    // Runs in the background and ends with one emitVerdict() or one processError().
    void request(const QStringList &arguments);

private:
    virtual void emitVerdict(bool ok, const QString &report) = 0;

    const QString m_program;
};
