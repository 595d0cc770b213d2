// Mode 4: a maze with its way in and out, and the player at the start.
#include "tools/sample-dumps/SampleScreens.h"

#include <array>
#include <random>
#include <vector>

namespace {

constexpr int white = 1;
constexpr int cellsAcross = 18;
constexpr int cellsDown = 13;
constexpr int cellSize = 16;
constexpr int left = (320 - cellsAcross * cellSize) / 2;
constexpr int top = 24;

struct Cell {
    bool visited = false;
    bool openRight = false;
    bool openDown = false;
};

// A perfect maze: every cell reached by exactly one path, carved depth first.
std::vector<Cell> carveMaze() {
    std::vector<Cell> cells(cellsAcross * cellsDown);
    std::mt19937 random(4);
    std::vector<int> path{0};
    cells[0].visited = true;
    while (!path.empty()) {
        const int here = path.back();
        const int x = here % cellsAcross;
        const int y = here / cellsAcross;
        std::array<int, 4> choices{};
        int count = 0;
        if (x > 0 && !cells[here - 1].visited) {
            choices[count++] = here - 1;
        }
        if (x + 1 < cellsAcross && !cells[here + 1].visited) {
            choices[count++] = here + 1;
        }
        if (y > 0 && !cells[here - cellsAcross].visited) {
            choices[count++] = here - cellsAcross;
        }
        if (y + 1 < cellsDown && !cells[here + cellsAcross].visited) {
            choices[count++] = here + cellsAcross;
        }
        if (count == 0) {
            path.pop_back();
            continue;
        }
        const int next = choices[random() % unsigned(count)];
        if (next == here + 1) {
            cells[here].openRight = true;
        } else if (next == here - 1) {
            cells[next].openRight = true;
        } else if (next == here + cellsAcross) {
            cells[here].openDown = true;
        } else {
            cells[next].openDown = true;
        }
        cells[next].visited = true;
        path.push_back(next);
    }
    return cells;
}

} // namespace

Canvas drawMaze() {
    Canvas canvas(320, 256);
    canvas.text(128, 4, "THE MAZE", white);
    const std::vector<Cell> cells = carveMaze();
    const int width = cellsAcross * cellSize;
    const int height = cellsDown * cellSize;
    // The outer wall, open at the top-left and the bottom-right.
    canvas.fillRectangle(left + cellSize, top, width - cellSize + 2, 2, white);
    canvas.fillRectangle(left, top + height, width - cellSize, 2, white);
    canvas.fillRectangle(left, top, 2, height + 2, white);
    canvas.fillRectangle(left + width, top, 2, height + 2, white);
    for (int y = 0; y < cellsDown; ++y) {
        for (int x = 0; x < cellsAcross; ++x) {
            const Cell& cell = cells[y * cellsAcross + x];
            const int cellLeft = left + x * cellSize;
            const int cellTop = top + y * cellSize;
            if (!cell.openRight && x + 1 < cellsAcross) {
                canvas.fillRectangle(cellLeft + cellSize, cellTop, 2, cellSize + 2, white);
            }
            if (!cell.openDown && y + 1 < cellsDown) {
                canvas.fillRectangle(cellLeft, cellTop + cellSize, cellSize + 2, 2, white);
            }
        }
    }
    canvas.fillEllipse(left + cellSize / 2 + 1, top + cellSize / 2 + 1, 4, 4, white);
    // The way in is above the first cell, the way out below the last.
    canvas.text(left, top - 10, "IN", white);
    canvas.text(left + width - 20, top + height + 4, "OUT", white);
    canvas.text(40, 246, "FIND THE WAY OUT - PRESS SPACE", white);
    return canvas;
}
