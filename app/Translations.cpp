#include "app/Translations.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QWidget>

static const QString LanguageKey = QStringLiteral("settings/language");
static const QString ProgramFolder = QStringLiteral(":/translations");
static const QString English = QStringLiteral("en");

/// The first of \a locale's languages that the program speaks, English included.
static QString spokenLanguage(const QLocale& locale)
{
    const QStringList spoken = Translations::languages();
    for (const QString& name : locale.uiLanguages()) {
        const QString language = QLocale(name).name().section(QLatin1Char('_'), 0, 0);
        if (spoken.contains(language))
            return language;
    }
    return English;
}

Translations::Translations()
{
    install(chosen());
}

Translations::~Translations()
{
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
}

QStringList Translations::languages()
{
    QStringList codes { English };
    for (const QString& file : QDir(ProgramFolder).entryList({ QStringLiteral("brindlow_*.qm") }, QDir::Files))
        codes.append(file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0));
    return codes;
}

QString Translations::nativeName(const QString& language)
{
    // Qt names English after a country ("American English").
    if (language == English)
        return QStringLiteral("English");
    const QLocale locale(language);
    const QString name = locale.nativeLanguageName();
    return locale.toUpper(name.left(1)) + name.mid(1);
}

QString Translations::chosen()
{
    const QString language = QSettings().value(LanguageKey).toString();
    return languages().contains(language) ? language : QString();
}

void Translations::choose(const QString& language)
{
    QSettings().setValue(LanguageKey, language);
    install(language);
}

void Translations::install(const QString& choice)
{
    const QString language = choice.isEmpty() ? spokenLanguage(QLocale::system()) : choice;
    // The system's own formats when its language is the one spoken.
    const QLocale locale
        = choice.isEmpty() && QLocale::system().name().startsWith(language) ? QLocale::system() : QLocale(language);
    // Formats first: the pages re-translate on the language change that
    // installing a translator sends, and then show dates in the new locale.
    QLocale::setDefault(locale);
    for (QWidget* window : QApplication::topLevelWidgets())
        window->setLocale(locale);

    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    if (language == English) {
        // English is the texts' own language; the change still reaches the pages.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
        return;
    }
    if (program.load(QStringLiteral("brindlow_") + language, ProgramFolder))
        QCoreApplication::installTranslator(&program);
    // Qt has no Bokmål of its own texts; its Nynorsk says Yes, No and Cancel alike.
    const QString qtLanguage = language == QLatin1String("nb") ? QStringLiteral("nn") : language;
    if (qt.load(QStringLiteral("qt_") + qtLanguage, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}
