#include "recordspinbox.h"

#include <QLineEdit>

RecordSpinBox::RecordSpinBox(QWidget *parent) : QSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textEdited, this, &RecordSpinBox::onTextEdited);
}

RecordSpinBox::~RecordSpinBox() = default;

void RecordSpinBox::setRecordValue(quint64 value)
{
    m_held.reset();
    if (value <= quint64(maximum())) {
        setValue(int(value));
        return;
    }
    // The box rests on its maximum, which textFromValue() shows as the held value.
    m_held = value;
    setValue(maximum());
}

quint64 RecordSpinBox::recordValue() const
{
    if (m_held)
        return *m_held;
    return quint64(qMax(0, value()));
}

void RecordSpinBox::stepBy(int steps)
{
    m_held.reset();
    QSpinBox::stepBy(steps);
}

QString RecordSpinBox::textFromValue(int value) const
{
    if (!m_held || value != maximum())
        return QSpinBox::textFromValue(value);
    QString text = locale().toString(qulonglong(*m_held));
    if (!isGroupSeparatorShown())
        text.remove(locale().groupSeparator());
    return text;
}

// A cleared field is no decision yet: leaving it brings the held value back.
void RecordSpinBox::onTextEdited(const QString &text)
{
    QString input = text;
    int position = lineEdit()->cursorPosition();
    if (validate(input, position) == QValidator::Acceptable)
        m_held.reset();
}
