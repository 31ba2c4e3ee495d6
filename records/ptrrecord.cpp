#include "ptrrecord.h"

#include <QObject>

PTRRecord::PTRRecord() : Record(QStringLiteral("PTR")) {}

PTRRecord &PTRRecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const PTRRecord &>(other);
    assignRecord(source);
    m_ptrdName = source.m_ptrdName;
    return *this;
}

// BIND's check-names holds the target of a pointer under in-addr.arpa and ip6.arpa to a host name.
QStringList PTRRecord::validate() const
{
    QStringList messages = Record::validate();
    checkName(&messages, m_ptrdName, isReverseName(name()) ? NameRule::Host : NameRule::Any,
              QT_TRANSLATE_NOOP("QObject", "Domain name is invalid.\n%1"));
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
