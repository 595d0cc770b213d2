#include "imaging/SaveCommand.h"

#include "imaging/BmpWriter.h"

namespace {

constexpr ImageSlot savedSlot = 0;

std::string lowerAsciiLetters(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = char(c - 'A' + 'a');
        }
    }
    return text;
}

} // namespace

std::string extensionOf(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        const char c = path[i - 1];
        if (c == '.') {
            return path.substr(i);
        }
        if (c == '\\') {
            return {};
        }
    }
    return {};
}

std::string bmpPathFor(const std::string& chosenPath) {
    if (lowerAsciiLetters(extensionOf(chosenPath)) == "bmp") {
        return chosenPath;
    }
    return chosenPath + ".bmp";
}

void saveAsCommand(const ImageStore& store, SaveFileDialog& dialog) {
    const std::string chosen = dialog.askSaveFileName("Save as", "", "BMP|*.bmp|", 1);
    if (chosen.empty()) {
        return;
    }
    writeBmp(store, savedSlot, bmpPathFor(chosen));
}
