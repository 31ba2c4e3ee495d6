#pragma once

#include <QMenu>

// The desktop's help menu: an About box with the registered description and version, and About Qt.
class KivoHelpMenu : public QMenu
{
    Q_OBJECT

public:
    explicit KivoHelpMenu(QWidget *parent = nullptr);

public slots:
    void showAbout();

private:
    QString aboutText() const;
};
