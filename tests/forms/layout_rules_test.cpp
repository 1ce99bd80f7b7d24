#include "forms/layout_rules.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "forms/control_names.h"
#include "forms/window_layout.h"

namespace ravelo {
namespace {

ControlLayout row(ControlName name, ControlKind kind, int tabIndex, int left = 0) {
    ControlLayout made;
    made.name = name;
    made.kind = kind;
    made.tabIndex = tabIndex;
    made.left = left;
    return made;
}

FontSpec font(std::string_view face, double points, bool underline = false) {
    FontSpec made;
    made.face = face;
    made.points = points;
    made.underline = underline;
    return made;
}

TEST(FocusOrder, FollowsTabIndexesAndKeepsTheLayoutOrderOfEqualOnes) {
    // Both front ends must agree even where two rows share an index.
    const ControlLayout rows[] = {
        row(form1::Label1, ControlKind::kLabel, 0),
        row(form1::Text2, ControlKind::kTextBox, 2),
        row(form1::Text1, ControlKind::kTextBox, 1),
        row(form1::Command1, ControlKind::kButton, 1),
    };
    WindowLayout layout;
    layout.controls = rows;
    std::vector<ControlName> names;
    for (const ControlLayout *row : focusOrder(layout)) {
        names.push_back(row->name);
    }
    EXPECT_EQ(names, (std::vector<ControlName>{form1::Text1, form1::Command1, form1::Text2}));
}

TEST(StandIn, ArialTakesEveryMissingFaceWithTheLookOfTheFaceItReplaces) {
    const FontSpec black = standInFor(font("Arial Black", 9.75));
    EXPECT_EQ(black.face, "Arial");
    EXPECT_TRUE(black.bold);
    EXPECT_EQ(black.points, 9.75);

    const FontSpec rounded = standInFor(font("Arial Rounded MT Bold", 9));
    EXPECT_FALSE(rounded.bold);  // the status texts must still fit their line
    EXPECT_EQ(rounded.letterSpacing, 100);

    const FontSpec sans = standInFor(font("MS Sans Serif", 8.25, true));
    EXPECT_EQ(sans.face, "Arial");
    EXPECT_LT(sans.letterSpacing, 100);
    EXPECT_TRUE(sans.underline);
}

TEST(LabelIndent, KeepsTheFirstLetterOfALabelLeftOfTheWindowInSight) {
    EXPECT_EQ(labelIndent(row(form1::Label7, ControlKind::kLabel, 9, -30)), 2);
    EXPECT_EQ(labelIndent(row(form1::Label7, ControlKind::kLabel, 9, -30), 192), 4);
    EXPECT_EQ(labelIndent(row(form1::Label2, ControlKind::kLabel, 2, 45)), 0);
}

}  // namespace
}  // namespace ravelo
