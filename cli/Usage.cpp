#include "cli/Usage.h"

std::string usageText() {
    return R"(Usage: tessaview-convert [--mode N] [--palette LIST] [--preview] [--format bmp|png]
                         [-o OUT | --output-dir DIR] [--quiet] DUMP...

Converts BBC Micro screen dumps (raw copies of screen memory) into pictures.

Options:
  --mode N          screen mode of the dumps: 0, 1, 2, 4 or 5 (default 2)
  --palette LIST    up to eight comma-separated physical colours for logical
                    colours 0, 1, 2, ... in order; each a number 0-7 or a name
                    (black, red, green, yellow, blue, magenta, cyan, white);
                    colours not given keep the mode's default palette
  --preview         write the 640-wide, line-doubled preview instead of the
                    picture at its own resolution
  --format FORMAT   bmp or png; otherwise taken from the extension of -o
                    (.png gives PNG), otherwise bmp
  -o OUT            write the picture of the single DUMP to OUT; - is
                    standard output
  --output-dir DIR  write each picture to DIR/<dump's file name>.<bmp|png>
  --quiet           no warnings about short dumps, no progress line
  --help            show this text
  --version         show the version

Without -o or --output-dir each picture is written beside its dump, as the
dump's name with .bmp or .png appended ("$.SCREEN" gives "$.SCREEN.bmp").
Existing pictures are replaced.

Exit status: 0 when every dump was converted, 1 when any failed, 2 for a
usage error.

Examples:
  tessaview-convert --mode 1 '$.SCREEN'
  tessaview-convert --mode 0 --palette blue,yellow -o title.png title.bin
  tessaview-convert --mode 5 --format png --output-dir out dumps/*
  tessaview-convert --preview -o - game.bin > game.bmp
)";
}

std::string versionText() {
    return "tessaview-convert " TESSAVIEW_VERSION "\n";
}

std::string helpPointer() {
    return "Try 'tessaview-convert --help' for more information.\n";
}
