// What the windows show and tell: line breaks, lengths, icons, fonts, and the names that a
// screen reader reads out.
#include <QAccessible>
#include <QClipboard>
#include <QFontDatabase>
#include <QPushButton>

#include "qt/form1_fixture.h"
#include "qt/space_wrapped_label.h"

#include <utility>
#include <vector>

using namespace ravelo;
using namespace ravelo::testing;

namespace {

struct WindowLook : Form1Fixture {
    QWidget *openAssistance() {
        menuItem("Assistance")->trigger();
        return form->findChild<QWidget *>("Form3");
    }
    QWidget *openAdd() {
        press("add");
        return form->findChild<QWidget *>("Form2");
    }
};

// Every accessible object under `root`, depth first.
void collect(QAccessibleInterface *root, std::vector<QAccessibleInterface *> &all) {
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface *child = root->child(i)) {
            all.push_back(child);
            collect(child, all);
        }
    }
}

std::vector<QAccessibleInterface *> accessibleTree(QWidget *window) {
    std::vector<QAccessibleInterface *> all;
    collect(QAccessible::queryAccessibleInterface(window), all);
    return all;
}

}  // namespace

TEST_F(WindowLook, LabelsBreakTheirLinesAtSpacesOnly) {
    QWidget *form3 = openAssistance();
    for (auto *label : form3->findChildren<SpaceWrappedLabel *>()) {
        const QString caption = label->text();
        qsizetype at = 0;
        for (const QString &line : label->shownLines()) {
            at = caption.indexOf(line, at);
            ASSERT_GE(at, 0) << label->objectName().toStdString();
            const qsizetype end = at + line.size();
            EXPECT_TRUE(at == 0 || caption[at - 1] == QLatin1Char(' '))
                << label->objectName().toStdString() << ": " << line.toStdString();
            EXPECT_TRUE(end == caption.size() || caption[end] == QLatin1Char(' '))
                << label->objectName().toStdString() << ": " << line.toStdString();
            at = end;
        }
    }
    const QStringList path = form3->findChild<SpaceWrappedLabel *>("Label3")->shownLines();
    EXPECT_EQ(path.size(), 3) << path.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(path.filter(QStringLiteral("C:\\Documents")).size() == 1);
}

TEST(SpaceWrapping, AWordWiderThanTheLineStandsAloneAndTrailingSpacesStay) {
    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 9));
    const int width = metrics.horizontalAdvance(QStringLiteral("abc def"));
    EXPECT_EQ(wrapAtSpaces(QStringLiteral("abc def ghi"), metrics, width),
              (QStringList{"abc def", "ghi"}));
    EXPECT_EQ(wrapAtSpaces(QStringLiteral("abcdefghijklmnop x"), metrics, width),
              (QStringList{"abcdefghijklmnop", "x"}));
    EXPECT_EQ(wrapAtSpaces(QStringLiteral("ab "), metrics, width), (QStringList{"ab "}));
    EXPECT_EQ(wrapAtSpaces(QStringLiteral("a:\\b\\c:d"), metrics, 1), (QStringList{"a:\\b\\c:d"}));
}

TEST_F(WindowLook, TextBoxesTakeMoreThan32767Characters) {
    const QString longText(40000, QLatin1Char('a'));
    QGuiApplication::clipboard()->setText(longText);
    showActive();
    for (const char *name : {"Text1", "Text2", "Text3"}) {
        auto *box = child<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text().size(), longText.size()) << name;
    }
    QWidget *form2 = openAdd();
    auto *typed = form2->findChild<QLineEdit *>("Text1");
    QTest::keyClick(typed, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(typed->text().size(), longText.size());
}

TEST_F(WindowLook, OnlyTheMainWindowHasAnIcon) {
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_TRUE(openAdd()->windowIcon().isNull());
    EXPECT_TRUE(openAssistance()->windowIcon().isNull());
}

TEST_F(WindowLook, OnlyTheMsSansSerifStandInSetsItsLettersCloser) {
    QWidget *form3 = openAssistance();
    auto spacing = [](QWidget *widget) { return widget->font().letterSpacing(); };
    const bool standIn = !QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(spacing(form3->findChild<QLabel *>("Label3")), standIn ? 98 : 100);
    for (const char *arial : {"Label1", "Label2", "Label10", "Label13"}) {
        EXPECT_EQ(spacing(form3->findChild<QLabel *>(arial)), 100) << arial;
    }
    for (const char *name : {"Label7", "Label2", "Label5", "Command1"}) {
        EXPECT_EQ(spacing(child(name)), 100) << name;
    }
}

TEST_F(WindowLook, EveryControlThatTakesTheFocusHasTheNameReadBesideIt) {
    const std::pair<const char *, const char *> named[] = {
        {"Text2", "Locate NK2 file"},  {"Text3", "Address Clipboard"},
        {"List1", "e-mail Addresses"}, {"Text1", "Export list to CSV file:"},
        {"Command1", "Browse"},        {"add", "Add Name"},
        {"delete", "Remove Name"},     {"Command3", "Clear List"},
        {"Command2", "Export"},
    };
    for (const auto &[name, spoken] : named) {
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(child(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->text(QAccessible::Name), QString::fromLatin1(spoken)) << name;
    }
    for (QAccessibleInterface *node : accessibleTree(form.get())) {
        EXPECT_NE(node->role(), QAccessible::Graphic) << "the background picture is no control";
        if (node->state().focusable) {
            EXPECT_FALSE(node->text(QAccessible::Name).isEmpty())
                << node->object()->objectName().toStdString();
        }
    }
    QWidget *form2 = openAdd();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form2->findChild<QLineEdit *>("Text1"))
                  ->text(QAccessible::Name),
              "Add e-mail address");
}

// A screen reader reads a label by its text, and is told when it changes.
TEST_F(WindowLook, TheStatusLineAndTheCountReadAsTheyShow) {
    fill({"a@x"});
    for (const char *name : {"Label7", "Label5"}) {
        QAccessibleInterface *label = QAccessible::queryAccessibleInterface(child(name));
        EXPECT_EQ(label->role(), QAccessible::StaticText) << name;
        EXPECT_EQ(label->text(QAccessible::Name), text(name)) << name;
        EXPECT_TRUE(child(name)->accessibleName().isEmpty())
            << name << ": a fixed name would keep its changes from being told";
    }
}
