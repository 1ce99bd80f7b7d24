#include "ui/menu_shortcuts_first.h"

#include <QAction>
#include <QKeyEvent>

namespace ravelo {

bool MenuShortcutsFirst::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action : actions_) {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                event->ignore();  // not taken by the text box: the shortcut goes to the menu
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace ravelo
