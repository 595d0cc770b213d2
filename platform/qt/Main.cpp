// The Tessaview window program on Qt.
#include "platform/qt/QtPlatform.h"
#include "ui/Program.h"

#include <QApplication>

int main(int, char** argv) {
    // The program reads no command line; Qt is given only the program's name.
    int argumentCount = 1;
    char* arguments[] = {argv[0], nullptr};
    QApplication application(argumentCount, arguments);
    QtPlatform platform;
    runProgram(platform);
}
