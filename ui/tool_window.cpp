#include "ui/tool_window.h"

#include <QCloseEvent>
#include <QIcon>

#include "platform/widget_controls.h"
#include "ui/window_layout.h"

namespace ravelo {

ToolWindow::ToolWindow(QWidget *owner, const QString &caption, QSize clientSize, bool resizable)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setWindowTitle(caption);
    setWindowIcon(QIcon());  // no icon of its own, and not the main window's either
    setFont(defaultWindowFont());
    paintBackground(this, kWindowFace);
    if (resizable) {
        resize(clientSize);
    } else {
        setFixedSize(clientSize);
    }
}

void ToolWindow::showEnabled() {
    setEnabled(true);
    show();
    raise();
    activateWindow();
}

void ToolWindow::hideDisabled() {
    setEnabled(false);
    hide();
}

void ToolWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    emit closedByUser();
    deleteLater();
}

}  // namespace ravelo
