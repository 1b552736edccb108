// The reference for the start-up benchmark: the smallest ordinary Qt Widgets
// window, built with the same compiler flags as the program it is set beside.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("A minimal Qt Widgets window."), &window));
    layout->addWidget(new QPushButton(QStringLiteral("OK"), &window));
    window.show();

    return QApplication::exec();
}
