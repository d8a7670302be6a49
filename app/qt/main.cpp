#include <QApplication>

#include "app/backends.h"
#include "app/qt/form1.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("CMM Points"));

    app::Backends backends = app::makeBackends();
    app::Form1 form(*backends.cmm, *backends.cad);
    // The window appears only once start-up has finished, linked or not.
    form.load();
    form.show();
    return application.exec();
}
