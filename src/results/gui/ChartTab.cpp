#include "results/gui/ChartTab.h"

#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/ChartNames.h"
#include "chart/ChartText.h"
#include "gui/Translation.h"

namespace velmora {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

double JulianDayNow() {
    // The Unix epoch is Julian day 2440587.5.
    return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 86400000.0 + 2440587.5;
}

}  // namespace

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::Show(const std::optional<ChartSigns>& signs, ChartStyle style, const QString& title,
                     Language language) {
    signs_ = signs;
    style_ = style;
    title_ = title;
    language_ = language;
    update();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A chart is paper: dark lines on white, whatever the desktop's colours.
    painter.fillRect(rect(), Qt::white);
    if (signs_) DrawChart(painter, QRectF(rect()).adjusted(4, 2, -4, -4), *signs_, style_, title_, font(), language_);
}

ChartSettings& ProgramChartSettings() {
    static ChartSettings settings;
    return settings;
}

ChartTab::ChartTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ChartTab"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* choices = new QHBoxLayout();
    auto* styleCaption = new QLabel(UiText(QT_TRANSLATE_NOOP("Velmora", "&Style:")), this);
    style_ = new QComboBox(this);
    style_->setObjectName(QStringLiteral("cboChartStyle"));
    style_->addItems({UiText(QT_TRANSLATE_NOOP("Velmora", "North Indian")),
                      UiText(QT_TRANSLATE_NOOP("Velmora", "South Indian"))});
    styleCaption->setBuddy(style_);
    auto* nodeCaption = new QLabel(UiText(QT_TRANSLATE_NOOP("Velmora", "&Rahu:")), this);
    node_ = new QComboBox(this);
    node_->setObjectName(QStringLiteral("cboNode"));
    node_->addItems({UiText(QT_TRANSLATE_NOOP("Velmora", "Mean node")), UiText(QT_TRANSLATE_NOOP("Velmora", "True node"))});
    nodeCaption->setBuddy(node_);
    choices->addWidget(styleCaption);
    choices->addWidget(style_);
    choices->addSpacing(12);
    choices->addWidget(nodeCaption);
    choices->addWidget(node_);
    choices->addStretch(1);
    layout->addLayout(choices);

    auto* charts = new QHBoxLayout();
    rasi_ = new ChartView(this);
    rasi_->setObjectName(QStringLiteral("chartRasi"));
    navamsa_ = new ChartView(this);
    navamsa_->setObjectName(QStringLiteral("chartNavamsa"));
    charts->addWidget(rasi_, 1);
    charts->addWidget(navamsa_, 1);
    layout->addLayout(charts, 3);

    table_ = new QTableWidget(GrahaCount + 1, 7, this);
    table_->setObjectName(QStringLiteral("tblPositions"));
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    table_->setMinimumHeight(60);
    layout->addWidget(table_, 2);

    auto* dasha = new QGridLayout();
    int row = 0;
    for (auto [caption, name, label] :
         {std::tuple{QT_TRANSLATE_NOOP("Velmora", "Dasha balance at birth:"), "lblDashaBalance", &balance_},
          std::tuple{QT_TRANSLATE_NOOP("Velmora", "Dasha now:"), "lblCurrentDasha", &current_},
          std::tuple{QT_TRANSLATE_NOOP("Velmora", "Next:"), "lblNextDasha", &next_}}) {
        auto* c = new QLabel(UiText(caption), this);
        *label = new QLabel(this);
        (*label)->setObjectName(QString::fromUtf8(name));
        // The tab writes its values in the language itself (Refresh).
        (*label)->setProperty("velmoraKeepText", true);
        (*label)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        (*label)->setWordWrap(true);
        dasha->addWidget(c, row, 0);
        dasha->addWidget(*label, row, 1);
        ++row;
    }
    dasha->setColumnStretch(1, 1);
    layout->addLayout(dasha);

    style_->setCurrentIndex(ProgramChartSettings().style == ChartStyle::SouthIndian ? 1 : 0);
    node_->setCurrentIndex(ProgramChartSettings().node == NodeKind::True ? 1 : 0);
    connect(style_, &QComboBox::currentIndexChanged, this, [this](int index) {
        ProgramChartSettings().style = index == 1 ? ChartStyle::SouthIndian : ChartStyle::NorthIndian;
        Refresh();
    });
    connect(node_, &QComboBox::currentIndexChanged, this, [this](int index) {
        ProgramChartSettings().node = index == 1 ? NodeKind::True : NodeKind::Mean;
        ShowChart(birth_, now_);
    });
    // The values and the charts' words follow the language when it changes.
    if (LanguageSwitch* change = LanguageSwitch::Of()) {
        connect(change, &LanguageSwitch::Changed, this, [this] { Refresh(); });
    }
    Refresh();
}

void ChartTab::ShowChart(const BirthRecord& birth, std::optional<double> nowJdUt) {
    birth_ = birth;
    now_ = nowJdUt;
    chart_ = ChartOf(birth, ProgramChartSettings().node);
    Refresh();
}

void ChartTab::Refresh() {
    const ChartStyle style = ProgramChartSettings().style;
    const Language language = CurrentLanguage();
    const auto word = [language](std::string_view english) { return Text(ChartWord(english, language)); };
    table_->setHorizontalHeaderLabels(
        {QString(), word("Sign"), word("Degree"), word("Nakshatra"), word("Pada"), word("Navamsa"), QString()});
    if (!chart_) {
        rasi_->Show(std::nullopt, style, {});
        navamsa_->Show(std::nullopt, style, {});
        for (int r = 0; r < table_->rowCount(); ++r) {
            for (int c = 0; c < table_->columnCount(); ++c) table_->setItem(r, c, new QTableWidgetItem());
        }
        balance_->clear();
        current_->clear();
        next_->clear();
        return;
    }
    rasi_->Show(ChartSignsOf(*chart_, ChartDivision::Rasi), style, word("Rasi (D1)"), language);
    navamsa_->Show(ChartSignsOf(*chart_, ChartDivision::Navamsa), style, word("Navamsa (D9)"), language);
    int r = 0;
    for (const ChartRow& row : ChartRows(*chart_, language)) {
        const std::string cells[7] = {row.name + " (" + row.abbreviation + ")", row.sign, row.degree, row.nakshatra,
                                      row.pada, row.navamsa, row.motion};
        for (int c = 0; c < 7; ++c) table_->setItem(r, c, new QTableWidgetItem(Text(cells[c])));
        ++r;
    }
    balance_->setText(Text(FillChartPattern(ChartWord("%1 (a dasha year is 365.25 days; %2)", language),
                                            {DashaBalanceText(*chart_, language), NodeKindText(chart_->node, language)})));
    const double now = now_.value_or(JulianDayNow());
    current_->setText(Text(RunningDashaText(*chart_, now, language).value_or(ChartWord("outside the 120 years", language))));
    next_->setText(Text(NextDashaText(*chart_, now, language).value_or("")));
}

}  // namespace velmora
