#pragma once

#include "control/compilezone.h"
#include "records/zone.h"

#include <QMutex>
#include <QObject>
#include <QVector>

#include <atomic>
#include <deque>
#include <memory>

class QThread;

// Reads the files of listed zones through the compiler, several at once: before readAll()
// returns, or on a thread of its own after start(), handing each zone's records to the loader's
// thread as they arrive. Nothing of a zone is touched until its outcome is handed over.
class ZoneLoader : public QObject
{
    Q_OBJECT

public:
    explicit ZoneLoader(const QList<PZone> &zones, QObject *parent = nullptr);
    // Starts no further compiler and waits for the ones still running.
    ~ZoneLoader() override;

    void readAll();
    void start();
    // Reads the zone's file next, when it is still waiting.
    void prioritize(const PZone &zone);
    int total() const { return m_total; }

signals:
    // An empty problem: the zone's file was read and these are its records.
    void zoneRead(PZone zone, QVector<PRecord> records, QString problem);
    void finished();

private:
    void read(bool handOver);
    std::optional<ZoneReadJob> next();
    void handOver(const ZoneReadJob &job, const ZoneReadOutcome &outcome);

    QMutex m_mutex;
    std::deque<ZoneReadJob> m_waiting;
    std::atomic_bool m_stopping{false};
    std::unique_ptr<QThread> m_thread;
    int m_total = 0;
};
