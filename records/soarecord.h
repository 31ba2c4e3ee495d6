#pragma once

#include "record.h"

class SOARecord : public Record
{
public:
    SOARecord();
    SOARecord(const SOARecord &) = default;
    SOARecord &operator=(const SOARecord &) = default;
    SOARecord(SOARecord &&) = default;
    SOARecord &operator=(SOARecord &&) = default;

    QString fullName() const override { return name(); }
    QString content() const override;
    QStringList validate() const override;
    SOARecord *clone() const override { return new SOARecord(*this); }
    SOARecord &assign(const Record &other) override;

    QString mname() const { return m_mname; }
    void setMname(const QString &mname) { m_mname = mname; }
    QString rname() const { return m_rname; }
    void setRname(const QString &rname) { m_rname = rname; }
    quint64 serial() const { return m_serial; }
    void setSerial(const quint64 &serial) { m_serial = serial; }
    quint64 refresh() const { return m_refresh; }
    void setRefresh(const quint64 &refresh) { m_refresh = refresh; }
    quint64 retry() const { return m_retry; }
    void setRetry(const quint64 &retry) { m_retry = retry; }
    quint64 expire() const { return m_expire; }
    void setExpire(const quint64 &expire) { m_expire = expire; }
    quint64 minimum() const { return m_minimum; }
    void setMinimum(const quint64 &minimum) { m_minimum = minimum; }

    // The mailbox name of an e-mail address, the dots of its local part escaped; empty when the
    // text has no local part and domain around its last `@`.
    static QString mailboxOf(const QString &email);
    // The e-mail address that a mailbox name stands for; empty when it has no domain.
    static QString emailOf(const QString &mailbox);

private:
    QString m_mname;
    QString m_rname;
    quint64 m_serial = 1;
    quint64 m_refresh = 86400;
    quint64 m_retry = 7200;
    quint64 m_expire = 3600000;
    quint64 m_minimum = 172800;
};
