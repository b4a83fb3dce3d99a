#include "editor/rules/LoaderValidator.h"

#include "engine/ConversionPath.h"

namespace ombrix {

bool LoaderValidator::Validate(std::string& path) {
    ConversionDefinition scratch;
    const LoaderContext ctx{sink_, texts_, nullptr, folders_};
    return LoadConversion(scratch, path, ValidateMode, ctx);
}

std::string LoaderValidator::Title(std::string& path) {
    return ReadConversionTitle(path, folders_).value_or(std::string());
}

} // namespace ombrix
