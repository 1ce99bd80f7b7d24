#include "qt/widget_controls.h"

#include "qt/text_codec.h"
#include "qt/window_colors.h"

#include <string>

namespace ravelo {

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

void WidgetLabel::setCaption(const std::string &text, const FilePath &path) {
    label_->setText(toQString(text) + fromPath(path));
}

void WidgetLabel::setBackColor(Rgb color) {
    setLabelBackground(label_, color);
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
