#pragma once

#include <QAbstractSpinBox>

// A zone serial is an unsigned 32-bit number and serials above 2^31 are common, which a QSpinBox
// (int) cannot hold: the whole range 0 to 4294967295 is offered here.
class SerialSpinBox : public QAbstractSpinBox
{
    Q_OBJECT
    Q_PROPERTY(quint32 value READ value WRITE setValue NOTIFY valueChanged USER true)

public:
    static constexpr quint32 maximumValue = 4294967295U;

    explicit SerialSpinBox(QWidget *parent = nullptr);
    ~SerialSpinBox() override;

    quint32 value() const { return m_value; }

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setValue(quint32 value);

signals:
    void valueChanged(quint32 value);

protected:
    StepEnabled stepEnabled() const override;

private:
    void onTextEdited(const QString &text);
    void showValue();

    quint32 m_value = 0;
};
