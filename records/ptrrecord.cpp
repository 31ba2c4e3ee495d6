#include "ptrrecord.h"

#include "common/validation.h"

#include <QObject>

PTRRecord::PTRRecord() : Record(QStringLiteral("PTR")) {}

PTRRecord &PTRRecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const PTRRecord &>(other);
    assignRecord(source);
    m_ptrdName = source.m_ptrdName;
    return *this;
}

// The owner of a pointer record is an address in reverse form, so it is worded as such.
QStringList PTRRecord::validate() const
{
    QStringList messages;
    const QString dot = QStringLiteral(".");
    const ValidationResult owner = validateDomainName(name(), dot);
    if (!owner.valid)
        messages.append(QObject::tr("Address is invalid.\n%1").arg(owner.message));
    const ValidationResult target = validateDomainName(m_ptrdName, dot);
    if (!target.valid)
        messages.append(QObject::tr("Domain name is invalid.\n%1").arg(target.message));
    return messages;
}

QString PTRRecord::addressFromName() const
{
    return addressFromReverseName(name());
}

bool PTRRecord::isIPv4() const
{
    return isValidIPv4(addressFromName());
}
