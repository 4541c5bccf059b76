#include "designerwindow.h"

#include <QApplication>
#include <QTextStream>

// ruravav-designer FILE: builds a list bar and saves its stored set to FILE.
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    app.setApplicationName("ruravav-designer");
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: ruravav-designer FILE\n";
        return 2;
    }
    DesignerWindow window(args.at(1));
    window.show();
    return app.exec();
}
