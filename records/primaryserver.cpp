#include "primaryserver.h"

#include "common/errorstackexception.h"
#include "common/validation.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace {
const QString portWord = QStringLiteral("port");
const QString keyWord = QStringLiteral("key");
const QString tlsWord = QStringLiteral("tls");
const QLatin1Char entrySeparator(';');
const QString lineSeparator = QStringLiteral("; ");
const QString clausePattern = QStringLiteral("primaries { %1; };");
constexpr int highestPort = 65535;

const QRegularExpression &blanks()
{
    static const QRegularExpression expression(QStringLiteral("\\s+"));
    return expression;
}

// Digits, dots and colons are an address that went wrong, never the name of a list.
bool looksLikeAddress(const QString &text)
{
    static const QRegularExpression addressCharacters(QStringLiteral("^[0-9.:]+$|:"));
    return addressCharacters.match(text).hasMatch();
}

QString checkedName(const QString &name, const QString &what)
{
    const ValidationResult result = validateDomainName(name, NameRule::Any);
    if (!result.valid)
        throw ErrorStackException(
            PrimaryServer::tr("The %1 name %2 is invalid: %3").arg(what, name, result.message));
    return name;
}
} // namespace

PrimaryServer::PrimaryServer(const QString &entry)
{
    const QStringList words = entry.trimmed().split(blanks(), Qt::SkipEmptyParts);
    if (words.isEmpty())
        throw ErrorStackException(tr("A primary server is empty"));
    const QString &server = words.first();
    if (isValidIPv4(server) || isValidIPv6(server)) {
        m_server = QHostAddress(server).toString();
    } else if (!looksLikeAddress(server) && validateDomainName(server, NameRule::Any).valid) {
        m_server = server;
        m_list = true;
    } else {
        throw ErrorStackException(
            tr("%1 is neither an IPv4 nor an IPv6 address, nor the name of a primaries list")
                .arg(server));
    }
    for (int index = 1; index < words.size(); index += 2) {
        const QString option = words.at(index).toLower();
        const bool known = option == portWord || option == keyWord || option == tlsWord;
        if (!known || index + 1 == words.size())
            throw ErrorStackException(
                known ? tr("%1 in %2 lacks its value").arg(option, entry.trimmed())
                      : tr("%1 in %2 is none of port, key and tls")
                            .arg(words.at(index), entry.trimmed()));
        const QString &value = words.at(index + 1);
        if (option == portWord) {
            bool number = false;
            m_port = value.toInt(&number);
            if (m_list)
                throw ErrorStackException(
                    tr("The primaries list %1 takes no port; its entries give theirs")
                        .arg(m_server));
            if (!number || m_port < 1 || m_port > highestPort)
                throw ErrorStackException(
                    tr("Port %1 is not a number from 1 to %2").arg(value).arg(highestPort));
        } else if (option == keyWord) {
            m_key = checkedName(value, keyWord);
        } else {
            m_tls = checkedName(value, tlsWord);
        }
    }
}

QString PrimaryServer::toString() const
{
    return written(false);
}

QString PrimaryServer::statementEntry() const
{
    return written(true);
}

QString PrimaryServer::written(bool quoteNames) const
{
    const auto name = [quoteNames](const QString &name) {
        return quoteNames ? QLatin1Char('"') + name + QLatin1Char('"') : name;
    };
    QStringList words{m_server};
    if (m_port != 0)
        words << portWord << QString::number(m_port);
    if (!m_key.isEmpty())
        words << keyWord << name(m_key);
    if (!m_tls.isEmpty())
        words << tlsWord << name(m_tls);
    return words.join(QLatin1Char(' '));
}

QStringList PrimaryServer::entries(const QString &line)
{
    QStringList entries;
    for (const QString &entry : line.split(entrySeparator)) {
        if (!entry.trimmed().isEmpty())
            entries.append(PrimaryServer(entry).toString());
    }
    return entries;
}

QString PrimaryServer::line(const QStringList &entries)
{
    return entries.join(lineSeparator);
}

QString PrimaryServer::clause(const QStringList &entries)
{
    QStringList written;
    for (const QString &entry : entries)
        written.append(PrimaryServer(entry).statementEntry());
    return clausePattern.arg(written.join(lineSeparator));
}
