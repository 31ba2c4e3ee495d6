#include "changewizard.h"

#include "dialogs/validationreport.h"

ChangeWizard::ChangeWizard(QWidget *parent) : QWizard(parent) {}

ChangeWizard::~ChangeWizard() = default;

void ChangeWizard::setChange(const QString &failureTitle, const std::function<void()> &change)
{
    m_failureTitle = failureTitle;
    m_change = change;
}

// Finish validates the last page here too, before the wizard closes.
bool ChangeWizard::validateCurrentPage()
{
    if (!QWizard::validateCurrentPage())
        return false;
    if (!m_change || currentPage()->nextId() != -1)
        return true;
    return attemptChange(this, m_failureTitle, m_change);
}
