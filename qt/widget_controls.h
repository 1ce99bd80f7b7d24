#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>

#include "files/file_path.h"
#include "platform/controls.h"

#include <string>

// The controls of platform/controls.h on the toolkit's widgets. Each adapter only borrows its
// widget, which its window owns.
namespace ravelo {

class WidgetLabel final : public Label {
public:
    explicit WidgetLabel(QLabel *label) : label_(label) {}
    void setCaption(const std::string &text) override;
    void setCaption(const std::string &text, const FilePath &path) override;
    void setBackColor(Rgb color) override;

private:
    QLabel *label_;
};

class WidgetTextBox final : public TextBox {
public:
    explicit WidgetTextBox(QLineEdit *edit) : edit_(edit) {}
    std::string text() const override;
    void setText(const std::string &text) override;
    FilePath path() const override;
    void setPath(const FilePath &path) override;
    void setFocus() override { edit_->setFocus(Qt::OtherFocusReason); }
    void redraw() override { edit_->update(); }

private:
    QLineEdit *edit_;
};

class WidgetButton final : public Button {
public:
    explicit WidgetButton(QAbstractButton *button) : button_(button) {}
    bool isEnabled() const override { return button_->isEnabled(); }
    void setEnabled(bool enabled) override { button_->setEnabled(enabled); }

private:
    QAbstractButton *button_;
};

class WidgetListBox final : public ListBox {
public:
    explicit WidgetListBox(QAbstractItemView *view) : view_(view) {}
    void setFocus() override { view_->setFocus(Qt::OtherFocusReason); }
    void redraw() override { view_->viewport()->update(); }

private:
    QAbstractItemView *view_;
};

// A secondary window, shown modeless in front of the others.
class WidgetWindow final : public Window {
public:
    explicit WidgetWindow(QWidget *window) : window_(window) {}
    void setEnabled(bool enabled) override { window_->setEnabled(enabled); }
    void setVisible(bool visible) override;

private:
    QWidget *window_;
};

}  // namespace ravelo
