#pragma once

#include <QFrame>
#include <QHostAddress>

class QLineEdit;

// The desktop's IPv4 address entry: four octet fields in a frame.
class KivoHostAddress : public QFrame
{
    Q_OBJECT

public:
    explicit KivoHostAddress(QWidget *parent = nullptr);
    ~KivoHostAddress() override;

    void setAddress(const QString &address);
    QHostAddress address() const;
    bool isValid() const;

    QString first() const;
    QString second() const;
    QString third() const;
    QString fourth() const;

signals:
    void addressChanged(const QHostAddress &address);

private:
    // implementation left to the platform module
    QLineEdit *octets[4] = {};
};
