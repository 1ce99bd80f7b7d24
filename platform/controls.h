#pragma once

#include <cstdint>
#include <string>

#include "files/file_path.h"

// The window controls as the program's commands see them. All text is 8-bit text in the system
// code page; the window side converts it for display. A path in a text box is read and written
// as a path, so that no character of a file's name is lost to the code page.
namespace ravelo {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

class Label {
public:
    virtual ~Label() = default;
    virtual void setCaption(const std::string &text) = 0;
    // The text followed by a file's name, every character of the name shown as it is.
    virtual void setCaption(const std::string &text, const FilePath &path) = 0;
    virtual void setBackColor(Rgb color) = 0;
};

class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string &text) = 0;
    // The text as the name of a file, every character kept.
    virtual FilePath path() const = 0;
    virtual void setPath(const FilePath &path) = 0;
    virtual void setFocus() = 0;
    virtual void redraw() = 0;
};

class Button {
public:
    virtual ~Button() = default;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
};

// The list box that shows the address list; its rows follow the list by themselves.
class ListBox {
public:
    virtual ~ListBox() = default;
    virtual void setFocus() = 0;
    virtual void redraw() = 0;
};

// A secondary window: modeless, shown and hidden by its commands, its controls kept while hidden.
class Window {
public:
    virtual ~Window() = default;
    virtual void setEnabled(bool enabled) = 0;
    // Shown modeless and brought to the front, or hidden.
    virtual void setVisible(bool visible) = 0;
};

// Waits the given number of seconds while window events go on being handled. Commands started
// by those events run to their end inside the wait.
class Pauser {
public:
    virtual ~Pauser() = default;
    virtual void Pause(float seconds) = 0;
};

}  // namespace ravelo
