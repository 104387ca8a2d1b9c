#include "gui/Translation.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QVariant>

#include <optional>

#include "gui/ScreenFit.h"
#include "names/NameTables.h"

namespace velmora {

namespace {

constexpr char kContext[] = "Velmora";
// Where a list item keeps its English text.
constexpr int kSourceRole = Qt::UserRole + 0x7e1;

QString NamesInLanguage(const QString& source, Language language) {
    const std::string text = source.toStdString();
    // The place notes are sentences with values in them, translated whole.
    const std::string out = LocalizedSentences(text, language);
    return out == text ? source : QString::fromStdString(out);
}

// Texts with a value inside: the English pattern with %1, translated whole
// with the value put back.
constexpr const char* kPatterns[] = {
    QT_TRANSLATE_NOOP("Velmora", "No place called “%1” was found."),
    QT_TRANSLATE_NOOP("Velmora", "Join the discussion in our online forum at %1"),
    QT_TRANSLATE_NOOP("Velmora", "Click here to visit %1"),
    QT_TRANSLATE_NOOP("Velmora", "Version %1. Free software under the GNU General Public License, version 3 or "
                                 "later. Places offline from GeoNames (geonames.org), licensed under CC BY 4.0."),
};

std::optional<QString> FromPattern(const QString& source) {
    for (const char* pattern : kPatterns) {
        const QString english = QString::fromUtf8(pattern);
        const qsizetype at = english.indexOf(QStringLiteral("%1"));
        const QString before = english.left(at);
        const QString after = english.mid(at + 2);
        if (source.size() <= before.size() + after.size() || !source.startsWith(before) || !source.endsWith(after)) {
            continue;
        }
        const QString value = source.mid(before.size(), source.size() - before.size() - after.size());
        const QString translated = QCoreApplication::translate(kContext, pattern);
        if (translated != english) return translated.arg(value);
    }
    return std::nullopt;
}

// Puts one text of `holder` into the current language, remembering its
// English original under `key`. A text that differs from what was last put
// there is one the window set itself: it becomes the new original.
QString MonthsFirst(const QString& source) {
    const Language language = CurrentLanguage();
    const std::string text = source.toStdString();
    return QString::fromStdString(
        LocalizedText(text, language, {NameTable::LunarMonth, NameTable::Paksha, NameTable::Words, NameTable::Texts}));
}

template <typename Get, typename Set>
void RetranslateText(QObject* holder, const QByteArray& key, Get get, Set set, bool whole = false,
                     bool months = false) {
    const QString now = get();
    const QByteArray sourceKey = "velmoraSource_" + key;
    const QByteArray shownKey = "velmoraShown_" + key;
    const QVariant shown = holder->property(shownKey.constData());
    const QString source =
        shown.isValid() && shown.toString() == now ? holder->property(sourceKey.constData()).toString() : now;
    if (source.isEmpty()) return;
    const QString target = whole ? TranslatedParagraph(source) : months ? MonthsFirst(source) : TranslatedText(source);
    holder->setProperty(sourceKey.constData(), source);
    holder->setProperty(shownKey.constData(), target);
    if (target != now) set(target);
}

void RetranslateActions(QWidget* widget) {
    for (QAction* action : widget->actions()) {
        if (action->isSeparator() || action->property("velmoraKeepText").toBool()) continue;
        RetranslateText(
            action, "text", [action] { return action->text(); }, [action](const QString& t) { action->setText(t); });
        if (QMenu* menu = action->menu()) RetranslateTree(menu);
    }
}

void RetranslateOne(QWidget* w) {
    if (w->property("velmoraKeepText").toBool()) return;
    if (w->isWindow()) {
        RetranslateText(
            w, "windowTitle", [w] { return w->windowTitle(); }, [w](const QString& t) { w->setWindowTitle(t); });
    }
    RetranslateText(
        w, "toolTip", [w] { return w->toolTip(); }, [w](const QString& t) { w->setToolTip(t); });
    if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->objectName() == QLatin1String("lblLunarMonth")) {
        // The lunar month: "Jyeshtha" and "Shravana" here are months, not mansions.
        RetranslateText(
            w, "text", [label] { return label->text(); }, [label](const QString& t) { label->setText(t); }, false,
            true);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        RetranslateText(
            w, "text", [label] { return label->text(); }, [label](const QString& t) { label->setText(t); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        RetranslateText(
            w, "text", [button] { return button->text(); }, [button](const QString& t) { button->setText(t); });
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        RetranslateText(
            w, "title", [group] { return group->title(); }, [group](const QString& t) { group->setTitle(t); });
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            RetranslateText(
                tabs->widget(i), "tab", [tabs, i] { return tabs->tabText(i); },
                [tabs, i](const QString& t) { tabs->setTabText(i, t); });
        }
    } else if (auto* menu = qobject_cast<QMenu*>(w)) {
        RetranslateText(
            w, "title", [menu] { return menu->title(); }, [menu](const QString& t) { menu->setTitle(t); });
    } else if (auto* list = qobject_cast<QComboBox*>(w); list != nullptr && !list->isEditable()) {
        // The windows read a list by its index, never by its text.
        for (int i = 0; i < list->count(); ++i) {
            const QVariant source = list->itemData(i, kSourceRole);
            const QString english = source.isValid() ? source.toString() : list->itemText(i);
            if (!source.isValid()) list->setItemData(i, english, kSourceRole);
            const QString target = TranslatedText(english);
            if (target != list->itemText(i)) list->setItemText(i, target);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        RetranslateText(
            w, "placeholder", [edit] { return edit->placeholderText(); },
            [edit](const QString& t) { edit->setPlaceholderText(t); });
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w); plain != nullptr && plain->isReadOnly()) {
        // A paragraph is translated whole or not at all.
        RetranslateText(
            w, "text", [plain] { return plain->toPlainText(); }, [plain](const QString& t) { plain->setPlainText(t); },
            true);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w); rich != nullptr && rich->isReadOnly()) {
        RetranslateText(
            w, "text", [rich] { return rich->toPlainText(); }, [rich](const QString& t) { rich->setPlainText(t); },
            true);
    }
    if (qobject_cast<QMenu*>(w) != nullptr || qobject_cast<QMenuBar*>(w) != nullptr) RetranslateActions(w);
}

}  // namespace

