#include "settings/ConversionLabels.h"

namespace ombrix {

PanelLabels LabelsFor(const ConversionTexts& t, bool switchSides) {
    if (!switchSides)
        return {t.symbol1, t.symbol2, t.input1, t.input2, t.symbol3, t.symbol4};
    return {t.symbol2, t.symbol1, t.input2, t.input1, t.symbol4, t.symbol3};
}

} // namespace ombrix
