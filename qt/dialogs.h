#pragma once

#include <QWidget>

#include "files/file_path.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"

#include <optional>
#include <string>

namespace ravelo {

class DialogFileChooser final : public FileChooser {
public:
    explicit DialogFileChooser(QWidget *parent) : parent_(parent) {}
    std::optional<FilePath> chooseFile(const OpenFileRequest &request) override;

private:
    QWidget *parent_;
};

class DialogMessageBoxes final : public MessageBoxes {
public:
    explicit DialogMessageBoxes(QWidget *parent) : parent_(parent) {}
    int show(const std::string &text, const std::string &title, int style) override;
    int show(const std::string &before, const FilePath &path, const std::string &after,
             const std::string &title, int style) override;

private:
    QWidget *parent_;
};

}  // namespace ravelo
