#include "recordspinbox.h"

#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <cstdlib>

namespace {
// Nineteen digits hold every number a field can be given and still fit in 64 bits.
constexpr int maximumDigits = 19;

bool parseNumber(const QString &text, quint64 *value)
{
    if (text.isEmpty() || text.size() > maximumDigits)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    *value = text.toULongLong();
    return true;
}
} // namespace

RecordSpinBox::RecordSpinBox(QWidget *parent) : QAbstractSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textEdited, this, &RecordSpinBox::onTextEdited);
    connect(this, &QAbstractSpinBox::editingFinished, this, &RecordSpinBox::showValue);
    showValue();
}

RecordSpinBox::~RecordSpinBox() = default;

void RecordSpinBox::setValue(quint64 value)
{
    m_value = value;
    showValue();
}

void RecordSpinBox::setMaximum(quint64 maximum)
{
    m_maximum = maximum;
    updateGeometry();
}

void RecordSpinBox::stepBy(int steps)
{
    const quint64 from = std::min(m_value, m_maximum);
    const quint64 distance = quint64(std::abs(qint64(steps)));
    if (steps < 0)
        setValue(from < distance ? 0 : from - distance);
    else
        setValue(m_maximum - from < distance ? m_maximum : from + distance);
    selectAll();
}

QAbstractSpinBox::StepEnabled RecordSpinBox::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    StepEnabled enabled = StepNone;
    if (m_value > 0)
        enabled |= StepDownEnabled;
    if (m_value < m_maximum)
        enabled |= StepUpEnabled;
    return enabled;
}

QValidator::State RecordSpinBox::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    if (input.isEmpty())
        return QValidator::Intermediate;
    quint64 number = 0;
    return parseNumber(input, &number) ? QValidator::Acceptable : QValidator::Invalid;
}

void RecordSpinBox::fixup(QString &input) const
{
    quint64 number = 0;
    if (!parseNumber(input, &number))
        input = QString::number(m_value);
}

QSize RecordSpinBox::sizeHint() const
{
    ensurePolished();
    const QString widest = QString::number(m_maximum) + QLatin1Char(' ');
    const int width = fontMetrics().horizontalAdvance(widest) + 2;
    const int height = lineEdit()->sizeHint().height();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()
        ->sizeFromContents(QStyle::CT_SpinBox, &option, QSize(width, height), this)
        .expandedTo(QApplication::globalStrut());
}

QSize RecordSpinBox::minimumSizeHint() const
{
    return sizeHint();
}

void RecordSpinBox::onTextEdited(const QString &text)
{
    quint64 number = 0;
    if (parseNumber(text, &number))
        m_value = number;
}

// Leading zeros and a cleared field are put back into the plain form of the value.
void RecordSpinBox::showValue()
{
    const QString text = QString::number(m_value);
    if (lineEdit()->text() != text)
        lineEdit()->setText(text);
}
