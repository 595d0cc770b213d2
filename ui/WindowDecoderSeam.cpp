#include "ui/WindowDecoderSeam.h"

#include "ui/Identifiers.h"

std::string WindowDecoderSeam::askOpenFileName() {
    return platform.askOpenFileName("Open file");
}

void WindowDecoderSeam::showMessage(const std::string& title, const std::string& text) {
    platform.showMessageBox(title, text, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void WindowDecoderSeam::showPreview(DisplayHandle preview) {
    platform.setControlImage(imageDisplayId, preview);
}
