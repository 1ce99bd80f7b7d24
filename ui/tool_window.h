#pragma once

#include <QWidget>

namespace ravelo {

// A secondary window of the main window: a small caption with a close box, not in the task bar,
// modeless. Its own buttons hide it and it keeps its contents; its close box destroys it.
class ToolWindow : public QWidget {
    Q_OBJECT

public:
    ToolWindow(QWidget *owner, const QString &caption, QSize clientSize, bool resizable);

    void showEnabled();
    void hideDisabled();

signals:
    // The user closed the window with its close box; it deletes itself.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;
};

}  // namespace ravelo
