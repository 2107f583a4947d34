// The floor of the start-up benchmark: a bare Qt dialog, built with the same compiler and
// flags as the programs, doing nothing but show itself.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("Bare dialog");
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel("A bare Qt dialog"));
    return dialog.exec();
}
