#pragma once

#include "checker.h"

// Runs named-checkconf on the server configuration, in the background or blocking.
class CheckConf : public Checker
{
    Q_OBJECT

public:
    explicit CheckConf(QObject *parent = nullptr);

    CheckResult checkConf();

public slots:
    void requestCheckConf();

signals:
    void confChecked(bool ok, QString report);

private:
    void emitVerdict(bool ok, const QString &report) override;
};
