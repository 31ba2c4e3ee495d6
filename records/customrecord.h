#pragma once

#include "record.h"

class CustomRecord : public Record
{
public:
    CustomRecord();
    CustomRecord(const CustomRecord &) = default;
    CustomRecord &operator=(const CustomRecord &) = default;
    CustomRecord(CustomRecord &&) = default;
    CustomRecord &operator=(CustomRecord &&) = default;

    QString fullName() const override { return name(); }
    QString content() const override { return m_data; }
    QString toString() const override { return line(ownerName(), m_data); }
    QStringList validate() const override;
    CustomRecord *clone() const override { return new CustomRecord(*this); }
    CustomRecord &assign(const Record &other) override;

    QString data() const { return m_data; }
    void setData(const QString &data) { m_data = data; }

private:
    QString m_data;
};
