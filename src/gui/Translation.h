#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "names/Language.h"

class QMenuBar;
class QTranslator;
class QWidget;

// The program in the user's language. Window texts are written in English in
// the code, marked with QT_TRANSLATE_NOOP("Velmora", …) so that lupdate
// collects them into translations/velmora_<code>.ts; the names the core hands
// over in English (tithis, nakshatras, months …) come from the name tables
// (names/NameTables.h), the same the report tool reads.
//
// A window's texts are put into the current language by RetranslateTree(): it
// keeps each text's English original beside the widget, so that switching
// languages any number of times (and back to English) always starts from the
// original, and a text the window sets anew is taken as its new original.
namespace velmora {

// The language of a locale name such as LANG holds ("hi_IN.UTF-8" → Hindi);
// English for any locale the program does not speak.
Language LanguageOfLocale(const QString& localeName);
// The language of the user's locale: LC_ALL, else LC_MESSAGES, else LANG.
Language LanguageOfEnvironment();

// The one language switch of the application: installs the translator and
// retranslates every open window. Created on first use as a child of the
// application object; null without one.
class LanguageSwitch final : public QObject {
    Q_OBJECT
public:
    static LanguageSwitch* Of();
    ~LanguageSwitch() override;

    Language Current() const { return current_; }
    // Loads the language's translations (built into the program), puts every
    // open window into it, and says so with Changed(). False when the
    // translations could not be loaded (the language stays as it was).
    bool Switch(Language language);

signals:
    void Changed(velmora::Language language);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit LanguageSwitch(QObject* parent);
    Language current_ = Language::English;
    std::unique_ptr<QTranslator> translator_;
};

// The language now in force (English without an application object).
Language CurrentLanguage();

// A window text in the current language: the translation of the English
// `source`, or, for a text the translation files do not hold, the same text
// with the almanac's names replaced from the name tables; `source` itself in
// English.
QString TranslatedText(const QString& source);
// A paragraph in the current language when the translations or the tables
// hold it whole; otherwise the English, never translated word by word.
QString TranslatedParagraph(const QString& source);

// The English original of a text RetranslateTree() put into `widget`, or
// `shown` itself when the window set it (or nothing was translated).
QString SourceText(const QObject* widget, const QString& shown);

// Every text of `root` and the widgets, menus and tabs under it in the
// current language (see above). Line edits, combo boxes and spin boxes are
// left alone: the windows read them back.
void RetranslateTree(QWidget* root);

// The Language menu ("English", "हिन्दी", "தமிழ்", each in its own script) at
// the end of a window's menu bar; named mnuLanguage, its items mnuLanguageEn,
// mnuLanguageHi, mnuLanguageTa.
void AddLanguageMenu(QMenuBar* bar);

}  // namespace velmora

namespace velmora {

// A window text as the code writes it, marked for lupdate with
// QT_TRANSLATE_NOOP("Velmora", …): the English original, which
// RetranslateTree() puts into the current language.
inline QString UiText(const char* english) { return QString::fromUtf8(english); }

}  // namespace velmora
