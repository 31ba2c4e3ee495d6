#include "recordform.h"

#include "common/validation.h"
#include "core/recordinput.h"
#include "dialogs/recordspinbox.h"
#include "records/zone.h"

#include <QLineEdit>

RecordForm::RecordForm(QWidget *parent) : QWidget(parent) {}

RecordForm::~RecordForm() = default;

void RecordForm::setCommonFields(QLineEdit *owner, RecordSpinBox *ttl)
{
    m_owner = owner;
    m_ttl = ttl;
    m_ttl->setMaximum(Record::maximumTtl);
}

PRecord RecordForm::newRecord() const
{
    const PRecord record(create());
    if (!m_zone)
        return record;
    record->setZone(m_zone);
    record->setRecordClass(m_zone->zoneClass());
    record->setTtl(RecordInput::defaultTtl(*m_zone));
    return record;
}

void RecordForm::fill(const Record &record)
{
    if (m_owner)
        m_owner->setText(shownName(record.name()));
    m_ttl->setValue(record.ttl());
    fillFields(record);
}

QStringList RecordForm::write(Record &record) const
{
    if (m_owner)
        record.setName(typedName(m_owner));
    record.setTtl(m_ttl->value());
    const QStringList problems = writeFields(record);
    return problems.isEmpty() ? record.validate() : problems;
}

void RecordForm::lockFields(const QStringList &objectNames)
{
    for (const QString &name : objectNames)
        findChild<QWidget *>(name)->setEnabled(false);
}

QString RecordForm::shownName(const QString &absoluteName) const
{
    return relativeName(absoluteName, m_zone ? m_zone->name() : QString());
}

QString RecordForm::typedName(const QLineEdit *field) const
{
    return absoluteName(field->text(), m_zone ? m_zone->name() : QString());
}
