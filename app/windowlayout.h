#pragma once

#include <QObject>

class QMainWindow;
class QSplitter;

// Keeps the window's size, place, bars and the split between its tables from one start to the
// next: it restores them when made and saves them whenever the window closes.
class WindowLayout : public QObject
{
    Q_OBJECT

public:
    WindowLayout(QMainWindow *window, QSplitter *splitter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restore();
    void save() const;

    QMainWindow *m_window;
    QSplitter *m_splitter;
};
