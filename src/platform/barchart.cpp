#include "platform/barchart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace vx::platform {

BarChart::BarChart(QWidget *parent)
    : QWidget(parent)
    , m_chart(new QChart)
    , m_series(new QBarSeries)
    , m_labels(new QBarCategoryAxis)
    , m_values(new QValueAxis)
{
    m_chart->legend()->hide();
    m_chart->addSeries(m_series);
    m_chart->addAxis(m_labels, Qt::AlignBottom);
    m_chart->addAxis(m_values, Qt::AlignLeft);
    m_series->attachAxis(m_labels);
    m_series->attachAxis(m_values);
    m_values->setLabelFormat(QStringLiteral("%d"));
    // Upright ball numbers stay readable under fifty or more narrow bars.
    m_labels->setLabelsAngle(-90);
    m_labels->setTruncateLabels(false);
    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(QStringLiteral("BarChartView"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

void BarChart::setRowCount(int rows)
{
    m_rows = std::max(rows, 0);
}

void BarChart::setData(const QStringList &labels, const std::vector<int> &values)
{
    m_rowLabels.clear();
    m_rowValues.clear();
    for (int k = 0; k < m_rows; ++k) {
        m_rowLabels << (k < labels.size() ? labels[k] : QString());
        m_rowValues.push_back(static_cast<size_t>(k) < values.size() ? values[static_cast<size_t>(k)] : 0);
    }

    // A new set each time: the old one goes with its bars.
    m_series->clear();
    m_set = new QBarSet(QString());
    for (const int value : m_rowValues)
        *m_set << value;
    connect(m_set, &QBarSet::clicked, this, [this](int index) { emit pointSelected(index + 1); });
    m_series->append(m_set);
    m_labels->setCategories(m_rowLabels);
    const int highest = m_rowValues.empty() ? 0 : *std::max_element(m_rowValues.begin(), m_rowValues.end());
    m_values->setRange(0, std::max(highest, 1));
    m_values->applyNiceNumbers();
}

QString BarChart::rowLabel(int row) const
{
    return row >= 1 && row <= m_rowLabels.size() ? m_rowLabels[row - 1] : QString();
}

int BarChart::rowValue(int row) const
{
    return row >= 1 && static_cast<size_t>(row) <= m_rowValues.size() ? m_rowValues[static_cast<size_t>(row - 1)] : 0;
}

void BarChart::clickRow(int row)
{
    if (m_set && row >= 1 && row <= m_set->count())
        emit m_set->clicked(row - 1);
}

} // namespace vx::platform
