#include "nsrecord.h"

#include "common/validation.h"

#include <QObject>

NSRecord::NSRecord() : Record(QStringLiteral("NS")) {}

NSRecord &NSRecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const NSRecord &>(other);
    assignRecord(source);
    m_nsdName = source.m_nsdName;
    return *this;
}

QStringList NSRecord::validate() const
{
    QStringList messages = Record::validate();
    const ValidationResult result = validateDomainName(m_nsdName, QStringLiteral("."));
    if (!result.valid)
        messages.append(QObject::tr("Name server name is invalid.\n%1").arg(result.message));
    return messages;
}
