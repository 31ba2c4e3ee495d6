#pragma once

#include <QWizardPage>

#include <memory>

namespace Ui {
class TypeRecordWizardPage;
}

// The first page of the record wizard: the type chosen here picks the form of the next page.
class TypeRecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit TypeRecordWizardPage(QWidget *parent = nullptr);
    ~TypeRecordWizardPage() override;

    void initializePage() override {}
    void cleanupPage() override {}
    bool validatePage() override { return true; }
    bool isComplete() const override { return m_complete; }
    int nextId() const override;

private:
    bool m_complete = true;
    const std::unique_ptr<Ui::TypeRecordWizardPage> ui;
};
