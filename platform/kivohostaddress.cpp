#include "platform/kivohostaddress.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
// 0 to 255 without leading zeros, and every prefix of such a number while it is typed.
const QString octetPattern =
    QStringLiteral("(?:0|1[0-9]{0,2}|2(?:[0-4][0-9]?|5[0-5]?|[6-9])?|[3-9][0-9]?)?");

const QRegularExpression &octetExpression()
{
    static const QRegularExpression expression(QRegularExpression::anchoredPattern(octetPattern));
    return expression;
}

bool isOctet(const QString &text)
{
    return !text.isEmpty() && octetExpression().match(text).hasMatch();
}

// No further digit fits once a number is this long or large.
bool isOctetFull(const QString &text)
{
    return text.size() == 3 || text == QLatin1String("0") || text.toInt() > 25;
}

bool isSeparator(const QString &text)
{
    return text == QLatin1String(".") || text == QLatin1String(",");
}

// The parts of a dotted IPv4 address, possibly incomplete, each without leading zeros; empty when
// the text is none.
QStringList octetTexts(const QString &address)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    const QString trimmed = address.trimmed();
    const QStringList parts = trimmed.split(QLatin1Char('.'));
    if (trimmed.isEmpty() || parts.size() > 4)
        return {};
    QStringList texts;
    for (const QString &part : parts) {
        if (part.isEmpty()) {
            texts.append(QString());
            continue;
        }
        if (!digits.match(part).hasMatch() || part.toInt() > 255)
            return {};
        texts.append(QString::number(part.toInt()));
    }
    return texts;
}
} // namespace

KivoHostAddress::KivoHostAddress(QWidget *parent) : QFrame(parent)
{
    // Queued connections and signal spies need the signal's argument type by name.
    qRegisterMetaType<QHostAddress>();
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setMinimumSize(0, 32);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(0);
    for (int index = 0; index < 4; ++index) {
        if (index > 0)
            layout->addWidget(new QLabel(QStringLiteral("."), this));
        octets[index] = makeOctet();
        octets[index]->setAccessibleName(tr("Octet %1").arg(index + 1));
        layout->addWidget(octets[index], 1);
        connect(octets[index], &QLineEdit::textEdited, this,
                [this, index] { onOctetEdited(index); });
        connect(octets[index], &QLineEdit::textChanged, this, &KivoHostAddress::onOctetChanged);
    }
    setFocusProxy(octets[0]);
}

KivoHostAddress::~KivoHostAddress() = default;

QLineEdit *KivoHostAddress::makeOctet()
{
    auto *octet = new QLineEdit(this);
    octet->setFrame(false);
    octet->setAlignment(Qt::AlignCenter);
    octet->setMaxLength(3);
    octet->setValidator(new QRegularExpressionValidator(octetExpression(), octet));
    octet->setMinimumWidth(octet->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    octet->installEventFilter(this);
    return octet;
}

void KivoHostAddress::setAddress(const QString &address)
{
    const QStringList texts = octetTexts(address);
    const QStringList beforeTexts = {first(), second(), third(), fourth()};
    filling = true;
    for (int index = 0; index < 4; ++index)
        octets[index]->setText(texts.value(index));
    filling = false;
    if (beforeTexts != QStringList{first(), second(), third(), fourth()})
        emit addressChanged(this->address());
}

QHostAddress KivoHostAddress::address() const
{
    if (!isValid())
        return QHostAddress();
    quint32 value = 0;
    for (const QLineEdit *octet : octets)
        value = (value << 8) | octet->text().toUInt();
    return QHostAddress(value);
}

bool KivoHostAddress::isValid() const
{
    for (const QLineEdit *octet : octets) {
        if (!isOctet(octet->text()))
            return false;
    }
    return true;
}

QString KivoHostAddress::first() const
{
    return octets[0]->text();
}

QString KivoHostAddress::second() const
{
    return octets[1]->text();
}

QString KivoHostAddress::third() const
{
    return octets[2]->text();
}

QString KivoHostAddress::fourth() const
{
    return octets[3]->text();
}

bool KivoHostAddress::eventFilter(QObject *watched, QEvent *event)
{
    const int index = indexOf(watched);
    if (index < 0 || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    return handleKey(index, static_cast<QKeyEvent *>(event)) || QFrame::eventFilter(watched, event);
}

int KivoHostAddress::indexOf(QObject *octet) const
{
    for (int index = 0; index < 4; ++index) {
        if (octets[index] == octet)
            return index;
    }
    return -1;
}

// Returns true when the key was taken here and the octet must not see it.
bool KivoHostAddress::handleKey(int index, QKeyEvent *event)
{
    QLineEdit *octet = octets[index];
    if (event->matches(QKeySequence::Paste)) {
        const QString pasted = QApplication::clipboard()->text().trimmed();
        if (!pasted.contains(QLatin1Char('.')))
            return false;
        setAddress(pasted);
        return true;
    }
    if (overflowsIntoNext(index, event->text())) {
        moveTo(index + 1, false);
        octets[index + 1]->insert(event->text());
        onOctetEdited(index + 1);
        return true;
    }
    if (isSeparator(event->text())) {
        if (!octet->text().isEmpty() && !octet->hasSelectedText() && index < 3)
            moveTo(index + 1, false);
        return true;
    }
    const bool atStart = octet->cursorPosition() == 0 && !octet->hasSelectedText();
    const bool atEnd = octet->cursorPosition() == octet->text().size() && !octet->hasSelectedText();
    if (event->key() == Qt::Key_Backspace && atStart && index > 0) {
        moveTo(index - 1, true);
        octets[index - 1]->backspace();
        return true;
    }
    if (event->key() == Qt::Key_Left && event->modifiers() == Qt::NoModifier && atStart &&
        index > 0) {
        moveTo(index - 1, true);
        return true;
    }
    if (event->key() == Qt::Key_Right && event->modifiers() == Qt::NoModifier && atEnd &&
        index < 3) {
        moveTo(index + 1, false);
        return true;
    }
    return false;
}

// A digit that would take a complete octet past 255 belongs to the next one.
bool KivoHostAddress::overflowsIntoNext(int index, const QString &typed) const
{
    const QLineEdit *octet = octets[index];
    const bool digit =
        typed.size() == 1 && typed.at(0) >= QLatin1Char('0') && typed.at(0) <= QLatin1Char('9');
    return digit && index < 3 && !octet->text().isEmpty() && !octet->hasSelectedText() &&
           octet->cursorPosition() == octet->text().size() && !isOctet(octet->text() + typed);
}

void KivoHostAddress::moveTo(int index, bool atEnd)
{
    QLineEdit *octet = octets[index];
    octet->setFocus(Qt::OtherFocusReason);
    if (atEnd)
        octet->setCursorPosition(octet->text().size());
    else
        octet->selectAll();
}

// Typing the last digit that fits carries on in the next octet, as if a dot had been typed.
void KivoHostAddress::onOctetEdited(int index)
{
    const QLineEdit *octet = octets[index];
    if (index < 3 && octet->cursorPosition() == octet->text().size() && isOctetFull(octet->text()))
        moveTo(index + 1, false);
}

void KivoHostAddress::onOctetChanged()
{
    if (!filling)
        emit addressChanged(address());
}
