// The yardstick for karo-cli's whole-process time: a program linked to Qt Core alone that
// starts, makes its application object and ends.
#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return QCoreApplication::applicationName().isEmpty() ? 1 : 0;
}
