#pragma once

#include "imaging/SaveCommand.h"
#include "platform/Platform.h"

// The Save command's dialog on the platform.
class PlatformSaveDialog : public SaveFileDialog {
public:
    explicit PlatformSaveDialog(Platform& platform) : platform(platform) {}

    std::string askSaveFileName(const std::string& title, const std::string& initialName,
                                const std::string& filter, int selectedEntry) override {
        return platform.askSaveFileName(title, initialName, filter, selectedEntry);
    }

private:
    Platform& platform;
};
