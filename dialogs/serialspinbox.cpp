#include "serialspinbox.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace {
bool parseSerial(const QString &text, quint32 *value)
{
    // Ten digits hold every 32-bit number; more could only overflow the conversion below.
    if (text.isEmpty() || text.size() > 10)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const qulonglong number = text.toULongLong();
    if (number > SerialSpinBox::maximumValue)
        return false;
    *value = quint32(number);
    return true;
}
} // namespace

SerialSpinBox::SerialSpinBox(QWidget *parent) : QAbstractSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textEdited, this, &SerialSpinBox::onTextEdited);
    connect(this, &QAbstractSpinBox::editingFinished, this, &SerialSpinBox::showValue);
    showValue();
}

SerialSpinBox::~SerialSpinBox() = default;

void SerialSpinBox::setValue(quint32 value)
{
    const bool changed = value != m_value;
    m_value = value;
    showValue();
    if (changed)
        emit valueChanged(m_value);
}

void SerialSpinBox::stepBy(int steps)
{
    const qint64 next = std::clamp<qint64>(qint64(m_value) + steps, 0, qint64(maximumValue));
    setValue(quint32(next));
    selectAll();
}

QAbstractSpinBox::StepEnabled SerialSpinBox::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    StepEnabled enabled = StepNone;
    if (m_value > 0)
        enabled |= StepDownEnabled;
    if (m_value < maximumValue)
        enabled |= StepUpEnabled;
    return enabled;
}

QValidator::State SerialSpinBox::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    if (input.isEmpty())
        return QValidator::Intermediate;
    quint32 number = 0;
    return parseSerial(input, &number) ? QValidator::Acceptable : QValidator::Invalid;
}

void SerialSpinBox::fixup(QString &input) const
{
    quint32 number = 0;
    if (!parseSerial(input, &number))
        input = QString::number(m_value);
}

QSize SerialSpinBox::sizeHint() const
{
    ensurePolished();
    const QString widest = QString::number(maximumValue) + QLatin1Char(' ');
    const int width = fontMetrics().horizontalAdvance(widest) + 2;
    const int height = lineEdit()->sizeHint().height();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()
        ->sizeFromContents(QStyle::CT_SpinBox, &option, QSize(width, height), this)
        .expandedTo(QApplication::globalStrut());
}

QSize SerialSpinBox::minimumSizeHint() const
{
    return sizeHint();
}

void SerialSpinBox::onTextEdited(const QString &text)
{
    quint32 number = 0;
    if (!parseSerial(text, &number) || number == m_value)
        return;
    m_value = number;
    emit valueChanged(m_value);
}

// Leading zeros and a cleared field are put back into the plain form of the value.
void SerialSpinBox::showValue()
{
    const QString text = QString::number(m_value);
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}
