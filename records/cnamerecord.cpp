#include "cnamerecord.h"

#include <QObject>

CNAMERecord::CNAMERecord() : Record(QStringLiteral("CNAME")) {}

CNAMERecord &CNAMERecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const CNAMERecord &>(other);
    assignRecord(source);
    m_cname = source.m_cname;
    return *this;
}

QStringList CNAMERecord::validate() const
{
    QStringList messages = Record::validate();
    checkName(&messages, m_cname, NameRule::Any,
              QT_TRANSLATE_NOOP("QObject", "Canonical name is invalid.\n%1"));
    return messages;
}
