#pragma once

#include "records/record.h"

#include <QWidget>

class QLineEdit;
class RecordSpinBox;
class Zone;

// The fields of one record type, shared by its dialog and its wizard pages: it shows a record,
// writes what is typed into one, and tells what keeps that record from standing in the zone.
// Names are typed as in the zone's file: relative to its apex, `@` for the apex itself, absolute
// with a final dot. Each form has its title as its window title.
class RecordForm : public QWidget
{
    Q_OBJECT

public:
    ~RecordForm() override;

    // Names are read at the zone's apex, or at the root without a zone; a new record gets the
    // zone's class and default TTL.
    void setZone(Zone *zone) { m_zone = zone; }
    Zone *zone() const { return m_zone; }

    // A record of the form's type, new in the zone.
    PRecord newRecord() const;
    void fill(const Record &record);
    // Writes the typed fields into the record. Tells what kept a field from being written, or
    // else what the record's own rules refuse; empty when the record may stand so.
    QStringList write(Record &record) const;
    // Fields that a wizard fills from its other pages are shown, not typed.
    void lockFields(const QStringList &objectNames);

protected:
    explicit RecordForm(QWidget *parent = nullptr);
    // Every form has a TTL. The owner field holds the record's name(); the pointer and SOA forms
    // write theirs themselves and give none.
    void setCommonFields(QLineEdit *owner, RecordSpinBox *ttl);

    virtual Record *create() const = 0;
    virtual void fillFields(const Record &record) = 0;
    // What kept a typed field from being written; empty when all were.
    virtual QStringList writeFields(Record &record) const = 0;

    QString shownName(const QString &absoluteName) const;
    QString typedName(const QLineEdit *field) const;

private:
    Zone *m_zone = nullptr;
    QLineEdit *m_owner = nullptr;
    RecordSpinBox *m_ttl = nullptr;
};
