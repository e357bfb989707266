#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QChart;
class QChartView;
class QValueAxis;

namespace vx::platform {

// A bar chart of labelled counts whose rows count from 1, reporting a click on a bar by its row.
class BarChart : public QWidget
{
    Q_OBJECT
public:
    explicit BarChart(QWidget *parent = nullptr);

    // The number of bars; rows beyond the data given show nothing.
    void setRowCount(int rows);
    int rowCount() const { return m_rows; }
    // Row k (from 1) takes labels[k - 1] and values[k - 1]; the chart is drawn anew.
    void setData(const QStringList &labels, const std::vector<int> &values);
    QString rowLabel(int row) const;
    int rowValue(int row) const;

    // Test seam: what a click on the bar of a row does.
    void clickRow(int row);

signals:
    void pointSelected(int row);

private:
    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
    QBarSeries *m_series = nullptr;
    QBarCategoryAxis *m_labels = nullptr;
    QValueAxis *m_values = nullptr;
    QBarSet *m_set = nullptr;
    int m_rows = 0;
    QStringList m_rowLabels;
    std::vector<int> m_rowValues;
};

} // namespace vx::platform
