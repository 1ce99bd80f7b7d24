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
        choose(form1::Help, form1::Assistance);
        return control<QWidget>(form.get(), form3::window);
    }
    QWidget *openAdd() {
        press(form1::add);
        return control<QWidget>(form.get(), form2::window);
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
    const QStringList path = control<SpaceWrappedLabel>(form3, form3::Label3)->shownLines();
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
    for (ControlName name : {form1::Text1, form1::Text2, form1::Text3}) {
        auto *box = child<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text().size(), longText.size()) << name.text();
    }
    QWidget *form2 = openAdd();
    auto *typed = control<QLineEdit>(form2, form2::Text1);
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
    EXPECT_EQ(spacing(control<QLabel>(form3, form3::Label3)), standIn ? 98 : 100);
    for (ControlName arial : {form3::Label1, form3::Label2, form3::Label10, form3::Label13}) {
        EXPECT_EQ(spacing(control<QLabel>(form3, arial)), 100) << arial.text();
    }
    for (ControlName name : {form1::Label7, form1::Label2, form1::Label5, form1::Command1}) {
        EXPECT_EQ(spacing(child(name)), 100) << name.text();
    }
}

TEST_F(WindowLook, EveryControlThatTakesTheFocusHasTheNameReadBesideIt) {
    const std::pair<ControlName, const char *> named[] = {
        {form1::Text2, "Locate NK2 file"},  {form1::Text3, "Address Clipboard"},
        {form1::List1, "e-mail Addresses"}, {form1::Text1, "Export list to CSV file:"},
        {form1::Command1, "Browse"},        {form1::add, "Add Name"},
        {form1::delete_, "Remove Name"},    {form1::Command3, "Clear List"},
        {form1::Command2, "Export"},
    };
    for (const auto &[name, spoken] : named) {
        QAccessibleInterface *control = QAccessible::queryAccessibleInterface(child(name));
        ASSERT_NE(control, nullptr) << name.text();
        EXPECT_EQ(control->text(QAccessible::Name), QString::fromLatin1(spoken)) << name.text();
    }
    for (QAccessibleInterface *node : accessibleTree(form.get())) {
        EXPECT_NE(node->role(), QAccessible::Graphic) << "the background picture is no control";
        if (node->state().focusable) {
            EXPECT_FALSE(node->text(QAccessible::Name).isEmpty())
                << node->object()->objectName().toStdString();
        }
    }
    QWidget *form2 = openAdd();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(control<QLineEdit>(form2, form2::Text1))
                  ->text(QAccessible::Name),
              "Add e-mail address");
}

// A screen reader reads a label by its text, and is told when it changes.
TEST_F(WindowLook, TheStatusLineAndTheCountReadAsTheyShow) {
    fill({"a@x"});
    for (ControlName name : {form1::Label7, form1::Label5}) {
        QAccessibleInterface *label = QAccessible::queryAccessibleInterface(child(name));
        EXPECT_EQ(label->role(), QAccessible::StaticText) << name.text();
        EXPECT_EQ(label->text(QAccessible::Name), text(name)) << name.text();
        EXPECT_TRUE(child(name)->accessibleName().isEmpty())
            << name.text() << ": a fixed name would keep its changes from being told";
    }
}
