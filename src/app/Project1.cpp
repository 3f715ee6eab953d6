#include <QApplication>
#include <cstdio>

#include "Application.h"

int main(int argc, char** argv) {
    // Qt aborts when it finds no window system; say what to do instead.
    if (!app::displayAvailable()) {
        std::fputs(app::noDisplayMessage().toLocal8Bit().constData(), stderr);
        return 1;
    }
    QApplication application(argc, argv);
    app::initialise(application);
    app::Application program;
    return program.exec();
}
