#pragma once

#include <QWidget>

#include <optional>

#include "chart/Chart.h"
#include "chart/ChartStyle.h"
#include "names/Language.h"
#include "results/print/ChartDrawing.h"
#include "shared/BirthRecord.h"

class QComboBox;
class QLabel;
class QTableWidget;

// The "Chart" tab of the results window: the rasi and navamsa charts side by
// side, the table of positions below them, the balance of dasha and the
// dasha running now and next. The chart's style and Rahu's node are chosen
// here and hold for as long as the program runs (nothing is kept between
// runs). Its values, table and charts are written in the program's language
// and again whenever it changes; its captions and lists are translated with
// the window's other texts.
namespace velmora {

// One chart, drawn by the drawing the printed page uses.
class ChartView : public QWidget {
public:
    explicit ChartView(QWidget* parent = nullptr);
    void Show(const std::optional<ChartSigns>& signs, ChartStyle style, const QString& title,
              Language language = Language::English);
    // Small hints: the tab must not make the results window larger than
    // the other tabs do; the charts grow into whatever room the window has.
    QSize sizeHint() const override { return {200, 216}; }
    QSize minimumSizeHint() const override { return {150, 164}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<ChartSigns> signs_;
    ChartStyle style_ = ChartStyle::NorthIndian;
    QString title_;
    Language language_ = Language::English;
};

// The style and the node, for the program's run.
struct ChartSettings {
    ChartStyle style = ChartStyle::NorthIndian;
    NodeKind node = NodeKind::Mean;
};
ChartSettings& ProgramChartSettings();

class ChartTab : public QWidget {
public:
    explicit ChartTab(QWidget* parent = nullptr);

    // The chart of a run's birth record; an empty tab for a record without a
    // moment. `nowJdUt` chooses the dasha shown as running (default: now).
    void ShowChart(const BirthRecord& birth, std::optional<double> nowJdUt = std::nullopt);

    const std::optional<BirthChart>& Chart() const { return chart_; }
    ChartStyle Style() const { return ProgramChartSettings().style; }

private:
    void Refresh();

    QComboBox* style_ = nullptr;
    QComboBox* node_ = nullptr;
    ChartView* rasi_ = nullptr;
    ChartView* navamsa_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* balance_ = nullptr;
    QLabel* current_ = nullptr;
    QLabel* next_ = nullptr;
    BirthRecord birth_;
    std::optional<double> now_;
    std::optional<BirthChart> chart_;
};

}  // namespace velmora
