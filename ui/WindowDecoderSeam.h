#pragma once

#include "conversion/DecoderSeam.h"
#include "platform/Platform.h"

// The decoder's dialog, message box and image display on the main window.
class WindowDecoderSeam : public DecoderSeam {
public:
    explicit WindowDecoderSeam(Platform& platform) : platform(platform) {}

    // "Open file", listing all files.
    std::string askOpenFileName() override;
    // An application-modal box with an error icon and a single OK button.
    void showMessage(const std::string& title, const std::string& text) override;
    // Hands the preview to the image display, which takes its size.
    void showPreview(DisplayHandle preview) override;

private:
    Platform& platform;
};
