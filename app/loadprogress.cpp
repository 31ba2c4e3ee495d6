#include "loadprogress.h"

#include "core/serverzones.h"
#include "prompts.h"

#include <QStatusBar>

namespace {
const int progressBarWidth = 160;
} // namespace

// The bar is the receiver of every connection: it goes, and they with it, when this goes.
LoadProgress::LoadProgress(const ServerZones &serverZones, QStatusBar *statusBar,
                           const Prompts &prompts)
    : m_serverZones(serverZones), m_prompts(prompts)
{
    QObject::connect(&serverZones, &ServerZones::readProblem, &m_bar,
                     [this](const QString &message) { onReadProblem(message); });
    QObject::connect(&serverZones, &ServerZones::zonesReset, &m_bar, [this] {
        m_bar.setRange(0, m_serverZones.zones().size());
        m_bar.setValue(0);
        m_bar.setVisible(m_serverZones.isLoading());
    });
    QObject::connect(&serverZones, &ServerZones::loadProgress, &m_bar,
                     [this](int loaded, int total) { onLoadProgress(loaded, total); });
    QObject::connect(&serverZones, &ServerZones::loadFinished, &m_bar,
                     [this] { onLoadFinished(); });
    m_bar.setMaximumWidth(progressBarWidth);
    m_bar.setFormat(tr("Zones read: %v of %m"));
    m_bar.hide();
    statusBar->addWidget(&m_bar);
}

void LoadProgress::onReadProblem(const QString &message)
{
    if (m_serverZones.isLoading())
        m_readProblems.append(message);
    else
        m_prompts.notify(QMessageBox::Warning, tr("Zone parser error"), message);
}

void LoadProgress::onLoadProgress(int loaded, int total)
{
    m_bar.setRange(0, total);
    m_bar.setValue(loaded);
    m_bar.show();
}

void LoadProgress::onLoadFinished()
{
    m_bar.hide();
    if (m_readProblems.isEmpty())
        return;
    const QStringList problems = m_readProblems;
    m_readProblems.clear();
    m_prompts.summary(tr("Zone parser error"),
                      tr("Some zones could not be read. They stay listed, and their records can be "
                         "changed once their files are mended and read again."),
                      problems.join(QStringLiteral("\n\n")));
}
