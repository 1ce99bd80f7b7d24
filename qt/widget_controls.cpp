#include "qt/widget_controls.h"

#include <QColor>
#include <QPalette>

#include "qt/text_codec.h"

#include <string>

namespace ravelo {

namespace {
QColor toQColor(Rgb color) {
    return QColor(color.red, color.green, color.blue);
}
}  // namespace

void paintBackground(QWidget *widget, Rgb color) {
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), toQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget *widget, Rgb color) {
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(), toQColor(color));
    widget->setPalette(palette);
}

void WidgetWindow::setVisible(bool visible) {
    window_->setVisible(visible);
    if (visible) {
        window_->raise();
        window_->activateWindow();
    }
}

void WidgetLabel::setCaption(const std::string &text) {
    label_->setText(toQString(text));
}

void WidgetLabel::setBackColor(Rgb color) {
    paintBackground(label_, color);
}

std::string WidgetTextBox::text() const {
    return fromQString(edit_->text());
}

void WidgetTextBox::setText(const std::string &text) {
    edit_->setText(toQString(text));
}

FilePath WidgetTextBox::path() const {
    return toPath(edit_->text());
}

void WidgetTextBox::setPath(const FilePath &path) {
    edit_->setText(fromPath(path));
}

}  // namespace ravelo