Language LanguageOfLocale(const QString& localeName) { return LanguageFromLocaleName(localeName.toStdString()); }

Language LanguageOfEnvironment() {
    // The variables in the order POSIX gives them precedence for messages.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) return LanguageOfLocale(value);
    }
    return Language::English;
}

LanguageSwitch::LanguageSwitch(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("velmoraLanguageSwitch"));
    // Every window (the message boxes and dialogs too) is put into the
    // language when it is shown.
    parent->installEventFilter(this);
}

bool LanguageSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !widget->isWindow()) return false;
    if (current_ != Language::English) RetranslateTree(widget);
    // Sized again for the other language's words (a Tamil caption is often
    // twice the English): at its first showing in another language, and after
    // a switch made while it was hidden.
    if (auto* main = qobject_cast<QMainWindow*>(widget)) {
        const QVariant fitted = main->property("velmoraFitted");
        if ((current_ != Language::English || fitted.isValid()) && !fitted.toBool()) {
            main->setProperty("velmoraFitted", true);
            FitToScreen(main);
        }
    }
    return false;
}

LanguageSwitch::~LanguageSwitch() = default;

LanguageSwitch* LanguageSwitch::Of() {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return nullptr;
    if (auto* existing = app->findChild<LanguageSwitch*>(QStringLiteral("velmoraLanguageSwitch"), Qt::FindDirectChildrenOnly)) {
        return existing;
    }
    return new LanguageSwitch(app);
}

