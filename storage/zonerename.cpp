#include "zonerename.h"

#include "domainname.h"
#include "records/recordparser.h"
#include "zonetext.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {
QString absolute(QString name)
{
    if (!name.endsWith(QLatin1Char('.')))
        name += QLatin1Char('.');
    return name;
}

// A trailing dot that a backslash escapes belongs to the last label.
bool isAbsolute(const QByteArray &token)
{
    if (!token.endsWith('.'))
        return false;
    int backslashes = 0;
    for (int i = token.size() - 2; i >= 0 && token.at(i) == '\\'; --i)
        ++backslashes;
    return backslashes % 2 == 0;
}
} // namespace

ZoneRename::ZoneRename(const QString &from, const QString &to)
    : m_fromKey(DomainName::key(absolute(from))), m_to(absolute(to))
{
}

QList<int> ZoneRename::nameFields(const QString &type)
{
    static const QHash<QString, QList<int>> fields{
        {QStringLiteral("SOA"), {0, 1}},  {QStringLiteral("NS"), {0}},
        {QStringLiteral("CNAME"), {0}},   {QStringLiteral("DNAME"), {0}},
        {QStringLiteral("PTR"), {0}},     {QStringLiteral("MX"), {1}},
        {QStringLiteral("SRV"), {3}},     {QStringLiteral("AFSDB"), {1}},
        {QStringLiteral("RT"), {1}},      {QStringLiteral("KX"), {1}},
        {QStringLiteral("RP"), {0, 1}},   {QStringLiteral("MB"), {0}},
        {QStringLiteral("MG"), {0}},      {QStringLiteral("MR"), {0}},
        {QStringLiteral("MINFO"), {0, 1}}};
    return fields.value(type.toUpper());
}

QByteArray ZoneRename::renamedToken(const QByteArray &token) const
{
    if (!isAbsolute(token))
        return token;
    const QByteArray key = DomainName::key(token.constData(), token.size(), DomainName::rootKey());
    if (key == m_fromKey)
        return m_to.toUtf8();
    if (!key.endsWith('.' + m_fromKey))
        return token;
    // The labels in front stay as written; the old zone's name is the key's tail, and the same
    // number of labels ends the written token.
    const int keptLabels = key.left(key.size() - m_fromKey.size()).count('.');
    int end = 0;
    for (int label = 0; label < keptLabels; ++label) {
        while (end < token.size() && token.at(end) != '.')
            end += token.at(end) == '\\' ? 2 : 1;
        ++end;
    }
    return token.left(end) + m_to.toUtf8();
}

QString ZoneRename::name(const QString &name) const
{
    return QString::fromUtf8(renamedToken(name.toUtf8()));
}

QVector<PRecord> ZoneRename::records(const QVector<PRecord> &records) const
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    QVector<PRecord> renamed;
    renamed.reserve(records.size());
    for (const PRecord &record : records) {
        // A record's line: owner, time to live, class, type, then the data.
        QStringList fields = record->toString().split(space);
        fields[0] = name(fields.at(0));
        for (const int field : nameFields(record->type())) {
            if (4 + field < fields.size())
                fields[4 + field] = name(fields.at(4 + field));
        }
        const PRecord copy = parseRecordLine(fields.join(QLatin1Char(' ')));
        copy->setSource(record->source());
        renamed.append(copy);
    }
    return renamed;
}

QByteArray ZoneRename::text(const QByteArray &text, const QString &workingDirectory) const
{
    const ZoneText zoneText(text, ZoneText::Context(m_fromKey), workingDirectory);
    std::vector<ZoneText::Token> renamed;
    for (const ZoneText::Entry &entry : zoneText.entries()) {
        QList<int> tokens;
        switch (entry.kind) {
        case ZoneText::Entry::Record:
            if (entry.ownerToken >= 0)
                tokens << entry.ownerToken;
            for (const int field : nameFields(QString::fromLatin1(zoneText.type(entry)))) {
                if (field < zoneText.rdataCount(entry))
                    tokens << entry.typeToken + 1 + field;
            }
            break;
        case ZoneText::Entry::Origin:
            tokens << 1;
            break;
        case ZoneText::Entry::Include:
            tokens << 2;
            break;
        default:
            break;
        }
        for (const int index : qAsConst(tokens)) {
            if (index < entry.tokenCount)
                renamed.push_back(zoneText.token(entry, index));
        }
    }
    std::sort(renamed.begin(), renamed.end(),
              [](const ZoneText::Token &a, const ZoneText::Token &b) { return a.begin > b.begin; });
    QByteArray result = text;
    for (const ZoneText::Token &token : renamed)
        result.replace(token.begin, token.end - token.begin,
                       renamedToken(text.mid(token.begin, token.end - token.begin)));
    return result;
}
