#pragma once

#include <QTranslator>

// A made-up language for checking that layouts hold in every language:
// every line of every text 40 % longer and its vowels accented ("&Save
// Project" becomes "&Sâvê Prôjêct~~~~~"), so a cut-off end or a clipped accent
// shows. What the program relies on stays as it is: placeholders ("%1",
// "%L2", "%n"), the key after an accelerator's "&" (and "&&"), HTML tags and
// entities.
class CPseudoTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }
    QString translate(
        const char* context, const char* source, const char* disambiguation, int n) const override;

    // The pseudo form of one text.
    static QString Pseudo(const QString& text);
};
