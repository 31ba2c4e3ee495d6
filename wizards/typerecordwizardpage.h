#pragma once

#include <QWizardPage>

#include <memory>

namespace Ui {
class TypeRecordWizardPage;
}

// The first page of the record wizard: the type chosen here leads to the page of its form.
class TypeRecordWizardPage : public QWizardPage
{
    Q_OBJECT

public:
    explicit TypeRecordWizardPage(QWidget *parent = nullptr);
    ~TypeRecordWizardPage() override;

    // Lists the type, whose form is on the page with the id; an empty type word is any other.
    void offer(const QString &type, int pageId);

    int nextId() const override;

private:
    const std::unique_ptr<Ui::TypeRecordWizardPage> ui;
};
