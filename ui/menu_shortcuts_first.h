#pragma once

#include <QList>
#include <QObject>

class QAction;

namespace ravelo {

// Lets the menu shortcuts of a window win over the editing keys of its text boxes, so that
// Ctrl+X ends the program instead of cutting text. Install it on each text box.
class MenuShortcutsFirst final : public QObject {
public:
    MenuShortcutsFirst(QList<QAction *> actions, QObject *parent)
        : QObject(parent), actions_(std::move(actions)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QAction *> actions_;
};

}  // namespace ravelo
