// The desktop converter.

#include "programs/ombrixgo/ConverterRoot.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return ombrix::RunConverter();
}
