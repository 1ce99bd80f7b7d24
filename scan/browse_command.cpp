#include "scan/browse_command.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "addresses/list_commands.h"
#include "files/byte_file.h"
#include "scan/cache_addresses.h"
#include "scan/cache_location.h"
#include "texts/status_text.h"

namespace ravelo {
namespace {

constexpr float kWaitingPause = 1.0f / 24.0f;

const std::array<std::string, 4> &waitingTexts() {
    static const std::array<std::string, 4> texts = {
        statusText(89, "Please wait while reading file"),
        statusText(89, "Please wait while reading file."),
        statusText(89, "Please wait while reading file.."),
        statusText(89, "Please wait while reading file..."),
    };
    return texts;
}

void setButtonsEnabled(BrowseControls &c, bool enabled) {
    c.browse.setEnabled(enabled);
    c.exportButton.setEnabled(enabled);
}

// Appends the file's addresses to the list and says how it ended: the addresses it added, or
// why it stopped short.
std::string scanInto(ByteSource &file, const FilePath &path, BrowseControls &c, Pauser &pauser) {
    CacheAddresses addresses(file);
    int added = 0;
    for (;;) {
        for (const std::string &text : waitingTexts()) {
            c.status.setCaption(text);
            pauser.Pause(kWaitingPause);
        }
        const std::optional<std::string> address = addresses.next();
        if (!address) {
            break;
        }
        if (!c.list.Append(*address)) {
            return std::string(kListFullText);
        }
        ++added;
        c.cachePath.setPath(path);
        ShowCount(c.list, c.countLabel);
        if (added == kMaxAddressesPerScan) {
            break;
        }
    }
    if (file.failed()) {
        return statusText(90, "Could not read the whole file.");
    }
    std::string finished =
        "Finished reading file, " + std::to_string(added) + " e-mail addresses found";
    if (addresses.leftOut() > 0) {
        finished += ", " + std::to_string(addresses.leftOut()) +
                    " left out for letters the list cannot hold";
    }
    return finished + ".";
}

}  // namespace

void Browse(BrowseControls &c, const Services &services) {
    if (!c.browse.isEnabled()) {
        return;
    }
    setButtonsEnabled(c, false);
    c.status.setCaption(statusText(108, "Browsing for File..."));
    const OpenFileRequest request{
        .title = "Choose your NK2 file.",
        .filterName = "NK2 Files (*.NK2)",
        .filterPattern = "*.NK2",
        .startPath = defaultCachePath(GetSpecialFolder(kAppDataFolderId, services.specialFolder)),
    };
    const std::optional<FilePath> path = services.chooser->chooseFile(request);
    if (!path) {
        c.status.setCaption(std::string(kStartUpText));
        setButtonsEnabled(c, true);
        return;
    }
    std::unique_ptr<ByteSource> file = services.openFile(*path);
    if (!file) {
        c.status.setCaption(statusText(89, "Could not open the chosen file."));
        setButtonsEnabled(c, true);
        return;
    }
    if (const std::optional<FileIdentity> read = identityOf(*path)) {
        if (!isAmong(*read, c.cacheFilesRead)) {
            c.cacheFilesRead.push_back(*read);
        }
    }
    const std::string ended = scanInto(*file, *path, c, *services.pauser);
    file.reset();
    setButtonsEnabled(c, true);
    c.status.setCaption(ended);
}

}  // namespace ravelo
