#include "DisplayConnection.h"
#include "MainWindow.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    const auto app = vlnokres::connectToDisplay(argc, argv);
    // One style everywhere: the form's grey bevels must not follow the desktop's theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    vlnokres::MainWindow window;
    window.show();
    return QApplication::exec();
}
