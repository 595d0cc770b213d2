#pragma once

#include "imaging/ImageStore.h"

#include <string>

// The save-file dialog, as the Save command needs it.
class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // The full path chosen, or empty text on cancel. filter is in pair
    // notation ("BMP|*.bmp|"), selectedEntry counts from 1.
    virtual std::string askSaveFileName(const std::string& title, const std::string& initialName,
                                        const std::string& filter, int selectedEntry) = 0;
};

// The characters after the path's last full stop, unless a backslash comes
// after it; empty text when there is none. A forward slash does not stop the
// search.
std::string extensionOf(const std::string& path);

// The path with ".bmp" appended unless its extension is bmp in any letter case.
std::string bmpPathFor(const std::string& chosenPath);

// Asks for a file name and writes the picture (slot 0) there as a BMP. Reports
// nothing: a cancel or a failed write leaves everything as it was.
void saveAsCommand(const ImageStore& store, SaveFileDialog& dialog);
