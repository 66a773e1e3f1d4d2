#pragma once

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QSharedPointer>
#include <QStringList>

class QQmlEngine;
class QTranslator;

// The interface languages built into the resources and the switch between
// them at run time, also inside the QML window ("trans" in QML).
//
// Each catalogue "i18n_<code>.qm" in the catalogue directory names its own
// language by translating "TargetLanguage" in the context "Trans"; that name
// is the language's key everywhere (the stored "Language" value, the window's
// list, reTrans). At most one catalogue is installed at a time; with none the
// interface shows its Chinese source texts.
class Trans : public QObject {
  Q_OBJECT
  Q_PROPERTY(QStringList languageList READ languageList NOTIFY languageListChanged)
  Q_PROPERTY(QString currentLanguage READ currentLanguage NOTIFY currentLanguageChanged)

 public:
  // The catalogue whose code matches the first two letters of localeName is
  // installed; when none does, English. The catalogue directory is a resource
  // directory, so other programs can bring their own catalogues.
  explicit Trans(QQmlEngine* engine, QObject* parent = nullptr,
                 const QString& catalogueDir = QStringLiteral(":/i18n"),
                 const QString& localeName = QLocale::system().name());
  ~Trans() override;

  QStringList languageList() const { return m_languageList; }
  QString currentLanguage() const { return m_currentLanguage; }

  // Switches to the language of that name; an unknown name leaves no
  // catalogue installed. Switching to the current language does nothing.
  Q_INVOKABLE void reTrans(const QString& lang);

 signals:
  void languageListChanged();
  void currentLanguageChanged(QString currentLanguage);

 private:
  void install(const QSharedPointer<QTranslator>& translator);

  QMap<QString, QSharedPointer<QTranslator>> m_translators;
  QSharedPointer<QTranslator> m_installed;
  QStringList m_languageList;
  QQmlEngine* m_engine = nullptr;
  QString m_currentLanguage;
};
