#include "nsrecord.h"

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
    checkName(&messages, m_nsdName, NameRule::Host,
              QT_TRANSLATE_NOOP("QObject", "Name server name is invalid.\n%1"));
    return messages;
}
