#include "txtrecord.h"

TXTRecord::TXTRecord() : Record(QStringLiteral("TXT")) {}

TXTRecord &TXTRecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const TXTRecord &>(other);
    assignRecord(source);
    m_text = source.m_text;
    return *this;
}
