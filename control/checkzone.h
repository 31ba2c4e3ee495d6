#pragma once

#include "checkresult.h"

#include <QObject>
#include <QProcess>

// Runs named-checkzone on a zone file, in the background or blocking.
class CheckZone : public QObject
{
    Q_OBJECT

public:
    explicit CheckZone(QObject *parent = nullptr);

    CheckResult checkZone(const QString &zoneName, const QString &fileName);

public slots:
    void requestCheckZone(QString domain, QString filename);

signals:
    void zoneChecked(bool noerror, QString report);
    void processError(QString error);

private slots:
    void onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onErrorOccurred(QProcess::ProcessError error);

private:
    QProcess process;
};
