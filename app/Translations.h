#ifndef TRANSLATIONS_H
#define TRANSLATIONS_H

#include <QStringList>
#include <QTranslator>

/// The program's texts, Qt's own texts (Yes, No, the file and print dialogs)
/// and the formats of dates and numbers, in one language: the one chosen on
/// the settings side and kept under "settings/language", else the system's.
class Translations
{
public:
    /// Puts the kept choice in place.
    Translations();
    ~Translations();

    /// The languages on offer as codes ("en", "de", ...): English, then each
    /// translation built into the program.
    static QStringList languages();
    /// \a language's name in itself ("Deutsch"), as a person looks for it.
    static QString nativeName(const QString& language);
    /// The kept choice: a code of languages(), or empty for the system's language.
    static QString chosen();

    /// Keeps \a language (empty: the system's) and switches every page to it at once.
    void choose(const QString& language);

private:
    void install(const QString& language);

    QTranslator program;
    QTranslator qt;
};

#endif
