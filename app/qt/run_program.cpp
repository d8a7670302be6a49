#include "app/qt/run_program.h"

#include <QApplication>

#include "app/backends.h"
#include "app/qt/form1.h"

namespace app {

int runProgram(int argc, char* argv[], const std::function<void(Form1&)>& shown) {
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("CMM Points"));

    Backends backends = makeBackends();
    Form1 form(*backends.cmm, *backends.cad);
    // The window appears only once start-up has finished, linked or not.
    form.load();
    form.show();
    if (shown) shown(form);
    return application.exec();
}

}  // namespace app
