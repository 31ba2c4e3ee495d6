#include "errorstackexception.h"

#include <algorithm>

ErrorStackException::ErrorStackException(const QString &message) : m_messages{message} {}

ErrorStackException::~ErrorStackException() = default;

void ErrorStackException::raise() const
{
    throw *this;
}

ErrorStackException *ErrorStackException::clone() const
{
    return new ErrorStackException(*this);
}

void ErrorStackException::push(const QString &message)
{
    m_messages.append(message);
}

QStringList ErrorStackException::messages() const
{
    return m_messages;
}

QString ErrorStackException::text() const
{
    QStringList newestFirst = m_messages;
    std::reverse(newestFirst.begin(), newestFirst.end());
    return newestFirst.join(QLatin1Char('\n'));
}
