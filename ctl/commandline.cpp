#include "commandline.h"

#include "ctl/grammar.h"

namespace {
const QString endOfOptions = QStringLiteral("--");
const QLatin1Char optionStart('-');
const QLatin1Char valueSeparator('=');

// A lone dash, or a negative number, is an argument.
bool looksLikeOption(const QString &word)
{
    return word.size() > 1 && word.startsWith(optionStart) && !word.at(1).isDigit();
}
} // namespace

CommandLine::CommandLine(const QStringList &words)
{
    bool optionsEnded = false;
    for (int index = 0; index < words.size() && m_error.isEmpty(); ++index) {
        const QString &word = words.at(index);
        if (optionsEnded || !looksLikeOption(word)) {
            addArgument(word);
        } else if (word == endOfOptions) {
            optionsEnded = true;
        } else {
            const QString *next = index + 1 < words.size() ? &words.at(index + 1) : nullptr;
            if (takeOption(word, next))
                ++index;
        }
    }
}

QStringList CommandLine::options() const
{
    QStringList names;
    for (const auto &option : m_options)
        names.append(option.first);
    return names;
}

bool CommandLine::isSet(const QString &option) const
{
    return options().contains(option);
}

QString CommandLine::value(const QString &option) const
{
    const QStringList given = values(option);
    return given.isEmpty() ? QString() : given.last();
}

QStringList CommandLine::values(const QString &option) const
{
    QStringList given;
    for (const auto &entry : m_options) {
        if (entry.first == option)
            given.append(entry.second);
    }
    return given;
}

bool CommandLine::takeOption(const QString &word, const QString *value)
{
    const int separator = word.indexOf(valueSeparator);
    const QString name = separator < 0 ? word : word.left(separator);
    const Grammar::Option *option = Grammar::option(name);
    if (!option) {
        m_error = tr("unknown option %1").arg(name);
        return false;
    }
    if (option->kind != Grammar::Value) {
        if (separator >= 0)
            m_error = tr("option %1 takes no value").arg(option->name);
        m_options.append({option->name, QString()});
        if (option->kind == Grammar::Separator)
            m_hasTarget = true;
        return false;
    }
    if (separator >= 0) {
        m_options.append({option->name, word.mid(separator + 1)});
        return false;
    }
    if (!value) {
        m_error = tr("option %1 needs a value").arg(option->name);
        return false;
    }
    m_options.append({option->name, *value});
    return true;
}

void CommandLine::addArgument(const QString &word)
{
    if (m_command.isEmpty() && m_arguments.isEmpty() && !m_hasTarget)
        m_command = word;
    else if (m_hasTarget)
        m_target.append(word);
    else
        m_arguments.append(word);
}
