#pragma once

#include <string>

// The text of --help: the synopsis, the options and examples.
std::string usageText();

// The text of --version: "tessaview-convert" and the project's version.
std::string versionText();

// The line that follows a usage error.
std::string helpPointer();
