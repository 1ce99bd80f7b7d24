#include "ui/form3.h"

#include <QLabel>
#include <QPushButton>

#include "platform/product.h"
#include "platform/text_codec.h"
#include "platform/widget_controls.h"
#include "ui/window_layout.h"

namespace ravelo {
namespace {

struct Tip {
    const char *name;
    const char *caption;
    int left, top, width, height;
    const char *face;  // null: the window's default font
    qreal points;
    bool underline;
    bool painted;  // paints the window's face colour; the others keep the system colours
};

constexpr Tip kTips[] = {
    {"Label1",
     "Ravelo is designed to export your Outlook autocompletion cache (NK2) file to a comma "
     "separated value (CSV) file. After exporting your csv, you may then import the file into "
     "Outlook contacts or any other program that accepts the CSV format.",
     105, 45, 8235, 780, "Arial", 9.75, false, true},
    {"Label2", "How to export your NK2 file to CSV and then import into Microsoft Outlook 2003 ",
     105, 1020, 8265, 360, "Arial", 9.75, true, true},
    {"Label3",
     "1. Click the BROWSE button to locate and open your NK2 file. This is typically found "
     "under C:\\Documents and Settings\\PROFILENAME\\Application "
     "Data\\Microsoft\\Outlook\\Outlook.NK2 where 'profilename' is (usually) your username or "
     "username.domain name.",
     75, 1335, 8745, 960, "MS Sans Serif", 9.75, false, false},
    {"Label4",
     "2. The e-mail address list populates, now Add/Remove addresses and press Export. By "
     "default your CSV file is saved at C:\\nk2export.csv",
     75, 2295, 8745, 705, "MS Sans Serif", 9.75, false, false},
    {"Label5",
     "3. Open Outlook 2003 and click the CONTACTS button. Next go to FILE -> IMPORT AND EXPORT "
     "-> IMPORT FROM ANOTHER PROGRAM OR FILE. click next",
     75, 2940, 8745, 615, "MS Sans Serif", 9.75, false, false},
    {"Label6", "4. Choose COMMA SEPERATED VALUES (WINDOWS), click next.", 60, 3555, 8760, 390,
     "MS Sans Serif", 9.75, false, false},
    {"Label7", "5. Hit the Browse button and locate C:\\nk2export.csv then Press NEXT", 60, 3945,
     8760, 405, "MS Sans Serif", 9.75, false, false},
    {"Label8", "6. Accept the default file save location (Contacts). Press NEXT", 60, 4350, 8760,
     390, "MS Sans Serif", 9.75, false, false},
    {"Label9", "7. Press finish", 60, 4740, 8760, 285, "MS Sans Serif", 9.75, false, false},
    {"Label10",
     "Now all of your contacts should be imported into Outlook. Next time you send an e-mail, "
     "remember that you can type part of the e-mail address and then press CTRL + K to "
     "autocomplete the rest. This will now check against the names you just imported! ",
     90, 5145, 8640, 660, "Arial", 9, false, true},
    {"Label11", "For updates please visit the Ravelo project website:", 660, 6150, 8760, 345,
     "Arial", 9, false, true},
    {"Label12",
     "Outlook is a registered trademark of Microsoft Corp. and is not affiliated with Ravelo", 105,
     7020, 6060, 315, nullptr, 0, false, true},
};

QLabel *addTip(QWidget *window, const Tip &tip, const QString &caption) {
    QLabel *label =
        addLabel(window, tip.name, caption, twips(tip.left, tip.top, tip.width, tip.height));
    if (tip.face != nullptr) {
        label->setFont(windowFont(QString::fromLatin1(tip.face), tip.points, false, tip.underline));
    }
    if (tip.painted) {
        paintBackground(label, kWindowFace);
    }
    return label;
}

}  // namespace

Form3::Form3(QWidget *owner)
    : ToolWindow(owner, QStringLiteral("Help and Tips"), twipsSize(9030, 7395), true) {
    setObjectName(QStringLiteral("Form3"));
    for (const Tip &tip : kTips) {
        addTip(this, tip, QString::fromLatin1(tip.caption));
    }
    const Tip webAddress{"Label13", "", 4980, 6135, 3450, 360, "Arial", 11.25, false, true};
    QLabel *link = addTip(this, webAddress, toQString(kWebAddress));
    setTextColor(link, Rgb{0, 0, 192});

    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Command2"));
    close->setGeometry(twips(6450, 6840, 2475, 495));
    close->setAutoDefault(true);  // Enter on the button closes the window, as the space bar does
    connect(close, &QPushButton::clicked, this, &Form3::Command2_Click);
    setFocusProxy(close);
    close->setFocus();
}

void Form3::Command2_Click() {
    hideDisabled();
}

}  // namespace ravelo
