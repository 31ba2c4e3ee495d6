#include "typerecordwizardpage.h"

#include "ui_typerecordwizardpage.h"

TypeRecordWizardPage::TypeRecordWizardPage(QWidget *parent)
    : QWizardPage(parent), ui(new Ui::TypeRecordWizardPage)
{
    ui->setupUi(this);
}

TypeRecordWizardPage::~TypeRecordWizardPage() = default;

void TypeRecordWizardPage::offer(const QString &type, int pageId)
{
    ui->comboBoxType->addItem(type.isEmpty() ? tr("Custom", "Custom type") : type, pageId);
}

int TypeRecordWizardPage::nextId() const
{
    return ui->comboBoxType->currentData().toInt();
}
