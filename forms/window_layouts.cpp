#include "forms/window_layouts.h"

#include "texts/product.h"

namespace ravelo {
namespace {

using enum ControlKind;

constexpr Rgb kHeading{0, 0, 64};
constexpr Rgb kWhite{255, 255, 255};
constexpr FontSpec kButtonFont{"Arial", 8.25, true};
constexpr FontSpec kHeadingFont{"Arial Black", 9.75};
constexpr FontSpec kCountFont{"Arial Black", 9};
constexpr FontSpec kDefaultFont{"MS Sans Serif", 8.25};

constexpr ControlLayout kForm1Controls[] = {
    {.name = form1::Label7,
     .caption = kStartUpText,
     .left = -30,
     .top = 0,
     .width = 9690,
     .height = 300,
     .tabIndex = 9,
     .font = {"Arial Rounded MT Bold", 9},
     .textColor = kStatusText,
     .paint = Paint::kColor,
     .background = kStatusBlue},
    {.name = form1::Label2,
     .caption = "Locate NK2 file",
     .left = 45,
     .top = 360,
     .width = 2655,
     .height = 255,
     .tabIndex = 2,
     .font = kHeadingFont,
     .textColor = kHeading,
     .paint = Paint::kButtonFace},
    {.name = form1::Command1,
     .kind = kPictureButton,
     .caption = "&Browse",
     .left = 7695,
     .top = 480,
     .width = 1335,
     .height = 1020,
     .tabIndex = 1,
     .font = kButtonFont,
     .paint = Paint::kColor,
     .background = kWindowFace,
     .icon = "browse"},
    {.name = form1::Text2,
     .kind = kTextBox,
     .caption = "C:\\Documents and Settings\\USERNAME\\Application "
                "Data\\Microsoft\\Outlook\\Outlook.NK2",
     .left = 45,
     .top = 645,
     .width = 7080,
     .height = 285,
     .tabIndex = 3,
     .accessibleName = "Locate NK2 file"},
    {.name = form1::Label4,
     .caption = "Address Clipboard",
     .left = 75,
     .top = 1020,
     .width = 2145,
     .height = 255,
     .tabIndex = 5,
     .font = kHeadingFont,
     .textColor = kHeading,
     .paint = Paint::kColor,
     .background = kWhite},
    {.name = form1::Text3,
     .kind = kTextBox,
     .caption = "Select the e-mail address from the list below, then Copy & Paste from here.",
     .left = 270,
     .top = 1290,
     .width = 6855,
     .height = 300,
     .tabIndex = 4,
     .accessibleName = "Address Clipboard"},
    {.name = form1::Label8,
     .caption = "e-mail Addresses",
     .left = 75,
     .top = 1830,
     .width = 2490,
     .height = 255,
     .tabIndex = 14,
     .font = kHeadingFont,
     .textColor = kHeading,
     .paint = Paint::kColor,
     .background = kWhite},
    {.name = form1::Label1,
     .caption = "Addresses Read:",
     .left = 4635,
     .top = 1860,
     .width = 3300,
     .height = 255,
     .tabIndex = 0,
     .font = kCountFont,
     .textColor = kHeading,
     .paint = Paint::kColor,
     .background = kWhite},
    {.name = form1::Label5,
     .caption = "0",
     .left = 6315,
     .top = 1860,
     .width = 885,
     .height = 255,
     .tabIndex = 6,
     .font = kCountFont,
     .textColor = Rgb{0, 0, 255},
     .paint = Paint::kColor,
     .background = kWhite},
    {.name = form1::List1,
     .kind = kListBox,
     .left = 270,
     .top = 2100,
     .width = 6870,
     .height = 4935,
     .tabIndex = 12,
     .accessibleName = "e-mail Addresses"},
    {.name = form1::add,
     .kind = kPictureButton,
     .caption = "&Add Name",
     .left = 7695,
     .top = 2205,
     .width = 1335,
     .height = 760,
     .tabIndex = 10,
     .font = kButtonFont,
     .paint = Paint::kColor,
     .background = kWindowFace,
     .icon = "add"},
    {.name = form1::delete_,
     .kind = kPictureButton,
     .caption = "&Remove Name",
     .left = 7695,
     .top = 3300,
     .width = 1335,
     .height = 760,
     .tabIndex = 11,
     .font = kButtonFont,
     .paint = Paint::kColor,
     .background = kWindowFace,
     .icon = "remove"},
    {.name = form1::Command3,
     .kind = kPictureButton,
     .caption = "&Clear List",
     .left = 7695,
     .top = 4785,
     .width = 1335,
     .height = 1020,
     .tabIndex = 13,
     .font = kButtonFont,
     .paint = Paint::kColor,
     .background = kWindowFace,
     .icon = "clear"},
    {.name = form1::Command2,
     .kind = kPictureButton,
     .caption = "&Export",
     .left = 7695,
     .top = 6555,
     .width = 1335,
     .height = 1020,
     .tabIndex = 15,
     .font = kButtonFont,
     .paint = Paint::kColor,
     .background = kWindowFace,
     .icon = "export"},
    {.name = form1::Label6,
     .caption = "Export list to CSV file:",
     .left = 90,
     .top = 7320,
     .width = 2655,
     .height = 255,
     .tabIndex = 8,
     .font = kHeadingFont,
     .textColor = kHeading,
     .paint = Paint::kButtonFace},
    {.name = form1::Text1,
     .kind = kTextBox,
     .caption = "C:\\nk2export.csv",
     .left = 2520,
     .top = 7275,
     .width = 4635,
     .height = 285,
     .tabIndex = 7,
     .accessibleName = "Export list to CSV file:"},
};

constexpr MenuItemLayout kFileItems[] = {
    {form1::Open, "Open"},
    {form1::Clear, "Clear List"},
    {form1::exit, "E&xit", Shortcut::kCtrlX},
};
constexpr MenuItemLayout kGroupItems[] = {
    {form1::domain, "By Domain", Shortcut::kCtrlD},
};
constexpr MenuItemLayout kHelpItems[] = {
    {form1::Assistance, "Assistance", Shortcut::kF1},
    {form1::About, "About"},
};
constexpr MenuLayout kForm1Menus[] = {
    {form1::File, "File", kFileItems},
    {form1::Group, "Group", kGroupItems},
    {form1::Help, "Help", kHelpItems},
};

constexpr ControlLayout kForm2Controls[] = {
    {.name = form2::Text1,
     .kind = kTextBox,
     .left = 60,
     .top = 120,
     .width = 5655,
     .height = 390,
     .tabIndex = 0,
     .accessibleName = "Add e-mail address"},
    {.name = form2::Command2,
     .kind = kButton,
     .caption = "Add",
     .left = 75,
     .top = 570,
     .width = 2760,
     .height = 390,
     .tabIndex = 1},
    {.name = form2::Command1,
     .kind = kButton,
     .caption = "Cancel",
     .left = 2925,
     .top = 570,
     .width = 2760,
     .height = 390,
     .tabIndex = 2},
};

constexpr FontSpec kTipFont{"MS Sans Serif", 9.75};

// A label of the assistance window that paints the window's face colour.
constexpr ControlLayout paintedTip(ControlName name, std::string_view caption, int left, int top,
                                   int width, int height, int tabIndex, FontSpec font) {
    return {.name = name,
            .caption = caption,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tabIndex = tabIndex,
            .font = font,
            .paint = Paint::kColor,
            .background = kWindowFace};
}

// A numbered step, in the system's label colours.
constexpr ControlLayout step(ControlName name, std::string_view caption, int left, int top,
                             int width, int height, int tabIndex) {
    return {.name = name,
            .caption = caption,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tabIndex = tabIndex,
            .font = kTipFont};
}

constexpr ControlLayout webAddress() {
    ControlLayout row =
        paintedTip(form3::Label13, kWebAddress, 4980, 6135, 3450, 360, 13, {"Arial", 11.25});
    row.textColor = Rgb{0, 0, 192};
    return row;
}

constexpr ControlLayout kForm3Controls[] = {
    paintedTip(form3::Label1,
               "Ravelo is designed to export your Outlook autocompletion cache (NK2) file to a "
               "comma separated value (CSV) file. After exporting your csv, you may then import "
               "the file into Outlook contacts or any other program that accepts the CSV format.",
               105, 45, 8235, 780, 1, {"Arial", 9.75}),
    paintedTip(form3::Label2,
               "How to export your NK2 file to CSV and then import into Microsoft Outlook 2003 ",
               105, 1020, 8265, 360, 2, {"Arial", 9.75, false, true}),
    step(form3::Label3,
         "1. Click the BROWSE button to locate and open your NK2 file. This is typically found "
         "under C:\\Documents and Settings\\PROFILENAME\\Application "
         "Data\\Microsoft\\Outlook\\Outlook.NK2 where 'profilename' is (usually) your username "
         "or username.domain name.",
         75, 1335, 8745, 960, 3),
    step(form3::Label4,
         "2. The e-mail address list populates, now Add/Remove addresses and press Export. By "
         "default your CSV file is saved at C:\\nk2export.csv",
         75, 2295, 8745, 705, 4),
    step(form3::Label5,
         "3. Open Outlook 2003 and click the CONTACTS button. Next go to FILE -> IMPORT AND "
         "EXPORT -> IMPORT FROM ANOTHER PROGRAM OR FILE. click next",
         75, 2940, 8745, 615, 5),
    step(form3::Label6, "4. Choose COMMA SEPERATED VALUES (WINDOWS), click next.", 60, 3555, 8760,
         390, 6),
    step(form3::Label7, "5. Hit the Browse button and locate C:\\nk2export.csv then Press NEXT", 60,
         3945, 8760, 405, 7),
    step(form3::Label8, "6. Accept the default file save location (Contacts). Press NEXT", 60, 4350,
         8760, 390, 8),
    step(form3::Label9, "7. Press finish", 60, 4740, 8760, 285, 9),
    paintedTip(form3::Label10,
               "Now all of your contacts should be imported into Outlook. Next time you send an "
               "e-mail, remember that you can type part of the e-mail address and then press "
               "CTRL + K to autocomplete the rest. This will now check against the names you "
               "just imported! ",
               90, 5145, 8640, 660, 10, {"Arial", 9}),
    paintedTip(form3::Label11, "For updates please visit the Ravelo project website:", 660, 6150,
               8760, 345, 11, {"Arial", 9}),
    webAddress(),
    {.name = form3::Command2,
     .kind = kButton,
     .caption = "Close",
     .left = 6450,
     .top = 6840,
     .width = 2475,
     .height = 495,
     .tabIndex = 0},
    paintedTip(form3::Label12,
               "Outlook is a registered trademark of Microsoft Corp. and is not affiliated with "
               "Ravelo",
               105, 7020, 6060, 315, 12, {}),
};

constexpr WindowLayout kForm1{
    .name = form1::window,
    .caption = "Ravelo",
    .frame = Frame::kFixedToolWindow,
    .inTaskBar = true,
    .clientWidth = 9165,
    .clientHeight = 7665,
    .picture = "background",
    .icon = "ravelo",
    .defaultFont = kDefaultFont,
    .controls = kForm1Controls,
    .menus = kForm1Menus,
};

constexpr WindowLayout kForm2{
    .name = form2::window,
    .caption = "Add e-mail address",
    .clientWidth = 5775,
    .clientHeight = 1005,
    .background = kWindowFace,
    .defaultFont = kDefaultFont,
    .controls = kForm2Controls,
};

constexpr WindowLayout kForm3{
    .name = form3::window,
    .caption = "Help and Tips",
    .frame = Frame::kSizableToolWindow,
    .clientWidth = 9030,
    .clientHeight = 7395,
    .background = kWindowFace,
    .defaultFont = kDefaultFont,
    .controls = kForm3Controls,
};

}  // namespace

const WindowLayout &form1Layout() {
    return kForm1;
}

const WindowLayout &form2Layout() {
    return kForm2;
}

const WindowLayout &form3Layout() {
    return kForm3;
}

}  // namespace ravelo
