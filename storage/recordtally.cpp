#include "recordtally.h"

#include "zonetext.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>

namespace {

// A record that is not met on the way may be found this many records further on.
const int lookAhead = 4;
const int fieldsBeforeData = 4;

struct Split
{
    QString line;
    QString key;
    QString type;
    QByteArray data;
};

// Owner and type go to upper case, names being alike in any case.
Split split(const QString &line)
{
    int position = 0;
    for (int field = 0; field < fieldsBeforeData && position >= 0; ++field)
        position = line.indexOf(QLatin1Char(' '), position + (field > 0 ? 1 : 0));
    if (position < 0)
        return {line, line.toUpper(), QString(), QByteArray()};
    const QString head = line.left(position).toUpper();
    return {line, head, head.section(QLatin1Char(' '), 3, 3), line.mid(position + 1).toUtf8()};
}

bool sameWord(const QString &type, const QByteArray &first, const QByteArray &second)
{
    const QByteArray a = ZoneText::unescape(first);
    const QByteArray b = ZoneText::unescape(second);
    if (type == QLatin1String("TXT") || type == QLatin1String("SPF"))
        return a == b;
    if (type == QLatin1String("A") || type == QLatin1String("AAAA")) {
        const QHostAddress one(QString::fromLatin1(a));
        return !one.isNull() && one == QHostAddress(QString::fromLatin1(b));
    }
    return a.toLower() == b.toLower();
}

bool sameData(const QString &type, const QByteArray &first, const QByteArray &second)
{
    const std::vector<ZoneText::Token> one = ZoneText::split(first);
    const std::vector<ZoneText::Token> other = ZoneText::split(second);
    if (one.size() != other.size())
        return false;
    for (size_t index = 0; index < one.size(); ++index) {
        if (!sameWord(type, first.mid(one[index].begin, one[index].end - one[index].begin),
                      second.mid(other[index].begin, other[index].end - other[index].begin)))
            return false;
    }
    return true;
}

} // namespace

RecordTally::RecordTally(const QVector<PRecord> &intended) : m_intended(intended) {}

const QString &RecordTally::expected(int ahead)
{
    while (int(m_window.size()) <= ahead)
        m_window.push_back(m_intended.at(m_next + int(m_window.size()))->toString());
    return m_window[size_t(ahead)];
}

void RecordTally::take(const QString &line)
{
    const int left = m_intended.size() - m_next;
    for (int ahead = 0; ahead < std::min(left, lookAhead + 1); ++ahead) {
        if (expected(ahead) != line)
            continue;
        for (int skipped = 0; skipped < ahead; ++skipped) {
            m_missing.append(m_window.front());
            m_window.pop_front();
        }
        m_window.pop_front();
        m_next += ahead + 1;
        return;
    }
    m_unexpected.append(line);
}

QStringList RecordTally::differences()
{
    for (; m_next < m_intended.size(); ++m_next)
        m_missing.append(m_intended.at(m_next)->toString());
    m_window.clear();

    QHash<QString, int> missing;
    for (const QString &line : qAsConst(m_missing))
        ++missing[line];
    QStringList unexpected;
    for (const QString &line : qAsConst(m_unexpected)) {
        auto found = missing.find(line);
        if (found != missing.end() && found.value() > 0)
            --found.value();
        else
            unexpected.append(line);
    }
    QMultiHash<QString, Split> spelled;
    for (auto line = missing.cbegin(); line != missing.cend(); ++line) {
        for (int count = 0; count < line.value(); ++count) {
            const Split record = split(line.key());
            spelled.insert(record.key, record);
        }
    }
    QStringList differences;
    for (const QString &line : qAsConst(unexpected)) {
        const Split record = split(line);
        auto match = spelled.find(record.key);
        while (match != spelled.end() && match.key() == record.key &&
               !sameData(record.type, match.value().data, record.data))
            ++match;
        if (match != spelled.end() && match.key() == record.key)
            spelled.erase(match);
        else
            differences.append(QObject::tr("not intended: %1").arg(line));
    }
    for (const Split &record : qAsConst(spelled))
        differences.prepend(QObject::tr("missing: %1").arg(record.line));
    return differences;
}
