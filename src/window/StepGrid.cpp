#include "StepGrid.h"

#include "StepListModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// The lamps' colours in the main window.
const QColor LitLamp(0, 255, 0);
const QColor DarkLamp(0, 64, 0);

// A lamp cell as a round lamp over the usual selection and focus marks.
class LampDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.column() == StepListModel::TimeColumn) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        // The cell's background and selection, and the focus frame.
        QStyle *style = option.widget ? option.widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, option.widget);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
        }
        const bool lit = index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked;
        const int side = std::min(option.rect.width(), option.rect.height()) * 2 / 3;
        QRect lamp(0, 0, side, side);
        lamp.moveCenter(option.rect.center());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->setBrush(lit ? LitLamp : DarkLamp);
        painter->drawEllipse(lamp);
        painter->restore();
    }
};

} // namespace

StepGrid::StepGrid(StepListModel *model, QWidget *parent) : QTableView(parent), model_(model)
{
    setObjectName(QStringLiteral("stepGrid"));
    setModel(model);
    setItemDelegate(new LampDelegate(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    const int cell = fontMetrics().height() * 2;
    horizontalHeader()->setMinimumSectionSize(cell);
    horizontalHeader()->setDefaultSectionSize(cell);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(StepListModel::TimeColumn, QHeaderView::Stretch);
    verticalHeader()->setDefaultSectionSize(cell);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setMinimumWidth(cell * (StepListModel::LampColumns + 4) + verticalHeader()->sizeHint().width());
    setMinimumHeight(horizontalHeader()->sizeHint().height() + cell * 8);
}

QList<int> StepGrid::chosenRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    if (rows.isEmpty() && currentIndex().isValid())
        rows.append(currentIndex().row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// A plain click lights or darkens the lamp; with Shift or Ctrl it only
// chooses, so that steps can be picked to move, copy or delete.
void StepGrid::mousePressEvent(QMouseEvent *event)
{
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier && index.isValid()
        && index.column() < StepListModel::LampColumns)
        model_->toggleLamp(index.row(), index.column());
}

void StepGrid::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex index = currentIndex();
    if (event->key() == Qt::Key_Space && index.isValid() && index.column() < StepListModel::LampColumns) {
        model_->toggleLamp(index.row(), index.column());
        return;
    }
    QTableView::keyPressEvent(event);
}
