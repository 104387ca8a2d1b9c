#include "results/gui/DayInFullPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QScrollArea>
#include <QTabWidget>

#include <string>

#include "gui/Translation.h"

namespace velmora {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QLabel* NewLabel(const QString& name, QWidget* parent, bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

// "lblChoghadiyaDay3Span".
QString RowName(const char* prefix, std::size_t row, const char* part) {
    return QStringLiteral("lbl%1%2%3").arg(QLatin1String(prefix)).arg(row + 1).arg(QLatin1String(part));
}

// "lblRituAyana" from "Ritu, Ayana".
QString MoreName(const char* caption) {
    QString name = QStringLiteral("lbl");
    for (const char* c = caption; *c; ++c) {
        if (*c != ' ' && *c != ',') name += QLatin1Char(*c);
    }
    return name;
}

// The day's parts in columns 0..2, the night's in 4..6, under their headings.
QWidget* HalvesPage(QTabWidget* tabs, const char* dayPrefix, const char* nightPrefix, std::size_t dayRows,
                    std::size_t nightRows, const HourRow& widest) {
    auto* page = new QWidget(tabs);
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    auto heading = [&](const char* text, int column) {
        auto* label = new QLabel(UiText(text), page);
        QFont f = label->font();
        f.setUnderline(true);
        label->setFont(f);
        grid->addWidget(label, 0, column, 1, 3);
    };
    heading(QT_TRANSLATE_NOOP("Velmora", "Day (sunrise to sunset)"), 0);
    heading(QT_TRANSLATE_NOOP("Velmora", "Night (to the next sunrise)"), 4);
    auto rows = [&](const char* prefix, std::size_t count, int column) {
        for (std::size_t i = 0; i < count; ++i) {
            QLabel* name = NewLabel(RowName(prefix, i, "Name"), page, true);
            QLabel* span = NewLabel(RowName(prefix, i, "Span"), page, false);
            QLabel* quality = NewLabel(RowName(prefix, i, "Quality"), page, false);
            name->setMinimumWidth(name->fontMetrics().horizontalAdvance(Text(widest.name)));
            span->setMinimumWidth(span->fontMetrics().horizontalAdvance(Text(widest.span)));
            grid->addWidget(name, static_cast<int>(i) + 1, column);
            grid->addWidget(span, static_cast<int>(i) + 1, column + 1);
            grid->addWidget(quality, static_cast<int>(i) + 1, column + 2);
        }
    };
    rows(dayPrefix, dayRows, 0);
    rows(nightPrefix, nightRows, 4);
    grid->setColumnMinimumWidth(3, 6);
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(static_cast<int>(std::max(dayRows, nightRows)) + 1, 1);
    return page;
}

void ShowRows(QWidget* window, const char* prefix, const std::vector<HourRow>& rows, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const HourRow row = i < rows.size() ? rows[i] : HourRow{};
        if (auto* l = window->findChild<QLabel*>(RowName(prefix, i, "Name"))) l->setText(Text(row.name));
        if (auto* l = window->findChild<QLabel*>(RowName(prefix, i, "Span"))) l->setText(Text(row.span));
        if (auto* l = window->findChild<QLabel*>(RowName(prefix, i, "Quality"))) {
            l->setText(Text(row.quality));
            // Colour only repeats the word: good in green, bad in red. Through
            // the palette, not a style sheet, which would change the label's
            // size after the window was fitted to the screen.
            QPalette palette = window->palette();
            if (row.quality == "good") palette.setColor(QPalette::WindowText, QColor(0x1a, 0x7f, 0x37));
            if (row.quality == "bad") palette.setColor(QPalette::WindowText, QColor(0xb4, 0x23, 0x18));
            l->setPalette(palette);
        }
    }
}

}  // namespace

void AddDayInFullPages(QTabWidget* tabs, const DayInFullTab& widest) {
    const HourRow wide = widest.choghadiyaDay.empty() ? HourRow{"Amirtham", "23:59–23:59", "neutral"}
                                                      : widest.choghadiyaDay.front();
    tabs->addTab(HalvesPage(tabs, "ChoghadiyaDay", "ChoghadiyaNight", 8, 8, wide), UiText(QT_TRANSLATE_NOOP("Velmora", "Choghadiya")));
    tabs->addTab(HalvesPage(tabs, "HoraDay", "HoraNight", 12, 12, wide), UiText(QT_TRANSLATE_NOOP("Velmora", "Hora")));
    tabs->addTab(HalvesPage(tabs, "GowriDay", "GowriNight", 8, 8, wide), UiText(QT_TRANSLATE_NOOP("Velmora", "Gowri")));

    auto* page = new QWidget(tabs);
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(4);
    int row = 0;
    for (const char* caption : MoreRows) {
        auto* label = new QLabel(QString::fromLatin1(caption), page);
        label->setObjectName(QStringLiteral("cap") + MoreName(caption).mid(3));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QLabel* value = NewLabel(MoreName(caption), page, true);
        value->setWordWrap(true);
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
    tabs->addTab(page, UiText(QT_TRANSLATE_NOOP("Velmora", "Year")));
}

void ShowDayInFull(QWidget* window, const std::optional<DayInFullTab>& tab) {
    const DayInFullTab t = tab.value_or(DayInFullTab{});
    ShowRows(window, "ChoghadiyaDay", t.choghadiyaDay, 8);
    ShowRows(window, "ChoghadiyaNight", t.choghadiyaNight, 8);
    ShowRows(window, "HoraDay", t.horaDay, 12);
    ShowRows(window, "HoraNight", t.horaNight, 12);
    ShowRows(window, "GowriDay", t.gowriDay, 8);
    ShowRows(window, "GowriNight", t.gowriNight, 8);
    std::size_t i = 0;
    for (const char* caption : MoreRows) {
        if (auto* l = window->findChild<QLabel*>(MoreName(caption))) {
            l->setText(i < t.more.size() ? Text(t.more[i].second) : QString());
        }
        ++i;
    }
}

}  // namespace velmora
