#pragma once

#include <string_view>

// The names of the windows, their controls and their menus, as the layouts give them and the
// widgets and windows carry them. Code names a control through these constants only, so that a
// misspelt name does not compile.
namespace ravelo {

template <class Tag>
class Name {
public:
    constexpr Name() = default;
    constexpr explicit Name(std::string_view text) : text_(text) {}
    constexpr std::string_view text() const { return text_; }
    friend constexpr bool operator==(Name, Name) = default;

private:
    std::string_view text_;
};

using WindowName = Name<struct WindowNameTag>;
// A control, a menu or a menu item.
using ControlName = Name<struct ControlNameTag>;

// The main window.
namespace form1 {
inline constexpr WindowName window{"Form1"};
inline constexpr ControlName Label1{"Label1"};  // "Addresses Read:"
inline constexpr ControlName Label2{"Label2"};
inline constexpr ControlName Label4{"Label4"};
inline constexpr ControlName Label5{"Label5"};  // the count
inline constexpr ControlName Label6{"Label6"};
inline constexpr ControlName Label7{"Label7"};  // the status line
inline constexpr ControlName Label8{"Label8"};
inline constexpr ControlName Text1{"Text1"};  // export path
inline constexpr ControlName Text2{"Text2"};  // cache path
inline constexpr ControlName Text3{"Text3"};  // address clipboard
inline constexpr ControlName List1{"List1"};
inline constexpr ControlName Command1{"Command1"};  // Browse
inline constexpr ControlName Command2{"Command2"};  // Export
inline constexpr ControlName Command3{"Command3"};  // Clear List
inline constexpr ControlName add{"add"};            // Add Name
inline constexpr ControlName delete_{"delete"};     // Remove Name; a keyword in C++
// The menus and their items.
inline constexpr ControlName File{"File"};
inline constexpr ControlName Open{"Open"};
inline constexpr ControlName Clear{"Clear"};
inline constexpr ControlName exit{"exit"};
inline constexpr ControlName Group{"Group"};
inline constexpr ControlName domain{"domain"};  // By Domain
inline constexpr ControlName Help{"Help"};
inline constexpr ControlName Assistance{"Assistance"};
inline constexpr ControlName About{"About"};
}  // namespace form1

// "Add e-mail address".
namespace form2 {
inline constexpr WindowName window{"Form2"};
inline constexpr ControlName Text1{"Text1"};
inline constexpr ControlName Command2{"Command2"};  // Add
inline constexpr ControlName Command1{"Command1"};  // Cancel
}  // namespace form2

// "Help and Tips".
namespace form3 {
inline constexpr WindowName window{"Form3"};
inline constexpr ControlName Label1{"Label1"};
inline constexpr ControlName Label2{"Label2"};
inline constexpr ControlName Label3{"Label3"};
inline constexpr ControlName Label4{"Label4"};
inline constexpr ControlName Label5{"Label5"};
inline constexpr ControlName Label6{"Label6"};
inline constexpr ControlName Label7{"Label7"};
inline constexpr ControlName Label8{"Label8"};
inline constexpr ControlName Label9{"Label9"};
inline constexpr ControlName Label10{"Label10"};
inline constexpr ControlName Label11{"Label11"};
inline constexpr ControlName Label12{"Label12"};
inline constexpr ControlName Label13{"Label13"};    // the web address
inline constexpr ControlName Command2{"Command2"};  // Close
}  // namespace form3

}  // namespace ravelo
