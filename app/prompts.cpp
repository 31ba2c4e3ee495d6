#include "prompts.h"

#include "common/paths.h"

bool Prompts::ask(const QString &title, const QString &text) const
{
    return QMessageBox::question(m_window, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::NoButton) == QMessageBox::Yes;
}

void Prompts::notify(QMessageBox::Icon icon, const QString &title, const QString &text) const
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, m_window);
    box.exec();
}

void Prompts::checkResult(bool ok, const QString &okText, const QString &errorText,
                          const QString &report)
{
    QMessageBox box;
    box.setIcon(ok ? QMessageBox::Information : QMessageBox::Critical);
    box.setText(ok ? okText : errorText);
    box.setDetailedText(report);
    box.exec();
}

bool Prompts::zoneTransfer(const Zone &zone) const
{
    return ask(tr("Zone transfer"),
               tr("Zone will be moved from file %1 to file %2.\nSome zone options may be "
                  "lost.\nDo you want to continue?")
                   .arg(zone.conf(), Paths::managedIncludeFile()));
}

bool Prompts::zoneRemoval(const Zone &zone) const
{
    return ask(tr("Remove"), tr("Do you really want to remove zone %1?").arg(zone.name()));
}

bool Prompts::recordRemoval(const Record &record) const
{
    return ask(tr("Remove"), tr("Do you really want to remove record %1?").arg(record.name()));
}
