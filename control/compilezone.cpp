#include "compilezone.h"

#include "common/filestamps.h"
#include "programrun.h"
#include "records/recordparser.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <list>
#include <memory>
#include <utility>
#include <vector>

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

QString fileFormatOf(const QString &configured, const QString &filePath)
{
    if (!configured.isEmpty())
        return configured;
    QFile file(filePath);
    if (file.open(QIODevice::ReadOnly) && file.read(rawFileStart.size()) == rawFileStart)
        return rawFormat;
    return textFormat;
}

// What the server serves: the file in the format it was written in, with the dynamic updates
// of the journal applied.
QStringList compilerArguments(const ZoneReadJob &job)
{
    QStringList arguments{QStringLiteral("-f"), fileFormatOf(job.fileFormat, job.filePath)};
    if (QFileInfo::exists(job.journalPath))
        arguments << QStringLiteral("-j") << QStringLiteral("-J") << job.journalPath;
    if (!job.checkNames.isEmpty())
        arguments << QStringLiteral("-k") << job.checkNames;
    return arguments + compilerArguments(job.name, job.filePath);
}

// A secondary whose first transfer has not come yet has no file, and no records either.
bool awaitsTransfer(const ZoneReadJob &job)
{
    return job.secondary && !QFileInfo::exists(job.filePath);
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
    explicit ZoneRead(const ZoneReadJob &job) : m_job(job) {}

    // Given `finished`, the output is taken as the event loop brings it and `finished` gets the
    // outcome once; without, finish() waits for it. The compiler's arguments look at the files,
    // so they are made here, where the read runs.
    void start(const std::function<void(ZoneReadOutcome)> &finished = {})
    {
        // Taken before the compiler reads: a change made meanwhile shows as one made later.
        FileStamps::remember(m_job.filePath);
        FileStamps::remember(m_job.journalPath);
        m_run = std::make_unique<ProgramRun>(compilerProgram, compilerArguments(m_job),
                                             m_job.directory);
        if (finished) {
            QObject::connect(m_run.get(), &ProgramRun::outputReady, [this] { takeOutput(); });
            QObject::connect(
                m_run.get(), &ProgramRun::finished,
                [this, finished](const ProgramResult &result) { finished(outcome(result)); });
        }
        if (!awaitsTransfer(m_job))
            m_run->start();
        else if (finished)
            finished({});
    }

    const ZoneReadJob &job() const { return m_job; }

    ZoneReadOutcome finish()
    {
        if (awaitsTransfer(m_job))
            return {};
        while (m_run->waitForOutput())
            takeOutput();
        return outcome(m_run->waitForFinished());
    }

private:
    ZoneReadOutcome outcome(const ProgramResult &result)
    {
        takeRest(result.standardOutput);
        if (!result.succeeded())
            return {{}, compilerFailed(result.failure())};
        if (m_failure)
            return {{}, m_failure};
        return {m_records, std::nullopt};
    }

    // Takes the complete lines printed so far. The buffers are kept from one piece of output to
    // the next: a big zone arrives in thousands of pieces.
    void takeOutput()
    {
        const int kept = m_pending.size();
        m_run->readOutput(m_pending);
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
                record->setZone(m_job.zone.data());
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

    ZoneReadJob m_job;
    std::unique_ptr<ProgramRun> m_run;
    QByteArray m_pending;
    QString m_text;
    bool m_ended = false;
    QVector<PRecord> m_records;
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
    return fileFormatOf(zone.fileFormat(), zone.filePath());
}

ZoneReadJob ZoneReadJob::of(const PZone &zone)
{
    return {zone,
            zone->name(),
            zone->filePath(),
            zone->directory(),
            zone->fileFormat(),
            zone->journalPath(),
            zone->checkNames(),
            zone->isSecondary()};
}

void readZoneRecords(const PZone &zone)
{
    ZoneRead read(ZoneReadJob::of(zone));
    read.start();
    ZoneReadOutcome outcome = read.finish();
    if (outcome.failure)
        throw *outcome.failure;
    zone->setRecords(outcome.records);
}

// Most of a small zone's read is the compiler's start, so several run at once, and the next starts
// as soon as any of them ends: a big zone holds up no other. An ended read is still inside its
// own signal, so the next step goes through the event loop.
void readZoneFiles(const std::function<std::optional<ZoneReadJob>()> &next,
                   const std::function<void(const ZoneReadJob &, ZoneReadOutcome)> &done)
{
    using Running = std::list<std::unique_ptr<ZoneRead>>;
    const int width = std::clamp(QThread::idealThreadCount(), 1, maximumCompilers);
    Running running;
    std::vector<std::pair<Running::iterator, ZoneReadOutcome>> ended;
    QEventLoop loop;
    std::function<void()> step = [&] {
        for (auto &[read, outcome] : std::exchange(ended, {})) {
            const std::unique_ptr<ZoneRead> finished = std::move(*read);
            running.erase(read);
            done(finished->job(), std::move(outcome));
        }
        while (int(running.size()) < width) {
            const std::optional<ZoneReadJob> job = next();
            if (!job)
                break;
            const Running::iterator read =
                running.insert(running.end(), std::make_unique<ZoneRead>(*job));
            (*read)->start([&, read](ZoneReadOutcome outcome) {
                ended.emplace_back(read, std::move(outcome));
                QMetaObject::invokeMethod(&loop, step, Qt::QueuedConnection);
            });
        }
        if (running.empty())
            loop.quit();
    };
    step();
    if (!running.empty())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}
