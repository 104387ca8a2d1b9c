#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label("Velmora v1.15");
    label.show();
    return QApplication::exec();
}
