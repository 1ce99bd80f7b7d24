#include "qt/dialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/start_folder.h"
#include "qt/file_filter.h"
#include "qt/text_codec.h"

#include <optional>
#include <string>

namespace ravelo {

std::optional<FilePath> DialogFileChooser::chooseFile(const OpenFileRequest &request) {
    QFileDialog dialog(parent_, toQString(request.title));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt makes its own dialog's widgets as the dialog is made; a dialog without them will be the
    // system's (GTK's or the desktop portal's).
    const bool systemDialog = dialog.findChild<QComboBox *>() == nullptr;
    dialog.setNameFilter(toQString(nameFilter(request, systemDialog)));
    const std::string folder = nearestExistingFolder(request.startPath);
    if (!folder.empty()) {
        dialog.setDirectory(toQString(folder));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return toPath(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

namespace {

int showBox(QWidget *parent, const QString &text, const std::string &title, int style) {
    QMessageBox box(QMessageBox::Information, toQString(title), text, QMessageBox::NoButton,
                    parent);
    if (style == kYesNoInformation) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.exec();
    if (style != kYesNoInformation) {
        return kAnswerOk;
    }
    const QAbstractButton *pressed = box.clickedButton();
    return pressed != nullptr && pressed == box.button(QMessageBox::Yes) ? kAnswerYes : kAnswerNo;
}

}  // namespace

int DialogMessageBoxes::show(const std::string &text, const std::string &title, int style) {
    return showBox(parent_, toQString(text), title, style);
}

int DialogMessageBoxes::show(const std::string &before, const FilePath &path,
                             const std::string &after, const std::string &title, int style) {
    return showBox(parent_, toQString(before) + fromPath(path) + toQString(after), title, style);
}

}  // namespace ravelo
