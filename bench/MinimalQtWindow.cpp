// The floor of the start-up benchmarks: a Qt Widgets window of ipview's size, shown, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(334, 219); // ipview's client area at 96 dots per inch
    window.show();
    return QApplication::exec();
}
