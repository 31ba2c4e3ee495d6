#pragma once

#include "records/record.h"
#include "records/zone.h"

#include <QCoreApplication>
#include <QMessageBox>

// The window's questions and notices: modal boxes over the window, answered before the work goes
// on.
class Prompts
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    explicit Prompts(QWidget *window) : m_window(window) {}

    bool ask(const QString &title, const QString &text) const;
    void notify(QMessageBox::Icon icon, const QString &title, const QString &text) const;
    void critical(const QString &title, const QString &text) const
    {
        notify(QMessageBox::Critical, title, text);
    }
    // A checker's verdict, with its report behind the details button.
    static void checkResult(bool ok, const QString &okText, const QString &errorText,
                            const QString &report);

    bool zoneTransfer(const Zone &zone) const;
    bool zoneRemoval(const Zone &zone, bool deletesFile) const;
    bool recordRemoval(const Record &record) const;
    bool ownFile(const Zone &zone, const QList<PZone> &sharing) const;

private:
    QWidget *m_window;
};
