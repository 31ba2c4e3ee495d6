#pragma once

#include <QSpinBox>

#include <optional>

// Times to live, SOA timers and preferences are 64-bit in a record but a QSpinBox holds an int.
// A record value above the range is shown as it is and given back unchanged until the user edits
// the box, so that confirming a form never alters a field that nobody touched.
class RecordSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    explicit RecordSpinBox(QWidget *parent = nullptr);
    ~RecordSpinBox() override;

    void setRecordValue(quint64 value);
    quint64 recordValue() const;

    void stepBy(int steps) override;

protected:
    QString textFromValue(int value) const override;

private:
    void onTextEdited(const QString &text);

    std::optional<quint64> m_held;
};
