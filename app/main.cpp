#include <QApplication>
#include <clocale>

#include "CalcWindowLink.h"
#include "Screen.h"
#include "frmZolvane.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Numbers are read and written with a point whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    Platform::InstallMessageBoxSink();
    frmZolvane window;
    CalcWindowLink calculator(window);
    window.show();
    return app.exec();
}
