#pragma once

// How scaleImage maps the old pixels onto the new ones.
enum class ScaleMode {
    Replicate, // every new pixel takes exactly one old pixel: whole-number enlargements give blocks
    Smooth,    // neighbouring old pixels are blended
};
