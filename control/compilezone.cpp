#include "compilezone.h"

#include "common/filestamps.h"
#include "programrun.h"
#include "records/recordparser.h"

#include <QEventLoop>
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

QStringList compilerArguments(const QString &zoneName, const QString &fileName)
{
    return {QStringLiteral("-s"),
            QStringLiteral("full"),
            QStringLiteral("-o"),
            QStringLiteral("-"),
            zoneName,
            fileName};
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
    explicit ZoneRead(const ZoneReadJob &job)
        : m_job(job),
          m_run(compilerProgram, compilerArguments(job.name, job.filePath), job.directory)
    {
    }

    void start()
    {
        // Taken before the compiler reads: a change made meanwhile shows as one made later.
        FileStamps::remember(m_job.filePath);
        m_run.start();
    }

    const ZoneReadJob &job() const { return m_job; }

    // Waits for the compiler.
    ZoneReadOutcome finish()
    {
        while (m_run.waitForOutput())
            takeOutput();
        return outcome(m_run.waitForFinished());
    }

    // Takes the output as the event loop brings it; `finished` gets the outcome once.
    void follow(const std::function<void(ZoneReadOutcome)> &finished)
    {
        QObject::connect(&m_run, &ProgramRun::outputReady, [this] { takeOutput(); });
        QObject::connect(
            &m_run, &ProgramRun::finished,
            [this, finished](const ProgramResult &result) { finished(outcome(result)); });
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

ZoneReadJob ZoneReadJob::of(const PZone &zone)
{
    return {zone, zone->name(), zone->filePath(), zone->directory()};
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
            (*read)->follow([&, read](ZoneReadOutcome outcome) {
                ended.emplace_back(read, std::move(outcome));
                QMetaObject::invokeMethod(&loop, step, Qt::QueuedConnection);
            });
            (*read)->start();
        }
        if (running.empty())
            loop.quit();
    };
    step();
    if (!running.empty())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}
