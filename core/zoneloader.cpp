#include "zoneloader.h"

#include "storage/recordsources.h"

#include <QMutexLocker>
#include <QThread>

#include <algorithm>

ZoneLoader::ZoneLoader(const QList<PZone> &zones, QObject *parent) : QObject(parent)
{
    for (const PZone &zone : zones)
        m_waiting.push_back(ZoneReadJob::of(zone));
    m_total = int(m_waiting.size());
}

ZoneLoader::~ZoneLoader()
{
    m_stopping = true;
    if (m_thread)
        m_thread->wait();
}

void ZoneLoader::readAll()
{
    read(false);
}

void ZoneLoader::start()
{
    m_thread.reset(QThread::create([this] { read(true); }));
    m_thread->start();
}

void ZoneLoader::prioritize(const PZone &zone)
{
    QMutexLocker lock(&m_mutex);
    const auto waiting = std::find_if(m_waiting.begin(), m_waiting.end(),
                                      [&zone](const ZoneReadJob &job) { return job.zone == zone; });
    if (waiting == m_waiting.end())
        return;
    const ZoneReadJob job = *waiting;
    m_waiting.erase(waiting);
    m_waiting.push_front(job);
}

namespace {
// Done where the file was read, on a stand-in: the zone itself belongs to the loader's thread.
void markSources(const ZoneReadJob &job, const QVector<PRecord> &records)
{
    const PZone standIn = PZone::create();
    standIn->setName(job.name);
    standIn->setFile(job.filePath);
    standIn->setDirectory(job.directory);
    standIn->setRecords(records);
    RecordSources::mark(standIn);
}
} // namespace

void ZoneLoader::read(bool handOver)
{
    readZoneFiles([this] { return next(); },
                  [this, handOver](const ZoneReadJob &job, const ZoneReadOutcome &outcome) {
                      if (!outcome.failure)
                          markSources(job, outcome.records);
                      if (!handOver)
                          emit zoneRead(job.zone, outcome.records,
                                        outcome.failure ? outcome.failure->text() : QString());
                      else if (!m_stopping)
                          this->handOver(job, outcome);
                  });
    if (!handOver)
        emit finished();
    else if (!m_stopping)
        QMetaObject::invokeMethod(this, &ZoneLoader::finished, Qt::QueuedConnection);
}

std::optional<ZoneReadJob> ZoneLoader::next()
{
    QMutexLocker lock(&m_mutex);
    if (m_stopping || m_waiting.empty())
        return std::nullopt;
    ZoneReadJob job = m_waiting.front();
    m_waiting.pop_front();
    return job;
}

// Records made on the reading thread are owned by the loader's thread from here on.
void ZoneLoader::handOver(const ZoneReadJob &job, const ZoneReadOutcome &outcome)
{
    const QString problem = outcome.failure ? outcome.failure->text() : QString();
    QMetaObject::invokeMethod(
        this,
        [this, zone = job.zone, records = outcome.records, problem] {
            emit zoneRead(zone, records, problem);
        },
        Qt::QueuedConnection);
}
