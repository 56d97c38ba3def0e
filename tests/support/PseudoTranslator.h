#ifndef PSEUDOTRANSLATOR_H
#define PSEUDOTRANSLATOR_H

#include <QTranslator>

/// A translation into a made-up language for the tests: every text 40% longer
/// and its letters accented ("Sign Out" becomes "Šîĝñ Óûţ ~~~"), placeholders,
/// markup and date formats left as they are; a page that fits it fits the
/// real languages.
class PseudoTranslator : public QTranslator
{
public:
    QString translate(
        const char* context, const char* sourceText, const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

#endif
