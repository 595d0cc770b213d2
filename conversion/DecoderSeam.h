#pragma once

#include "imaging/RasterImage.h"

#include <string>
#include <vector>

// What the decoder needs of a user interface: the open-file dialog, the
// message box and the image display. The window program answers with its
// own; without a window, HeadlessDecoderSeam stands in.
class DecoderSeam {
public:
    virtual ~DecoderSeam() = default;
    // The path the user chose, or empty text when the dialog was cancelled.
    virtual std::string askOpenFileName() = 0;
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // Has the image display show the preview.
    virtual void showPreview(DisplayHandle preview) = 0;
};

// No dialog (every request is "cancelled"), messages kept for the caller,
// and no display: the preview simply stays in its slot.
class HeadlessDecoderSeam : public DecoderSeam {
public:
    std::string askOpenFileName() override { return {}; }
    void showMessage(const std::string&, const std::string& text) override {
        messages.push_back(text);
    }
    void showPreview(DisplayHandle) override {}

    std::vector<std::string> messages;
};
