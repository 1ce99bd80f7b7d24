#pragma once

#include <QList>
#include <QWidget>

#include "forms/control_names.h"
#include "forms/window_layout.h"

class QAction;
class QMenuBar;

// Builds Qt windows from the layouts of forms/: every control of a layout as the widget of its
// kind, named after its row, and the menus with their shortcuts.
namespace ravelo {

// Gives `window` the layout's caption, icon, default font and background, and fills `client`
// (the window itself, or its central widget) with the layout's controls. Labels lie below the
// other controls, a later label above an earlier one; the focus goes through the others in the
// order of their tab indexes and starts at the first.
void buildWindow(QWidget *window, QWidget *client, const WindowLayout &layout);

// The layout's menus in `bar`; returns the items that have a shortcut.
QList<QAction *> buildMenus(QMenuBar *bar, const WindowLayout &layout);

// A widget's or window's name, as Qt keeps it.
template <class Tag>
QString objectName(Name<Tag> name) {
    return QString::fromLatin1(name.text().data(), static_cast<qsizetype>(name.text().size()));
}

// A widget of `window` (or a window of its children) by its name from the layout.
template <class T, class Tag>
T *control(const QObject *window, Name<Tag> name) {
    return window->findChild<T *>(objectName(name));
}

}  // namespace ravelo
