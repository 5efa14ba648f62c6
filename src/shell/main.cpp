#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "Orvane: the store is built; the main window is not built yet.\n";
    return 0;
}
