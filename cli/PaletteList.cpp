#include "cli/PaletteList.h"

#include "conversion/LogicalPalette.h"

#include <algorithm>
#include <cctype>

namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::optional<PhysicalColour> parsePhysicalColour(std::string_view text) {
    if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + physicalColourCount) {
        return PhysicalColour(text[0] - '0');
    }
    for (PhysicalColour colour = 0; colour < physicalColourCount; ++colour) {
        if (sameLetters(text, physicalColourName(colour))) {
            return colour;
        }
    }
    return std::nullopt;
}

std::optional<std::vector<PhysicalColour>> parsePaletteList(std::string_view text) {
    std::vector<PhysicalColour> colours;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::optional<PhysicalColour> colour = parsePhysicalColour(text.substr(0, comma));
        if (!colour || colours.size() == LogicalPalette().size()) {
            return std::nullopt;
        }
        colours.push_back(*colour);
        if (comma == std::string_view::npos) {
            return colours;
        }
        text.remove_prefix(comma + 1);
    }
}
