#pragma once
// Rules stay free of Qt.
#include <QString>
