#include "driver/core/Trans.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QQmlEngine>
#include <QTranslator>

namespace {

// Every catalogue translates this text to the name of its own language.
const char* const kLanguageContext = "Trans";
const char* const kLanguageSource = QT_TRANSLATE_NOOP("Trans", "TargetLanguage");
const char* const kFallbackLanguage = "English";
const QString kFilePrefix = QStringLiteral("i18n_");

}  // namespace

Trans::Trans(QQmlEngine* engine, QObject* parent, const QString& catalogueDir, const QString& localeName)
    : QObject(parent), m_engine(engine) {
  const QFileInfoList files =
      QDir(catalogueDir).entryInfoList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
  for (const QFileInfo& file : files) {
    auto translator = QSharedPointer<QTranslator>::create();
    if (!translator->load(file.absoluteFilePath())) continue;
    const QString name = translator->translate(kLanguageContext, kLanguageSource);
    if (name.isEmpty()) continue;
    m_languageList.append(name);
    m_translators.insert(name, translator);

    // The code is taken from the file name, not the whole path, so a
    // catalogue directory that itself contains "i18n_" cannot confuse it.
    const QString fileName = file.fileName();
    const QString code = fileName.startsWith(kFilePrefix) ? fileName.mid(kFilePrefix.size(), 2) : QString();
    if (code.size() == 2 && code == localeName.left(2)) {
      install(translator);
      m_currentLanguage = name;
    }
  }
  if (m_currentLanguage.isEmpty()) reTrans(QString::fromLatin1(kFallbackLanguage));
  emit languageListChanged();
}

Trans::~Trans() { install({}); }

void Trans::reTrans(const QString& lang) {
  if (lang.isEmpty() || lang == m_currentLanguage) return;
  m_currentLanguage = lang;
  install(m_translators.value(lang));
  if (m_engine) m_engine->retranslate();
  emit currentLanguageChanged(lang);
}

void Trans::install(const QSharedPointer<QTranslator>& translator) {
  if (m_installed) QCoreApplication::removeTranslator(m_installed.data());
  m_installed = translator;
  if (m_installed) QCoreApplication::installTranslator(m_installed.data());
}
