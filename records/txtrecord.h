#pragma once

#include "record.h"

#include <QByteArrayList>

// The text is held as the record's strings in zone-file form, quoted and escaped as BIND prints
// them.
class TXTRecord : public Record
{
public:
    TXTRecord();
    TXTRecord(const TXTRecord &) = default;
    TXTRecord &operator=(const TXTRecord &) = default;
    TXTRecord(TXTRecord &&) = default;
    TXTRecord &operator=(TXTRecord &&) = default;

    QString fullName() const override { return name(); }
    QString content() const override { return m_text; }
    QString toString() const override { return line(ownerName(), m_text); }
    QStringList validate() const override;
    TXTRecord *clone() const override { return new TXTRecord(*this); }
    TXTRecord &assign(const Record &other) override;

    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }

    // A text as it is to be served, in zone-file form: quoted and escaped as BIND prints it, in
    // strings of at most 255 bytes.
    static QString quoted(const QString &text);
    // A text that starts with a double quote is the record's strings as a zone file writes them;
    // any other is the text to serve.
    void setTypedText(const QString &typed);
    // What setTypedText() takes to give the record its strings again: the text that they serve
    // where quoting it writes them exactly so, else the strings.
    QString typedText() const;

private:
    // The strings of zone-file text with quotes and escapes undone; false with the reason when
    // BIND would not read them so.
    static bool readStrings(const QString &text, QByteArrayList *strings, QString *problem);

    QString m_text;
};
