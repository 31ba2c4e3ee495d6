#include "recordwizardpage.h"

#include "dialogs/recordform.h"
#include "dialogs/validationreport.h"

#include <QVBoxLayout>

RecordWizardPage::RecordWizardPage(RecordForm *form, QWidget *parent)
    : QWizardPage(parent), m_form(form)
{
    setTitle(form->windowTitle());
    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->addWidget(form);
}

RecordWizardPage::~RecordWizardPage() = default;

void RecordWizardPage::start(Zone *zone)
{
    m_form->setZone(zone);
    m_form->fill(*m_form->newRecord());
}

PRecord RecordWizardPage::record() const
{
    const PRecord record = m_form->newRecord();
    m_form->write(*record);
    return record;
}

bool RecordWizardPage::validatePage()
{
    return reportValidation(this, m_form->write(*m_form->newRecord()));
}
