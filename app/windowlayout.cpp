#include "windowlayout.h"

#include <QEvent>
#include <QMainWindow>
#include <QSettings>
#include <QSplitter>

namespace {
const QString settingsOrganization = QStringLiteral("tamzor");
const QString settingsApplication = QStringLiteral("tamzor");
const QString geometryKey = QStringLiteral("window/geometry");
const QString windowStateKey = QStringLiteral("window/state");
const QString splitterKey = QStringLiteral("window/splitter");
} // namespace

WindowLayout::WindowLayout(QMainWindow *window, QSplitter *splitter)
    : QObject(window), m_window(window), m_splitter(splitter)
{
    restore();
    window->installEventFilter(this);
}

bool WindowLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close)
        save();
    return QObject::eventFilter(watched, event);
}

void WindowLayout::restore()
{
    const QSettings settings(settingsOrganization, settingsApplication);
    m_window->restoreGeometry(settings.value(geometryKey).toByteArray());
    m_window->restoreState(settings.value(windowStateKey).toByteArray());
    m_splitter->restoreState(settings.value(splitterKey).toByteArray());
}

void WindowLayout::save() const
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.setValue(geometryKey, m_window->saveGeometry());
    settings.setValue(windowStateKey, m_window->saveState());
    settings.setValue(splitterKey, m_splitter->saveState());
}
