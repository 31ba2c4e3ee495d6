#include "cnamerecord.h"

#include "common/validation.h"

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
    const ValidationResult result = validateDomainName(m_cname, QStringLiteral("."));
    if (!result.valid)
        messages.append(QObject::tr("Canonical name is invalid.\n%1").arg(result.message));
    return messages;
}
