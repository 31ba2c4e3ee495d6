#pragma once

#include "checker.h"

// Runs named-checkzone on a zone file, in the background or blocking.
class CheckZone : public Checker
{
    Q_OBJECT

public:
    explicit CheckZone(QObject *parent = nullptr);

    CheckResult checkZone(const QString &zoneName, const QString &fileName);

public slots:
    void requestCheckZone(QString domain, QString filename);

signals:
    void zoneChecked(bool noerror, QString report);

private:
    void emitVerdict(bool noerror, const QString &report) override;
};
