#include "qt/shortcut_scope.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include <utility>

namespace ravelo {

ShortcutScope::ShortcutScope(QWidget *mainWindow, QList<QAction *> actions)
    : QObject(mainWindow), mainWindow_(mainWindow), actions_(std::move(actions)) {
    qApp->installEventFilter(this);
}

bool ShortcutScope::isMenuShortcut(const QEvent *event) const {
    const QKeySequence pressed(static_cast<const QKeyEvent *>(event)->keyCombination());
    for (const QAction *action : actions_) {
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
            return true;
        }
    }
    return false;
}

bool ShortcutScope::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) {
        return false;
    }
    const QWidget *window = static_cast<QWidget *>(watched)->window();
    if (window == mainWindow_) {
        if (isMenuShortcut(event)) {
            event->ignore();  // not taken by the text box: the shortcut goes to the menu
            return true;
        }
        return false;
    }
    if (window->parentWidget() == mainWindow_ && window->windowType() == Qt::Tool) {
        event->accept();  // the key goes to the focused control as a key
        return true;
    }
    return false;
}

}  // namespace ravelo
