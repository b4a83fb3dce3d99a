#pragma once
// The shared catalogue as the conversion list's rules see it.

#include "mainwindow/rules/CataloguePort.h"
#include "settings/Catalogue.h"

namespace ombrix {

class CatalogueAdapter : public CataloguePort {
public:
    explicit CatalogueAdapter(Catalogue& catalogue) : c_(catalogue) {}
    std::vector<std::string> Names() const override { return c_.Names; }
    std::string File(std::int16_t index) const override;
    std::int16_t LastIndex() const override { return c_.LastIndex; }
    std::int16_t DefaultIndex() const override { return c_.DefaultIndex; }
    void SetDefaultIndex(std::int16_t index) override { c_.DefaultIndex = index; }
    std::string LanguageFile() const override { return c_.LanguageFile; }
    void SetLanguageFile(const std::string& file) override { c_.LanguageFile = file; }
    void RemoveEntry(std::int16_t index) override { c_.RemoveEntry(index); }
    bool AppendEntry(const std::string& name, const std::string& file) override {
        return c_.AppendEntry(name, file);
    }
    std::int16_t ReadCatalogue(std::int16_t mode, std::int16_t currentSelection) override;
    bool SaveCatalogue(const std::string& language, bool relative, std::string& written) override;
    void KeepCopyOnNextSave() override { c_.KeepCopyOnNextSave(); }

private:
    Catalogue& c_;
};

} // namespace ombrix
