#pragma once

#include <QWidget>

#include "forms/window_layout.h"

namespace ravelo {

// A secondary window of the main window, built from its layout: a small caption with a close
// box, not in the task bar, modeless. Its commands hide it and it keeps its contents; its close
// box destroys it.
class ToolWindow final : public QWidget {
    Q_OBJECT

public:
    ToolWindow(QWidget *owner, const WindowLayout &layout);

    // True once the user closed the window with its close box; it then deletes itself.
    bool closedByUser() const { return closedByUser_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool closedByUser_ = false;
};

}  // namespace ravelo
