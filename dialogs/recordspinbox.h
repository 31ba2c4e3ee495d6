#pragma once

#include <QAbstractSpinBox>

// The numbers of a record as typed: times to live, the SOA's serial and timers, preferences,
// priorities, weights and ports, 64-bit alike. The arrows step between 0 and the maximum, but a
// typed number is kept as it is, above the maximum too: the record's own rules then refuse it in
// words, where a box that cut it would change it silently.
class RecordSpinBox : public QAbstractSpinBox
{
    Q_OBJECT
    Q_PROPERTY(qulonglong value READ value WRITE setValue USER true)

public:
    explicit RecordSpinBox(QWidget *parent = nullptr);
    ~RecordSpinBox() override;

    quint64 value() const { return m_value; }
    void setValue(quint64 value);
    quint64 maximum() const { return m_maximum; }
    void setMaximum(quint64 maximum);

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    void onTextEdited(const QString &text);
    void showValue();

    quint64 m_value = 0;
    quint64 m_maximum = 4294967295U;
};
