#pragma once

// The picture formats the converter writes.
enum class OutputFormat {
    Bmp,
    Png,
};
