#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/code_page.h"
#include "forms/control_names.h"
#include "platform/controls.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "support/name_output.h"

// Stand-ins for the window's controls that write what happens to them into one shared log, so
// that a test can check a whole run of a command in order.
namespace ravelo::testing {

using Log = std::vector<std::string>;

class FakeLabel final : public Label {
public:
    FakeLabel(Log &log, ControlName name) : log_(log), name_(name.text()) {}
    void setCaption(const std::string &text) override {
        caption = text;
        log_.push_back(name_ + ": " + text);
    }
    // The name as the code page shows it, so that tests compare texts alike.
    void setCaption(const std::string &text, const FilePath &path) override {
        setCaption(text + encodeText(std::filesystem::path(path).u16string()));
    }
    void setBackColor(Rgb color) override {
        backColor = color;
        log_.push_back(name_ + " color " + std::to_string(color.red) + "," +
                       std::to_string(color.green) + "," + std::to_string(color.blue));
    }
    std::string caption;
    Rgb backColor{0, 0, 255};

private:
    Log &log_;
    std::string name_;
};

class FakeTextBox final : public TextBox {
public:
    explicit FakeTextBox(std::string initial = {}) : value(std::move(initial)) {}
    std::string text() const override { return value; }
    void setText(const std::string &text) override {
        value = text;
        ++writes;
    }
    // Paths are kept as the code page shows them, so that tests can compare their text.
    FilePath path() const override { return nativePath(value).native(); }
    void setPath(const FilePath &path) override {
        setText(encodeText(std::filesystem::path(path).u16string()));
    }
    void setFocus() override { ++focused; }
    void redraw() override { ++redrawn; }
    std::string value;
    int writes = 0;
    int focused = 0;
    int redrawn = 0;
};

class FakeButton final : public Button {
public:
    FakeButton(Log &log, ControlName name) : log_(log), name_(name.text()) {}
    bool isEnabled() const override { return enabled; }
    void setEnabled(bool on) override {
        enabled = on;
        log_.push_back(name_ + (on ? " enabled" : " disabled"));
    }
    bool enabled = true;

private:
    Log &log_;
    std::string name_;
};

class FakeListBox final : public ListBox {
public:
    void setFocus() override { ++focused; }
    void redraw() override { ++redrawn; }
    int focused = 0;
    int redrawn = 0;
};

// Logs each wait; `during` runs inside the given wait (counted from 1), as a window event would.
class FakePauser final : public Pauser {
public:
    explicit FakePauser(Log &log) : log_(log) {}
    void Pause(float seconds) override {
        ++calls;
        char text[32];
        std::snprintf(text, sizeof text, "pause %.9g", static_cast<double>(seconds));
        log_.push_back(text);
        if (during && calls == duringCall) {
            during();
        }
    }
    int calls = 0;
    int duringCall = 0;
    std::function<void()> during;

private:
    Log &log_;
};

class FakeChooser final : public FileChooser {
public:
    std::optional<FilePath> chooseFile(const OpenFileRequest &request) override {
        requests.push_back(request);
        if (!answer) {
            return std::nullopt;
        }
        return answer->native();
    }
    std::optional<std::filesystem::path> answer;
    std::vector<OpenFileRequest> requests;
};

class FakeMessageBoxes final : public MessageBoxes {
public:
    int show(const std::string &text, const std::string &title, int style) override {
        shown.push_back({text, title, style});
        return answer;
    }
    // The name as the code page shows it, so that tests compare texts alike.
    int show(const std::string &before, const FilePath &path, const std::string &after,
             const std::string &title, int style) override {
        return show(before + encodeText(std::filesystem::path(path).u16string()) + after, title,
                    style);
    }
    struct Shown {
        std::string text, title;
        int style;
    };
    int answer = kAnswerYes;
    std::vector<Shown> shown;
};

}  // namespace ravelo::testing
