#pragma once

#include <QWizard>

#include <functional>

// A wizard whose Finish makes a change, such as storing what it composed. A refused change is
// shown, and the wizard stays open on its last page with what was typed.
class ChangeWizard : public QWizard
{
    Q_OBJECT

public:
    ~ChangeWizard() override;

    // The change throws ErrorStackException when refused; its message is shown under the title.
    void setChange(const QString &failureTitle, const std::function<void()> &change);

    bool validateCurrentPage() override;

protected:
    explicit ChangeWizard(QWidget *parent = nullptr);

private:
    QString m_failureTitle;
    std::function<void()> m_change;
};
