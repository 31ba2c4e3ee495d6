#include "typerecordwizardpage.h"

#include "ui_typerecordwizardpage.h"

namespace {
// The type list and the record wizard's page ids run in the same order, one apart.
constexpr int lastTypeIndex = 9;
} // namespace

TypeRecordWizardPage::TypeRecordWizardPage(QWidget *parent)
    : QWizardPage(parent), ui(new Ui::TypeRecordWizardPage)
{
    ui->setupUi(this);
    registerField(QStringLiteral("RecordType*"), ui->comboBoxType);
}

TypeRecordWizardPage::~TypeRecordWizardPage() = default;

int TypeRecordWizardPage::nextId() const
{
    const int index = ui->comboBoxType->currentIndex();
    if (index < 0 || index > lastTypeIndex)
        return -1;
    return index + 1;
}
