#include "app/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexmora NX"));

    vx::Form1 form;
    if (!form.Form_Load())
        return 1;
    form.show();
    return QApplication::exec();
}
