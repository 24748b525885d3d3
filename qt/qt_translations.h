#pragma once
// Qt's own texts -- the standard buttons of message boxes, the file
// dialogs -- in the interface language, from the catalogues Qt installs
// (qtbase_zh_CN, qtbase_zh_TW). English needs none: it is built into Qt.
#include <QString>
#include <cstdint>
#include <memory>

class QTranslator;

namespace corvana::ui {

// The catalogue of a language ("qtbase_zh_CN"), empty for English.
QString qtCatalogueName(std::uint8_t language);
// The folder Qt's catalogues are installed in.
QString qtCatalogueDirectory();

class QtTranslations {
 public:
  QtTranslations();
  ~QtTranslations();  // removes the catalogue it installed
  QtTranslations(const QtTranslations&) = delete;
  QtTranslations& operator=(const QtTranslations&) = delete;

  // Installs the language's catalogue in place of the one before; English
  // only removes it. False when the catalogue is not installed: Qt's texts
  // are English then.
  bool apply(std::uint8_t language);
  // Applies every language change from now on, until destroyed.
  void followLanguageChanges();

 private:
  std::unique_ptr<QTranslator> translator_;
  int listener_ = 0;
};

}  // namespace corvana::ui
