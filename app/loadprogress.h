#pragma once

#include <QCoreApplication>
#include <QProgressBar>
#include <QStringList>

class Prompts;
class QStatusBar;
class ServerZones;

// The reading of the zones' records in the background, as a bar in the status bar while it lasts.
// The problems met meanwhile come together in one summary at its end; one met at another time
// is shown at once.
class LoadProgress
{
    // Its texts are the window's, as the translators know them.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    LoadProgress(const ServerZones &serverZones, QStatusBar *statusBar, const Prompts &prompts);

private:
    void onReadProblem(const QString &message);
    void onLoadProgress(int loaded, int total);
    void onLoadFinished();

    const ServerZones &m_serverZones;
    const Prompts &m_prompts;
    QProgressBar m_bar;
    QStringList m_readProblems;
};
