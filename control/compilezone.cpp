#include "compilezone.h"

#include "common/filestamps.h"
#include "programrun.h"
#include "records/recordparser.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <deque>
#include <memory>

namespace {
const QString compilerProgram = QStringLiteral("/usr/bin/named-compilezone");
const QLatin1Char commentStart(';');
const char lineEnd = '\n';
const char textEnd = '\0';
// Each running compiler holds half a dozen file descriptors of this process.
const int maximumCompilers = 16;

const QString textFormat = QStringLiteral("text");
const QString rawFormat = QStringLiteral("raw");
// A raw file begins with its format's number, 2, as a 32-bit word in network order.
const QByteArray rawFileStart("\0\0\0\2", 4);

QStringList compilerArguments(const QString &zoneName, const QString &fileName)
{
    return {QStringLiteral("-s"),
            QStringLiteral("full"),
            QStringLiteral("-o"),
            QStringLiteral("-"),
            zoneName,
            fileName};
}

// What the server serves: the file in the format it was written in, with the dynamic updates
// of the journal applied.
QStringList compilerArguments(const Zone &zone)
{
    QStringList arguments{QStringLiteral("-f"), fileFormatOf(zone)};
    if (QFileInfo::exists(zone.journalPath()))
        arguments << QStringLiteral("-j") << QStringLiteral("-J") << zone.journalPath();
    return arguments + compilerArguments(zone.name(), zone.filePath());
}

// A secondary whose first transfer has not come yet has no file, and no records either.
bool awaitsTransfer(const Zone &zone)
{
    return zone.isSecondary() && !QFileInfo::exists(zone.filePath());
}

// A compiler that never ran printed nothing; taking that for an empty zone could later overwrite
// the real file with nothing.
ErrorStackException compilerFailed(const QString &failure)
{
    return ErrorStackException(QObject::tr("Zone compiler failed: %1").arg(failure));
}

// One zone read: the compiler's lines are parsed while it prints them, so that the parsing
// overlaps the compiler's own work and the whole text is never held at once.
class ZoneRead
{
public:
    explicit ZoneRead(const PZone &zone)
        : m_zone(zone), m_run(compilerProgram, compilerArguments(*zone), zone->directory())
    {
        // Taken before the compiler reads: a change made meanwhile shows as one made later.
        FileStamps::remember(zone->filePath());
        FileStamps::remember(zone->journalPath());
        if (!awaitsTransfer(*zone))
            m_run.start();
    }

    ZoneReadFailure finish()
    {
        if (awaitsTransfer(*m_zone)) {
            m_zone->setRecords({});
            return std::nullopt;
        }
        while (m_run.waitForOutput())
            takeOutput();
        const ProgramResult result = m_run.waitForFinished();
        takeRest(result.standardOutput);
        if (!result.succeeded())
            return compilerFailed(result.failure());
        if (m_failure)
            return m_failure;
        m_zone->setRecords(m_records);
        return std::nullopt;
    }

private:
    // Takes the complete lines printed so far. The buffers are kept from one piece of output to
    // the next: a big zone arrives in thousands of pieces.
    void takeOutput()
    {
        const int kept = m_pending.size();
        m_run.readOutput(m_pending);
        if (m_ended)
            m_pending.clear();
        else
            takeLines(kept);
    }

    // The text ends at the first zero byte; the bytes from `kept` on are new.
    void takeLines(int kept)
    {
        const int zero = m_pending.indexOf(textEnd, kept);
        if (zero >= 0) {
            m_ended = true;
            parseLines(m_pending.constData(), zero);
            m_pending.clear();
            return;
        }
        const int last = m_pending.lastIndexOf(lineEnd);
        if (last < 0)
            return;
        parseLines(m_pending.constData(), last);
        m_pending.remove(0, last + 1);
    }

    // What the compiler printed last, with a last line that may lack its line feed.
    void takeRest(const QByteArray &rest)
    {
        if (m_ended)
            return;
        const int kept = m_pending.size();
        m_pending += rest;
        takeLines(kept);
        if (!m_ended)
            parseLines(m_pending.constData(), m_pending.size());
    }

    // A line feed never occurs inside a UTF-8 sequence, so whole lines decode alike apart.
    void parseLines(const char *bytes, int size)
    {
        if (m_failure || size == 0)
            return;
        const QString &text = decode(bytes, size);
        for (int start = 0, end = 0; start < text.size(); start = end + 1) {
            end = text.indexOf(QLatin1Char(lineEnd), start);
            if (end < 0)
                end = text.size();
            const QStringRef line(&text, start, end - start);
            // The compiler notes the re-signing time of signed records on a comment line of
            // its own.
            if (line.isEmpty() || line.startsWith(commentStart))
                continue;
            try {
                PRecord record = parseRecordLine(line);
                record->setZone(m_zone.data());
                m_records.append(record);
            } catch (const ErrorStackException &e) {
                m_failure = e;
                m_records.clear();
                return;
            }
        }
    }

    // The compiler prints ASCII, escaping every other byte, which widens into the reused buffer
    // as UTF-8 decoding would; anything else takes the decoder.
    const QString &decode(const char *bytes, int size)
    {
        m_text.resize(size);
        QChar *characters = m_text.data();
        for (int index = 0; index < size; ++index) {
            if (uchar(bytes[index]) >= 0x80) {
                m_text = QString::fromUtf8(bytes, size);
                break;
            }
            characters[index] = QLatin1Char(bytes[index]);
        }
        return m_text;
    }

    PZone m_zone;
    ProgramRun m_run;
    QByteArray m_pending;
    QString m_text;
    bool m_ended = false;
    QList<PRecord> m_records;
    ZoneReadFailure m_failure;
};
} // namespace

CompileZone::CompileZone(QObject *parent) : QObject(parent) {}

CompileResult CompileZone::compile(const QString &zoneName, const QString &fileName,
                                   const QString &workingDirectory)
{
    const ProgramResult result =
        ProgramRun::run(compilerProgram, compilerArguments(zoneName, fileName), workingDirectory);
    if (!result.succeeded())
        return {false, result.failure()};
    return {true, result.outputText()};
}

QString fileFormatOf(const Zone &zone)
{
    if (!zone.fileFormat().isEmpty())
        return zone.fileFormat();
    QFile file(zone.filePath());
    if (file.open(QIODevice::ReadOnly) && file.read(rawFileStart.size()) == rawFileStart)
        return rawFormat;
    return textFormat;
}

void readZoneRecords(const PZone &zone)
{
    if (const ZoneReadFailure failure = ZoneRead(zone).finish())
        throw *failure;
}

// Most of a small zone's read is the compiler's start, so several run at once. The reads are
// finished in the zones' order; the compilers behind the first one run on meanwhile.
std::vector<ZoneReadFailure> readRecordsOfZones(const QList<PZone> &zones)
{
    const int width = std::clamp(QThread::idealThreadCount(), 1, maximumCompilers);
    std::vector<ZoneReadFailure> failures;
    failures.reserve(zones.size());
    std::deque<std::unique_ptr<ZoneRead>> running;
    int next = 0;
    while (int(failures.size()) < zones.size()) {
        while (next < zones.size() && int(running.size()) < width)
            running.push_back(std::make_unique<ZoneRead>(zones.at(next++)));
        failures.push_back(running.front()->finish());
        running.pop_front();
    }
    return failures;
}
