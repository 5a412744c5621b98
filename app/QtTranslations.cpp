#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace quobrix {

QString QtLanguageOf(const QString& languageName) {
  if (languageName.isEmpty() || languageName == u"Русский") return QStringLiteral("ru");
  if (languageName == u"Украинский") return QStringLiteral("uk");
  return {};
}

bool UseQtTranslations(const QString& languageName) {
  static std::unique_ptr<QTranslator> installed;
  if (installed) QCoreApplication::removeTranslator(installed.get());
  installed.reset();
  const QString language = QtLanguageOf(languageName);
  QLocale::setDefault(language.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(language));
  if (language.isEmpty()) return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  QCoreApplication::installTranslator(translator.get());
  installed = std::move(translator);
  return true;
}

}  // namespace quobrix
