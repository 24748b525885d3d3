// Qt's own texts switch with the interface language.
#include "qt/qt_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "core/language_change.h"
#include "core/language_table.h"

namespace corvana {
namespace {

class QtTranslationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::uint8_t language : {ChineseSimplified, ChineseTraditional}) {
      const QString file = ui::qtCatalogueDirectory() + "/" + ui::qtCatalogueName(language) + ".qm";
      if (!QFileInfo::exists(file))
        GTEST_SKIP() << file.toStdString()
                     << " is not installed (Debian package qt6-translations-l10n)";
    }
  }
  void TearDown() override { LanguageIndex = English; }
  static QString cancelOf(const QDialogButtonBox& box) {
    return box.button(QDialogButtonBox::Cancel)->text();
  }
  static QString cancelOf(const QMessageBox& box) {
    return box.button(QMessageBox::Cancel)->text();
  }
};

TEST_F(QtTranslationsTest, StandardButtonsChangeAndEnglishRestoresThem) {
  QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Ok | QMessageBox::Cancel);
  const QString english = cancelOf(buttons);
  ASSERT_TRUE(english.contains("Cancel")) << english.toStdString();
  ui::QtTranslations translations;
  for (std::uint8_t language : {ChineseSimplified, ChineseTraditional, English}) {
    SCOPED_TRACE(int(language));
    ASSERT_TRUE(translations.apply(language));
    QApplication::processEvents();  // the change reaches widgets as posted events
    const QString expected = language == English ? english : QString::fromUtf8("取消");
    EXPECT_EQ(cancelOf(buttons), expected);
    EXPECT_EQ(cancelOf(box), expected);
    // A box made afterwards, as every message box is.
    QMessageBox fresh(QMessageBox::Question, "t", "q", QMessageBox::Cancel);
    EXPECT_EQ(cancelOf(fresh), expected);
  }
}

TEST_F(QtTranslationsTest, FollowsTheLanguageChangesUntilDestroyed) {
  QDialogButtonBox buttons(QDialogButtonBox::Cancel);
  const QString english = cancelOf(buttons);
  {
    ui::QtTranslations translations;
    translations.followLanguageChanges();
    setLanguage(ChineseTraditional, true);
    QApplication::processEvents();
    EXPECT_EQ(cancelOf(buttons), QString::fromUtf8("取消"));
    setLanguage(English, true);
    QApplication::processEvents();
    EXPECT_EQ(cancelOf(buttons), english);
    setLanguage(ChineseSimplified, true);
    QApplication::processEvents();
    EXPECT_EQ(cancelOf(buttons), QString::fromUtf8("取消"));
  }
  // Gone with its owner: the catalogue and the listener both.
  QApplication::processEvents();
  EXPECT_EQ(cancelOf(buttons), english);
  setLanguage(ChineseTraditional, true);
  QApplication::processEvents();
  EXPECT_EQ(cancelOf(buttons), english);
}

}  // namespace
}  // namespace corvana
