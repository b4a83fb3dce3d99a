// The desktop converter.

#include "mainwindow/ConverterProgram.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return ombrix::RunConverter();
}
