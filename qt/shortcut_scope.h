#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

namespace ravelo {

// Keeps the main window's keyboard shortcuts to the main window. There they win over the
// editing keys of its text boxes, so that Ctrl+X ends the program instead of cutting text. In
// its tool windows, which the toolkit would otherwise let share the main window's shortcuts and
// access keys, every key goes to the focused control: Ctrl+X in a text box cuts, F1 does nothing.
// Watches the whole application, since the shortcut keys are offered to the focused control.
class ShortcutScope final : public QObject {
public:
    ShortcutScope(QWidget *mainWindow, QList<QAction *> actions);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isMenuShortcut(const QEvent *event) const;

    QWidget *mainWindow_;
    QList<QAction *> actions_;
};

}  // namespace ravelo
