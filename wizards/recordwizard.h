#pragma once

#include "records/record.h"

#include <QWizard>

#include <memory>

class AAAARecordWizardPage;
class ARecordWizardPage;
class CNAMERecordWizardPage;
class CustomRecordWizardPage;
class MXRecordWizardPage;
class NSRecordWizardPage;
class PTRRecordWizardPage;
class SOARecordWizardPage;
class SRVRecordWizardPage;
class TXTRecordWizardPage;
class TypeRecordWizardPage;

namespace Ui {
class RecordWizard;
}

// Composes one new record: a type on the first page, that type's form on the second.
class RecordWizard : public QWizard
{
    Q_OBJECT

public:
    // The type page leads to the page whose id is the chosen type's index plus one.
    enum PageId {
        TypePage,
        APage,
        PTRPage,
        CNAMEPage,
        NSPage,
        SRVPage,
        MXPage,
        AAAAPage,
        TXTPage,
        SOAPage,
        CustomPage
    };

    explicit RecordWizard(QWidget *parent = nullptr);
    ~RecordWizard() override;

    // The record of the page the user finished on; call it after exec() returned Accepted.
    PRecord record();

private:
    TypeRecordWizardPage *typePage = nullptr;
    AAAARecordWizardPage *aaaaPage = nullptr;
    ARecordWizardPage *aPage = nullptr;
    CNAMERecordWizardPage *cnamePage = nullptr;
    MXRecordWizardPage *mxPage = nullptr;
    NSRecordWizardPage *nsPage = nullptr;
    PTRRecordWizardPage *ptrPage = nullptr;
    SOARecordWizardPage *soaPage = nullptr;
    SRVRecordWizardPage *srvPage = nullptr;
    TXTRecordWizardPage *txtPage = nullptr;
    CustomRecordWizardPage *customPage = nullptr;
    const std::unique_ptr<Ui::RecordWizard> ui;
};
