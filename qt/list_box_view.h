#pragma once

#include <QListView>

namespace ravelo {

// A list view that behaves as a single-selection list box: once the user has selected an entry,
// one entry stays selected (no Ctrl+click, Ctrl+Space or click below the last row clears it),
// and only the user's mouse and keys select. A row taken out by the program leaves no entry
// selected, instead of selecting its neighbour.
class ListBoxView final : public QListView {
    Q_OBJECT

public:
    explicit ListBoxView(QWidget *parent);

signals:
    // The user selected `row` with the mouse or the keyboard; a click on the entry that is
    // already selected selects it again.
    void selectedByUser(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    int selectedRow() const;
    // Runs a user's event and reports the selection it made; `again` reports an unchanged one.
    template <class Handle>
    void reportSelection(Handle handle, bool again);
};

}  // namespace ravelo
