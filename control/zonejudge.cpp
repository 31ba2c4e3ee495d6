#include "zonejudge.h"

#include "programrun.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

const QString checkerProgram = QStringLiteral("/usr/bin/named-checkzone");
const QString compilerProgram = QStringLiteral("/usr/bin/named-compilezone");
const char lineEnd = '\n';
const char commentStart = ';';
// Owner, time to live, class and type come before the data.
const int fieldsBeforeData = 4;

QString translate(const char *text)
{
    return QCoreApplication::translate("ZoneJudge", text);
}

void start(QProcess &process, const QString &program, const QStringList &arguments,
           const QString &workingDirectory)
{
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments, QIODevice::ReadOnly);
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// Reads the compiler's lines while it prints them, so that the reading overlaps its work.
class LineReader
{
public:
    explicit LineReader(const ZoneJudge::LineSink &takeLine) : m_takeLine(takeLine) {}

    void take(const QByteArray &bytes)
    {
        if (m_ended)
            return;
        const int zero = bytes.indexOf('\0');
        m_pending += zero < 0 ? bytes : bytes.left(zero);
        m_ended = zero >= 0;
        int start = 0;
        for (int end = m_pending.indexOf(lineEnd); end >= 0;
             start = end + 1, end = m_pending.indexOf(lineEnd, start))
            takeLine(m_pending.constData() + start, end - start);
        m_pending.remove(0, start);
    }

    void finish()
    {
        takeLine(m_pending.constData(), m_pending.size());
        m_pending.clear();
    }

private:
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

QString notStarted(const QString &program, const QProcess &process)
{
    return translate(QT_TRANSLATE_NOOP("ZoneJudge", "Failed to start %1: %2"))
        .arg(program, process.errorString());
}

} // namespace

CheckResult ZoneJudge::judge(const QString &zoneName, const QString &fileName,
                             const QString &workingDirectory, const LineSink &takeLine)
{
    QProcess checker;
    QProcess compiler;
    start(checker, checkerProgram,
          {QStringLiteral("-i"), QStringLiteral("full"), zoneName, fileName}, workingDirectory);
    start(compiler, compilerProgram,
          {QStringLiteral("-i"), QStringLiteral("none"), QStringLiteral("-s"),
           QStringLiteral("full"), QStringLiteral("-o"), QStringLiteral("-"), zoneName, fileName},
          workingDirectory);

    CheckResult result;
    LineReader reader(takeLine);
    if (compiler.waitForStarted(-1)) {
        while (compiler.waitForReadyRead(-1))
            reader.take(compiler.readAllStandardOutput());
        compiler.waitForFinished(-1);
        reader.take(compiler.readAllStandardOutput());
        reader.finish();
    }
    if (!checker.waitForStarted(-1)) {
        result.report = notStarted(checkerProgram, checker);
        return result;
    }
    checker.waitForFinished(-1);
    if (checker.exitStatus() != QProcess::NormalExit) {
        result.report = translate(QT_TRANSLATE_NOOP("ZoneJudge", "Process crashed"));
        return result;
    }
    if (compiler.error() == QProcess::FailedToStart) {
        result.report = notStarted(compilerProgram, compiler);
        return result;
    }
    result.completed = true;
    if (checker.exitCode() != 0) {
        result.report = programOutputText(checker.readAllStandardOutput());
        return result;
    }
    if (compiler.exitStatus() != QProcess::NormalExit || compiler.exitCode() != 0) {
        result.report = programOutputText(compiler.readAllStandardError());
        return result;
    }
    result.ok = true;
    result.report = programOutputText(checker.readAllStandardOutput());
    return result;
}
