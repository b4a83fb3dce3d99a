// The stand-alone editor for conversion definition files.

#include "programs/OmbrixEditor/EditorRoot.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return ombrix::RunEditor();
}