bool LanguageSwitch::Switch(Language language) {
    std::unique_ptr<QTranslator> next;
    if (language != Language::English) {
        next = std::make_unique<QTranslator>();
        const QString file = QStringLiteral(":/i18n/velmora_%1.qm").arg(QString::fromUtf8(LanguageCode(language).data()));
        if (!next->load(file)) return false;
    }
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
    translator_ = std::move(next);
    if (translator_) QCoreApplication::installTranslator(translator_.get());
    current_ = language;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        RetranslateTree(window);
        if (auto* main = qobject_cast<QMainWindow*>(window)) {
            // A hidden window is sized when it is shown again.
            main->setProperty("velmoraFitted", main->isVisible());
            if (main->isVisible()) FitToScreen(main);
        }
    }
    // What is painted rather than set as a text (the month's grid) is drawn
    // again in the new language.
    for (QWidget* widget : QApplication::allWidgets()) widget->update();
    emit Changed(language);
    return true;
}

Language CurrentLanguage() {
    if (QCoreApplication::instance() == nullptr) return Language::English;
    const auto* existing = QCoreApplication::instance()->findChild<LanguageSwitch*>(
        QStringLiteral("velmoraLanguageSwitch"), Qt::FindDirectChildrenOnly);
    return existing != nullptr ? existing->Current() : Language::English;
}

QString TranslatedText(const QString& source) {
    const Language language = CurrentLanguage();
    if (language == Language::English || source.isEmpty()) return source;
    const QByteArray utf8 = source.toUtf8();
    QString translated = QCoreApplication::translate(kContext, utf8.constData());
    if (translated != source) return translated;
    if (const std::optional<QString> filled = FromPattern(source)) return *filled;
    return NamesInLanguage(source, language);
}

QString SourceText(const QObject* widget, const QString& shown) {
    const QVariant translated = widget->property("velmoraShown_text");
    if (translated.isValid() && translated.toString() == shown) return widget->property("velmoraSource_text").toString();
    return shown;
}

QString TranslatedParagraph(const QString& source) {
    const Language language = CurrentLanguage();
    if (language == Language::English || source.isEmpty()) return source;
    const QByteArray utf8 = source.toUtf8();
    QString translated = QCoreApplication::translate(kContext, utf8.constData());
    if (translated != source) return translated;
    const std::string text = source.toStdString();
    const std::string whole = LocalizedWhole(text, language);
    return whole == text ? source : QString::fromStdString(whole);
}

void RetranslateTree(QWidget* root) {
    if (root == nullptr) return;
    RetranslateOne(root);
    for (QWidget* child : root->findChildren<QWidget*>()) RetranslateOne(child);
}

void AddLanguageMenu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(UiText(QT_TRANSLATE_NOOP("Velmora", "&Language")));
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    const Language current = CurrentLanguage();
    for (const Language language : AllLanguages) {
        const QString code = QString::fromUtf8(LanguageCode(language).data());
        auto* action = new QAction(QString::fromUtf8(LanguageNativeName(language).data()), menu);
        action->setObjectName(QStringLiteral("mnuLanguage") + code.left(1).toUpper() + code.mid(1));
        action->setCheckable(true);
        action->setChecked(language == current);
        // Each language keeps its own name in its own script.
        action->setProperty("velmoraKeepText", true);
        group->addAction(action);
        menu->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [language] {
            if (LanguageSwitch* change = LanguageSwitch::Of()) change->Switch(language);
        });
    }
    // Every open window's menu shows the language in force.
    if (LanguageSwitch* change = LanguageSwitch::Of()) {
        QObject::connect(change, &LanguageSwitch::Changed, menu, [group](Language language) {
            const int index = static_cast<int>(language);
            const QList<QAction*> actions = group->actions();
            if (index >= 0 && index < actions.size()) actions[index]->setChecked(true);
        });
    }
}

}  // namespace velmora
