#include "qt/tool_window.h"

#include <QCloseEvent>
#include <QSize>

#include "qt/window_builder.h"
#include "qt/window_style.h"

namespace ravelo {

ToolWindow::ToolWindow(QWidget *owner, const WindowLayout &layout)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    buildWindow(this, this, layout);
    const QSize client = twipsSize(layout.clientWidth, layout.clientHeight);
    if (layout.frame == Frame::kSizableToolWindow) {
        resize(client);
    } else {
        setFixedSize(client);
    }
    hide();
}

void ToolWindow::closeEvent(QCloseEvent *event) {
    event->accept();
    closedByUser_ = true;
    deleteLater();
}

}  // namespace ravelo
