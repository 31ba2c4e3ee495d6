#include "customrecord.h"

#include <QObject>
#include <QRegularExpression>

CustomRecord::CustomRecord() = default;

CustomRecord &CustomRecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const CustomRecord &>(other);
    assignRecord(source);
    m_data = source.m_data;
    return *this;
}

QStringList CustomRecord::validate() const
{
    static const QRegularExpression typeWord(QStringLiteral("^[A-Za-z][A-Za-z0-9]*$"));
    QStringList messages = Record::validate();
    if (!typeWord.match(type()).hasMatch())
        messages.append(QObject::tr("%1 is no record type").arg(type()));
    if (m_data.trimmed().isEmpty())
        messages.append(QObject::tr("The record's data should not be empty"));
    return messages;
}
