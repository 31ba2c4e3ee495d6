#pragma once

#include <QFrame>
#include <QHostAddress>

#include <array>

class QLineEdit;

// The desktop's IPv4 address entry: four octet fields in a frame. Typing a dot or filling an octet
// moves on to the next one; each octet takes only 0 to 255.
class KivoHostAddress : public QFrame
{
    Q_OBJECT

public:
    explicit KivoHostAddress(QWidget *parent = nullptr);
    ~KivoHostAddress() override;

    // Shows a dotted address, also a partial one such as "192.168.1"; anything else, like an
    // empty text, gives an empty entry.
    void setAddress(const QString &address);
    // Null unless all four octets are entered.
    QHostAddress address() const;
    bool isValid() const;

    QString first() const;
    QString second() const;
    QString third() const;
    QString fourth() const;

signals:
    void addressChanged(const QHostAddress &address);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *makeOctet();
    int indexOf(QObject *octet) const;
    bool handleKey(int index, QKeyEvent *event);
    bool overflowsIntoNext(int index, const QString &typed) const;
    void moveTo(int index, bool atEnd);
    void onOctetEdited(int index);
    void onOctetChanged();

    std::array<QLineEdit *, 4> octets = {};
    bool filling = false;
};

Q_DECLARE_METATYPE(QHostAddress)
