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
               tr("Zone will be moved from file %1 to file %2, with all its options.\nDo you "
                  "want to continue?")
                   .arg(zone.conf(), Paths::managedIncludeFile()));
}

bool Prompts::zoneRemoval(const Zone &zone, bool deletesFile) const
{
    const QString file =
        deletesFile ? tr("Its file %1 will be deleted.") : tr("Its file %1 is kept.");
    return ask(tr("Remove"), tr("Do you really want to remove zone %1?").arg(zone.name()) +
                                 QLatin1Char('\n') + file.arg(zone.filePath()));
}

bool Prompts::recordRemoval(const Record &record) const
{
    return ask(tr("Remove"), tr("Do you really want to remove record %1?").arg(record.name()));
}

bool Prompts::ownFile(const Zone &zone, const QList<PZone> &sharing) const
{
    QStringList names;
    for (const PZone &other : sharing)
        names.append(other->name());
    return ask(tr("Shared zone file"),
               tr("Zone file %1 is also the file of %2; a change to the records of %3 would change "
                  "them too.\nGive zone %3 a copy of its own in %4 and change that?")
                   .arg(zone.filePath(), names.join(QStringLiteral(", ")), zone.name(),
                        Paths::zoneDirectory()));
}
