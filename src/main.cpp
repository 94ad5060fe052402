#include "common/application.h"
#include "common/windows.h"
#include "impact/velmaric.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    application::setUp(app);
    windows::show<Velmaric>();
    return app.exec();
}
