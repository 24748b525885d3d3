#include "qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/language_change.h"
#include "core/language_table.h"

namespace corvana::ui {

QString qtCatalogueName(std::uint8_t language) {
  switch (language) {
    case ChineseSimplified: return QStringLiteral("qtbase_zh_CN");
    case ChineseTraditional: return QStringLiteral("qtbase_zh_TW");
    default: return QString();
  }
}

QString qtCatalogueDirectory() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
  if (listener_) languageListeners().remove(listener_);
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

bool QtTranslations::apply(std::uint8_t language) {
  // Removing and installing both tell every widget to re-read Qt's texts.
  if (translator_) {
    QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
  }
  const QString name = qtCatalogueName(language);
  if (name.isEmpty()) return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(name, qtCatalogueDirectory())) return false;
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
  return true;
}

void QtTranslations::followLanguageChanges() {
  if (listener_) return;
  listener_ = languageListeners().add([this](std::uint8_t language) { apply(language); });
}

}  // namespace corvana::ui
