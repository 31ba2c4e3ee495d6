#include "zonejudge.h"

#include "programrun.h"

namespace {

const QString compilerProgram = QStringLiteral("/usr/bin/named-compilezone");
const QString ignore = QStringLiteral("ignore");
const char lineEnd = '\n';
const char commentStart = ';';
const char textEnd = '\0';
// Owner, time to live, class and type come before the data.
const int fieldsBeforeData = 4;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// Reads the compiler's lines while it prints them, so that the reading overlaps its work.
class LineReader
{
public:
    explicit LineReader(const ZoneJudge::LineSink &takeLine) : m_takeLine(takeLine) {}

    void takeFrom(ProgramRun &run)
    {
        const int kept = m_pending.size();
        run.readOutput(m_pending);
        takeLines(kept);
    }

    // What the compiler printed last, with a last line that may lack its line feed.
    void finish(const QByteArray &rest)
    {
        const int kept = m_pending.size();
        m_pending += rest;
        takeLines(kept);
        takeLine(m_pending.constData(), m_pending.size());
        m_pending.clear();
    }

private:
    // The text ends at the first zero byte; the bytes from `kept` on are new.
    void takeLines(int kept)
    {
        if (m_ended) {
            m_pending.clear();
            return;
        }
        const int zero = m_pending.indexOf(textEnd, kept);
        if (zero >= 0) {
            m_pending.truncate(zero);
            m_ended = true;
        }
        int start = 0;
        for (int end = m_pending.indexOf(lineEnd); end >= 0;
             start = end + 1, end = m_pending.indexOf(lineEnd, start))
            takeLine(m_pending.constData() + start, end - start);
        m_pending.remove(0, start);
    }

    void takeLine(const char *bytes, int size)
    {
        if (size == 0 || bytes[0] == commentStart)
            return;
        m_bytes.clear();
        int position = 0;
        for (int field = 0; field < fieldsBeforeData && position < size; ++field) {
            const int begin = position;
            while (position < size && !isSpace(bytes[position]))
                ++position;
            m_bytes.append(bytes + begin, position - begin).append(' ');
            while (position < size && isSpace(bytes[position]))
                ++position;
        }
        m_bytes.append(bytes + position, size - position);
        m_takeLine(decode());
    }

    // The compiler escapes every byte outside ASCII, so a line widens as UTF-8 decoding would;
    // the reused buffer spares an allocation per record.
    const QString &decode()
    {
        m_line.resize(m_bytes.size());
        QChar *characters = m_line.data();
        for (int index = 0; index < m_bytes.size(); ++index) {
            if (uchar(m_bytes.at(index)) >= 0x80) {
                m_line = QString::fromUtf8(m_bytes);
                break;
            }
            characters[index] = QLatin1Char(m_bytes.at(index));
        }
        return m_line;
    }

    ZoneJudge::LineSink m_takeLine;
    QByteArray m_pending;
    QByteArray m_bytes;
    QString m_line;
    bool m_ended = false;
};

// The checks that can only warn would add their cost and not change the verdict. So would the
// integrity checks (the names that MX, SRV and delegation NS records lead to): they only warn, and
// the full ones look up names outside the zone over the network.
QStringList compilerArguments(const QString &zoneName, const QString &checkNames)
{
    QStringList arguments;
    for (const char *check : {"-n", "-m", "-M", "-S", "-r", "-W", "-T"})
        arguments << QLatin1String(check) << ignore;
    return arguments << QStringLiteral("-k") << checkNames << QStringLiteral("-i")
                     << QStringLiteral("none") << QStringLiteral("-s") << QStringLiteral("full")
                     << QStringLiteral("-o") << QStringLiteral("-") << zoneName
                     << ProgramRun::inputPath();
}

} // namespace

ZoneJudge::ZoneJudge(const QString &zoneName, const QString &workingDirectory,
                     const QString &checkNames)
    : m_compiler(compilerProgram, compilerArguments(zoneName, checkNames), workingDirectory)
{
    m_compiler.startForInput();
}

CheckResult ZoneJudge::judge(const QByteArray &text, const std::function<void()> &meanwhile,
                             const LineSink &takeLine)
{
    m_compiler.feed(text);
    meanwhile();
    LineReader reader(takeLine);
    while (m_compiler.waitForOutput())
        reader.takeFrom(m_compiler);
    const ProgramResult compiled = m_compiler.waitForFinished();
    reader.finish(compiled.standardOutput);

    CheckResult result;
    result.completed = compiled.status == ProgramResult::Exited;
    result.ok = compiled.succeeded();
    result.report = result.completed ? compiled.errorText() : compiled.failure();
    return result;
}
