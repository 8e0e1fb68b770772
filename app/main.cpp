#include <QApplication>
#include <clocale>

#include "Screen.h"
#include "frmZolvane.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Numbers are read and written with a point whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    Platform::InstallMessageBoxSink();
    frmZolvane window;
    window.show();
    return app.exec();
}
