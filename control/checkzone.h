#pragma once

#include "checker.h"

// Runs named-checkzone on a zone file, in the background or blocking.
class CheckZone : public Checker
{
    Q_OBJECT

public:
    explicit CheckZone(QObject *parent = nullptr);

    // checkNames: the zone's check-names level as named applies it; empty for the checker's own.
    CheckResult checkZone(const QString &zoneName, const QString &fileName,
                          const QString &checkNames = QString());
    // The same for a zone file's text, which the report calls ProgramRun::inputPath().
    CheckResult checkText(const QString &zoneName, const QByteArray &text,
                          const QString &checkNames = QString());

public slots:
    void requestCheckZone(QString domain, QString filename, QString checkNames = QString());

signals:
    void zoneChecked(bool noerror, QString report);

private:
    void emitVerdict(bool noerror, const QString &report) override;
};
