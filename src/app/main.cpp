#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::puts("Lostrand: the window is not built yet.");
    return 0;
}
