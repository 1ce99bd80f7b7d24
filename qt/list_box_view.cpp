#include "qt/list_box_view.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QModelIndex>
#include <QMouseEvent>

namespace ravelo {

ListBoxView::ListBoxView(QWidget *parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

QItemSelectionModel::SelectionFlags ListBoxView::selectionCommand(const QModelIndex &index,
                                                                  const QEvent *event) const {
    if (!index.isValid() || (event != nullptr && event->type() == QEvent::MouseButtonRelease)) {
        return QItemSelectionModel::NoUpdate;
    }
    return QItemSelectionModel::ClearAndSelect;
}

int ListBoxView::selectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

template <class Handle>
void ListBoxView::reportSelection(Handle handle, bool again) {
    const int before = selectedRow();
    handle();
    const int after = selectedRow();
    if (after >= 0 && (after != before || again)) {
        emit selectedByUser(after);
    }
}

void ListBoxView::mousePressEvent(QMouseEvent *event) {
    const bool onRow =
        event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid();
    reportSelection([&] { QListView::mousePressEvent(event); }, onRow);
}

void ListBoxView::mouseMoveEvent(QMouseEvent *event) {
    reportSelection([&] { QListView::mouseMoveEvent(event); }, false);
}

void ListBoxView::keyPressEvent(QKeyEvent *event) {
    reportSelection([&] { QListView::keyPressEvent(event); }, false);
}

void ListBoxView::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) {
    QListView::rowsAboutToBeRemoved(parent, start, end);
    selectionModel()->clear();
}

}  // namespace ravelo
