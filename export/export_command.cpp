#include "export/export_command.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "export/contact_csv.h"
#include "files/append_file.h"
#include "texts/status_text.h"

namespace ravelo {
namespace {

constexpr float kShortPause = 0.125f;
constexpr float kFlashPause = 8.0f;

// The path without the spaces before and after it.
FilePath trimSpaces(const FilePath &text) {
    const auto space = static_cast<FilePath::value_type>(' ');
    const std::size_t first = text.find_first_not_of(space);
    if (first == text.npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

enum class PutBack { always, unlessReportedSince };

// Shows why nothing was exported, with the status line red for a while. Another export may run
// to its end during the flash; what it reported is kept unless `putBack` is always.
void flashNotExported(ExportControls &c, Pauser &pauser, const std::string &text, PutBack putBack) {
    c.status.setCaption(text);
    const unsigned report = ++c.reports;
    pauser.Pause(kShortPause);
    c.status.setBackColor(kStatusRed);
    pauser.Pause(kFlashPause);
    c.status.setBackColor(kStatusBlue);
    if (putBack == PutBack::always || c.reports == report) {
        c.status.setCaption(text);
    }
    pauser.Pause(kShortPause);
}

}  // namespace

void Export(ExportControls &c, const Services &services) {
    c.status.setCaption(std::to_string(c.list.Count()));
    if (services.messages->show("Are you sure you wish to export this file to\r\n",
                                c.exportPath.path(), "?", "Confirm file export?",
                                kYesNoInformation) != kAnswerYes) {
        flashNotExported(c, *services.pauser,
                         statusText(52, "Detected user aborted file export! File NOT exported."),
                         PutBack::always);
        return;
    }
    // The cache files are kept out by what they are, not by name: the one the box names, and
    // every one read, whatever the box says now.
    std::vector<FileIdentity> keepOut = c.cacheFilesRead;
    if (const std::optional<FileIdentity> shown = identityOf(c.cachePath.path())) {
        keepOut.push_back(*shown);
    }
    if (!appendWhole(trimSpaces(c.exportPath.path()), contactFileText(c.list), keepOut)) {
        // Said out loud: a quiet failure (on Windows, the default path in the root of C: fails
        // for nearly everyone) would leave the user believing the list saved.
        flashNotExported(c, *services.pauser,
                         statusText(69, "Could not write the file! File NOT exported."),
                         PutBack::unlessReportedSince);
        return;
    }
    c.status.setCaption(statusText(55, "File successfully written to"), c.exportPath.path());
    ++c.reports;
    services.pauser->Pause(kShortPause);
}

}  // namespace ravelo
