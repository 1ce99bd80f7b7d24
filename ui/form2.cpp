#include "ui/form2.h"

#include <QLineEdit>
#include <QPushButton>

#include "addresses/list_commands.h"
#include "platform/text_codec.h"
#include "ui/window_layout.h"

namespace ravelo {

Form2::Form2(AddressList &list, Label &countLabel, QWidget *owner)
    : ToolWindow(owner, QStringLiteral("Add e-mail address"), twipsSize(5775, 1005), false),
      list_(list),
      countLabel_(countLabel),
      text1_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("Form2"));
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(kNoLengthLimit);
    text1_->setGeometry(twips(60, 120, 5655, 390));
    text1_->setAccessibleName(windowTitle());
    auto *add = new QPushButton(QStringLiteral("Add"), this);
    add->setObjectName(QStringLiteral("Command2"));
    add->setGeometry(twips(75, 570, 2760, 390));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command1"));
    cancel->setGeometry(twips(2925, 570, 2760, 390));
    connect(add, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(cancel, &QPushButton::clicked, this, &Form2::Command1_Click);
    setTabOrder(text1_, add);
    setTabOrder(add, cancel);
}

void Form2::showEmpty() {
    text1_->clear();
    showEnabled();
    text1_->setFocus();
}

void Form2::Command2_Click() {
    list_.Append(fromQString(text1_->text()));
    ShowCount(list_, countLabel_);
    hideDisabled();
}

void Form2::Command1_Click() {
    hideDisabled();
}

}  // namespace ravelo
