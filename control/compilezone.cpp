#include "compilezone.h"

#include "common/filestamps.h"
#include "records/recordparser.h"

#include <QCoreApplication>
#include <QProcess>
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

QString decodeOutput(const QByteArray &bytes)
{
    const int end = bytes.indexOf(textEnd);
    return QString::fromUtf8(bytes.constData(), end < 0 ? bytes.size() : end);
}

QString translate(const char *text)
{
    return QCoreApplication::translate("CompileZone", text);
}

void startCompiler(QProcess &process, const QString &zoneName, const QString &fileName,
                   const QString &workingDirectory)
{
    process.setWorkingDirectory(workingDirectory);
    process.start(compilerProgram,
                  {QStringLiteral("-s"), QStringLiteral("full"), QStringLiteral("-o"),
                   QStringLiteral("-"), zoneName, fileName},
                  QIODevice::ReadWrite);
}

// Why a compiler that was started and has ended did not compile the zone; empty when it did.
QString compilerFailure(QProcess &process)
{
    if (process.exitStatus() != QProcess::NormalExit)
        return translate(QT_TRANSLATE_NOOP("CompileZone", "Process crashed"));
    if (process.exitCode() != 0)
        return translate(QT_TRANSLATE_NOOP("CompileZone", "%1 exited with code %2.\n%3"))
            .arg(compilerProgram)
            .arg(process.exitCode())
            .arg(decodeOutput(process.readAllStandardError()));
    return QString();
}

// A compiler that never ran printed nothing; taking that for an empty zone could later
// overwrite the real file with nothing.
QString notStarted(const QProcess &process)
{
    return translate(QT_TRANSLATE_NOOP("CompileZone", "%1 could not be started: %2"))
        .arg(compilerProgram, process.errorString());
}

ErrorStackException compilerFailed(const QString &failure)
{
    return ErrorStackException(QObject::tr("Zone compiler failed: %1").arg(failure));
}

// One zone read: the compiler's lines are parsed while it prints them, so that the parsing
// overlaps the compiler's own work and the whole text is never held at once.
class ZoneRead
{
public:
    explicit ZoneRead(const PZone &zone) : m_zone(zone)
    {
        // Taken before the compiler reads: a change made meanwhile shows as one made later.
        FileStamps::remember(zone->filePath());
        startCompiler(m_process, zone->name(), zone->filePath(), zone->directory());
    }

    ZoneReadFailure finish()
    {
        if (!m_process.waitForStarted(-1))
            return compilerFailed(notStarted(m_process));
        takeOutput();
        while (m_process.waitForReadyRead(-1))
            takeOutput();
        m_process.waitForFinished(-1);
        takeOutput();
        if (!m_ended)
            parseLines(m_pending.constData(), m_pending.size());

        const QString failure = compilerFailure(m_process);
        if (!failure.isEmpty())
            return compilerFailed(failure);
        if (m_failure)
            return m_failure;
        m_zone->setRecords(m_records);
        return std::nullopt;
    }

private:
    // Takes the complete lines printed so far; the text ends at the first zero byte. The buffers
    // are kept from one piece of output to the next: a big zone arrives in thousands of pieces.
    void takeOutput()
    {
        if (m_ended) {
            m_process.readAllStandardOutput();
            return;
        }
        const qint64 available = m_process.bytesAvailable();
        if (available <= 0)
            return;
        const int kept = m_pending.size();
        m_pending.resize(kept + int(available));
        const qint64 taken = m_process.read(m_pending.data() + kept, available);
        m_pending.resize(kept + int(std::max<qint64>(taken, 0)));
        const int zero = m_pending.indexOf(textEnd, kept);
        if (zero >= 0) {
            m_ended = true;
            parseLines(m_pending.constData(), zero);
            return;
        }
        const int last = m_pending.lastIndexOf(lineEnd);
        if (last < 0)
            return;
        parseLines(m_pending.constData(), last);
        m_pending.remove(0, last + 1);
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
    QProcess m_process;
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
    QProcess process;
    startCompiler(process, zoneName, fileName, workingDirectory);
    if (!process.waitForStarted(-1))
        return {false, notStarted(process)};
    process.waitForFinished(-1);
    const QString failure = compilerFailure(process);
    if (!failure.isEmpty())
        return {false, failure};
    return {true, decodeOutput(process.readAllStandardOutput())};
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
