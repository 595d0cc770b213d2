#include "cli/DumpCheck.h"

std::string_view reasonFor(DumpProblem problem) {
    switch (problem) {
    case DumpProblem::Missing:
        return "missing";
    case DumpProblem::NotRegularFile:
        return "not a regular file";
    case DumpProblem::Unreadable:
        return "unreadable";
    case DumpProblem::None:
        break;
    }
    return {};
}
