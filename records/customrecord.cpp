#include "customrecord.h"

CustomRecord::CustomRecord() = default;

CustomRecord &CustomRecord::assign(const Record &other)
{
    const auto &source = dynamic_cast<const CustomRecord &>(other);
    assignRecord(source);
    m_data = source.m_data;
    return *this;
}
