// Qt's own words follow the desktop's language, as Windows' own controls do, while the program's
// texts stay its own; and the export's confirmation names the path as typed, whatever its letters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <cstring>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

#include "forms/control_names.h"
#include "qt/form1.h"
#include "qt/qt_translations.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

using namespace ravelo;
using namespace ravelo::testing;

namespace {

struct Confirmation {
    QString text, title, yes, no;
};

// Exports from the real main window with the real confirmation box to `path` typed into the
// export path box, reads the box and answers Yes with a click.
Confirmation confirmExport(const QString &path) {
    Log log;
    FakePauser pauser{log};
    Services services{.pauser = &pauser};
    Form1 form(std::move(services));
    form.show();
    auto *box = form.findChild<QLineEdit *>(QString::fromLatin1(form1::Text1.text()));
    box->selectAll();
    box->insert(path);
    Confirmation seen;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *shown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (shown == nullptr) {
            return;
        }
        poll.stop();
        seen = {shown->text(), shown->windowTitle(), shown->button(QMessageBox::Yes)->text(),
                shown->button(QMessageBox::No)->text()};
        QTest::mouseClick(shown->button(QMessageBox::Yes), Qt::LeftButton);
    });
    poll.start(50);
    QTest::mouseClick(form.findChild<QWidget *>(QString::fromLatin1(form1::Command2.text())),
                      Qt::LeftButton);
    return seen;
}

}  // namespace

TEST(DesktopLanguage, QtsWordsFollowTheDesktopAndTheProgramsStayItsOwn) {
    const struct {
        QLocale locale;
        bool translated;
        QString yes, no;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), true, "&Ja", "&Nein"},
        {QLocale(QLocale::Polish, QLocale::Poland), true, "&Tak", "&Nie"},
        {QLocale::c(), false, "&Yes", "&No"},
        {QLocale(QLocale::English, QLocale::UnitedStates), false, "&Yes", "&No"},
    };
    TempDir dir;
    const QString path =
        QString::fromStdString(dir.file("")) + QString::fromUtf8("/Łódź kontakty.csv");
    for (const auto &c : cases) {
        EXPECT_EQ(installQtTranslations(*QCoreApplication::instance(), c.locale), c.translated)
            << c.locale.name().toStdString();
        const Confirmation seen = confirmExport(path);
        for (auto *translator : QCoreApplication::instance()->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        EXPECT_EQ(seen.yes, c.yes);
        EXPECT_EQ(seen.no, c.no);
        EXPECT_EQ(seen.title, "Confirm file export?");
        EXPECT_EQ(seen.text, "Are you sure you wish to export this file to\r\n" + path + "?");
        EXPECT_TRUE(std::filesystem::exists(path.toStdU16String()));
    }
}
