#include "ptrrecordform.h"

#include "records/ptrrecord.h"

#include "ui_ptrrecordform.h"

#include <QRegularExpression>

namespace {
// Four numbers between dots are meant as an IPv4 address, never as a relative name.
const QRegularExpression dottedQuad(QStringLiteral("^[0-9]+(\\.[0-9]+){3}$"));
const QLatin1Char ipv6Separator(':');
} // namespace

PTRRecordForm::PTRRecordForm(QWidget *parent)
    : RecordForm(parent), ui(std::make_unique<Ui::PTRRecordForm>())
{
    ui->setupUi(this);
    setCommonFields(nullptr, ui->spinBoxTTL);
}

PTRRecordForm::~PTRRecordForm() = default;

Record *PTRRecordForm::create() const
{
    return new PTRRecord;
}

// The owner shows as the address it points from, where it is the reverse name of one.
void PTRRecordForm::fillFields(const Record &record)
{
    const auto &ptr = dynamic_cast<const PTRRecord &>(record);
    const QString address = addressOfReverseName(ptr.name());
    ui->lineEditAddress->setText(address.isEmpty() ? shownName(ptr.name()) : address);
    ui->lineEditPTRDName->setText(shownName(ptr.ptrdName()));
}

QStringList PTRRecordForm::writeFields(Record &record) const
{
    auto &ptr = dynamic_cast<PTRRecord &>(record);
    ptr.setPtrdName(typedName(ui->lineEditPTRDName));
    const QString typed = ui->lineEditAddress->text().trimmed();
    if (isValidIPv4(typed) || isValidIPv6(typed))
        ptr.setName(reverseNameFromAddress(typed));
    else if (typed.contains(ipv6Separator))
        return {tr("%1 is not a valid IPv6 address").arg(typed)};
    else if (dottedQuad.match(typed).hasMatch())
        return {tr("%1 is not a valid IPv4 address").arg(typed)};
    else
        ptr.setName(typedName(ui->lineEditAddress));
    return {};
}
