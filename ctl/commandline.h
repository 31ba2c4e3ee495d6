#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QStringList>

// The words tamzorctl was given: the command (the first argument), its arguments and its options,
// which may stand anywhere, as `--name value` or `--name=value`; `--` ends them. The separator
// option --to starts a second group of arguments, the target.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    explicit CommandLine(const QStringList &words);

    // Why the words cannot be taken apart; empty when they can.
    QString error() const { return m_error; }
    QString command() const { return m_command; }
    QStringList arguments() const { return m_arguments; }
    bool hasTarget() const { return m_hasTarget; }
    QStringList target() const { return m_target; }
    // The long names of the options given, in order.
    QStringList options() const;
    bool isSet(const QString &option) const;
    // The last value given.
    QString value(const QString &option) const;
    QStringList values(const QString &option) const;

private:
    // Takes the option `word`, and its value from `value` when it does not carry one; returns
    // whether it took that value.
    bool takeOption(const QString &word, const QString *value);
    void addArgument(const QString &word);

    QString m_error;
    QString m_command;
    QStringList m_arguments;
    bool m_hasTarget = false;
    QStringList m_target;
    QList<QPair<QString, QString>> m_options;
};
