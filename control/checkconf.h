#pragma once

#include "checkresult.h"

#include <QObject>
#include <QProcess>

// Runs named-checkconf on the server configuration, in the background or blocking.
class CheckConf : public QObject
{
    Q_OBJECT

public:
    explicit CheckConf(QObject *parent = nullptr);

    CheckResult checkConf();

public slots:
    void requestCheckConf();

signals:
    void confChecked(bool ok, QString report);
    void processError(QString error);

private slots:
    void onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onErrorOccurred(QProcess::ProcessError error);

private:
    QProcess process;
};
