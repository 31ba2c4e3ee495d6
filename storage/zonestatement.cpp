#include "zonestatement.h"

#include "common/errorstackexception.h"
#include "confscanner.h"
#include "records/primaryserver.h"

#include <algorithm>
#include <vector>

namespace {
const QString zoneKeyword = QStringLiteral("zone");
const QString viewKeyword = QStringLiteral("view");
const QString typeKeyword = QStringLiteral("type");
const QString fileKeyword = QStringLiteral("file");
const QString defaultZoneClass = QStringLiteral("IN");
const QStringList serversKeywords = {QStringLiteral("primaries"), QStringLiteral("masters")};
const QString portKeyword = QStringLiteral("port");

bool isStatementOf(const ConfScanner::Statement &statement, const QString &name,
                   const QString &zoneClass)
{
    const QStringList &head = statement.head;
    if (!statement.hasBlock || head.size() < 2 || head.size() > 3)
        return false;
    const QString declaredClass = head.size() == 3 ? head.at(2) : defaultZoneClass;
    return head.first().compare(zoneKeyword, Qt::CaseInsensitive) == 0 &&
           Zone::isSameName(head.at(1), name) &&
           declaredClass.compare(zoneClass, Qt::CaseInsensitive) == 0;
}

QByteArray quoted(const QString &value)
{
    return '"' + value.toUtf8() + '"';
}

struct Edit
{
    int begin;
    int end;
    QByteArray bytes;
};

bool isServersClause(const ConfScanner::Statement &part)
{
    return part.depth == 1 && part.hasBlock && !part.head.isEmpty() &&
           serversKeywords.contains(part.head.first().toLower());
}

// The clause's entries as PrimaryServer writes them, a port of the whole block given to those
// without one; empty when one of them does not read, so that the clause is written anew.
QStringList entriesOf(const ConfScanner::Statement &clause,
                      const QList<ConfScanner::Statement> &parts)
{
    const int port = clause.head.indexOf(portKeyword);
    QStringList entries;
    try {
        for (const ConfScanner::Statement &part : parts) {
            if (part.depth != 2 || part.begin < clause.begin || part.end > clause.end)
                continue;
            QStringList words = part.head;
            if (port > 0 && port + 1 < clause.head.size() && !words.contains(portKeyword))
                words.insert(1, portKeyword + QLatin1Char(' ') + clause.head.at(port + 1));
            entries.append(PrimaryServer(words.join(QLatin1Char(' '))).toString());
        }
    } catch (const ErrorStackException &) {
        return {};
    }
    return entries;
}
} // namespace

QPair<int, int> ZoneStatement::wholeLines(const QByteArray &text, int begin, int end)
{
    // lastIndexOf() takes a negative start for the end of the text.
    const int lineStart = begin == 0 ? 0 : text.lastIndexOf('\n', begin - 1) + 1;
    int lineEnd = text.indexOf('\n', end);
    lineEnd = lineEnd < 0 ? text.size() : lineEnd + 1;
    if (text.mid(lineStart, begin - lineStart).trimmed().isEmpty() &&
        text.mid(end, lineEnd - end).trimmed().isEmpty())
        return {lineStart, lineEnd};
    return {begin, end};
}

ZoneStatement::ZoneStatement(const QByteArray &text, const QString &path, const QString &name,
                             const QString &zoneClass, const QString &view)
    : m_text(text), m_path(path)
{
    QList<ConfScanner::Statement> statements;
    if (!ConfScanner::scan(text, &statements))
        throw ErrorStackException(
            tr("Can't read the statements of file %1: it does not end as it should (a string, "
               "comment or block is not closed); nothing was written")
                .arg(path));
    // A file included inside a view's block holds its zones at its own top level.
    const auto enclosingView = [&](const ConfScanner::Statement &zone) -> const QString * {
        for (const ConfScanner::Statement &outer : qAsConst(statements)) {
            if (outer.depth == 0 && outer.begin <= zone.begin && zone.end <= outer.end)
                return outer.head.size() >= 2 &&
                               outer.head.first().compare(viewKeyword, Qt::CaseInsensitive) == 0
                           ? &outer.head.at(1)
                           : nullptr;
        }
        return nullptr;
    };
    for (const ConfScanner::Statement &statement : qAsConst(statements)) {
        if (!isStatementOf(statement, name, zoneClass))
            continue;
        const QString *enclosing = statement.depth == 1 ? enclosingView(statement) : nullptr;
        if (statement.depth == 0 || (enclosing && !view.isEmpty() && *enclosing == view)) {
            m_begin = statement.begin;
            m_end = statement.end;
            return;
        }
    }
    if (!view.isEmpty())
        throw ErrorStackException(
            tr("Can't find zone %1 of view %2 in file %3").arg(name, view, path));
    throw ErrorStackException(tr("Can't find zone %1 in file %2").arg(name, path));
}

QByteArray ZoneStatement::textWithout() const
{
    return m_text.left(m_begin) + m_text.mid(m_end);
}

QByteArray ZoneStatement::rewritten(const Zone &zone) const
{
    const QByteArray statement = bytes();
    QList<ConfScanner::Statement> parts;
    ConfScanner::scan(statement, &parts);
    const ConfScanner::Statement &outer = parts.last();
    std::vector<Edit> edits;
    if (!Zone::isSameName(outer.head.at(1), zone.name()))
        edits.push_back(
            {outer.headSpans.at(1).first, outer.headSpans.at(1).second, quoted(zone.name())});
    const int blockStart = statement.indexOf('{', outer.headSpans.last().second) + 1;
    const auto option = [&](const QString &keyword, const QString &value,
                            const QByteArray &written) {
        for (const ConfScanner::Statement &part : qAsConst(parts)) {
            if (part.depth == 1 && part.head.size() == 2 &&
                part.head.first().compare(keyword, Qt::CaseInsensitive) == 0) {
                if (part.head.at(1) != value)
                    edits.push_back({part.begin, part.end, written});
                return;
            }
        }
        edits.push_back({blockStart, blockStart, "\n\t" + written});
    };
    option(typeKeyword, zone.type(), typeKeyword.toUtf8() + ' ' + zone.type().toUtf8() + ';');
    option(fileKeyword, zone.file(), fileKeyword.toUtf8() + ' ' + quoted(zone.file()) + ';');
    const auto clause = std::find_if(parts.cbegin(), parts.cend(), isServersClause);
    const QByteArray servers = PrimaryServer::clause(zone.primaries()).toUtf8();
    if (clause == parts.cend()) {
        if (zone.isSecondary())
            edits.push_back({blockStart, blockStart, "\n\t" + servers});
    } else if (!zone.isSecondary()) {
        const QPair<int, int> lines = wholeLines(statement, clause->begin, clause->end);
        edits.push_back({lines.first, lines.second, {}});
    } else if (entriesOf(*clause, parts) != zone.primaries()) {
        edits.push_back({clause->begin, clause->end, servers});
    }
    std::sort(edits.begin(), edits.end(),
              [](const Edit &a, const Edit &b) { return a.begin > b.begin; });
    QByteArray result = statement;
    for (const Edit &edit : edits)
        result.replace(edit.begin, edit.end - edit.begin, edit.bytes);
    return result;
}
