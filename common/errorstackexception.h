#pragma once

#include <QException>
#include <QString>
#include <QStringList>

// The one exception of the system: a stack of translated messages, shown newest first.
class ErrorStackException : public QException
{
public:
    ErrorStackException() = default;
    explicit ErrorStackException(const QString &message);
    ErrorStackException(const ErrorStackException &other) = default;
    ErrorStackException &operator=(const ErrorStackException &other) = default;
    ~ErrorStackException() override;

    void raise() const override;
    ErrorStackException *clone() const override;

    void push(const QString &message);
    QStringList messages() const;
    QString text() const;

private:
    QStringList m_messages;
};
