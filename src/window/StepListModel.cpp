#include "StepListModel.h"

#include <QGuiApplication>
#include <QPalette>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

// Room for "60000" and a little more; anything longer is not a time.
constexpr int MaxTimeChars = 8;

// One change of the list: some steps replaced by others. Undoing it puts
// the old ones back, so a change keeps only the steps it touched.
class StepSplice : public QUndoCommand {
public:
    StepSplice(StepListModel &model, int row, std::vector<pattern::Step> removed, std::vector<pattern::Step> added,
               const QString &what)
        : QUndoCommand(what), model_(model), row_(row), removed_(std::move(removed)), added_(std::move(added))
    {
    }

    void redo() override { model_.splice(row_, static_cast<int>(removed_.size()), added_); }
    void undo() override { model_.splice(row_, static_cast<int>(added_.size()), removed_); }

private:
    StepListModel &model_;
    int row_;
    std::vector<pattern::Step> removed_;
    std::vector<pattern::Step> added_;
};

QString lampText(int lamp)
{
    return StepListModel::tr("Lamp %1").arg(lamp + 1);
}

} // namespace

StepListModel::StepListModel(QUndoStack *undo, QObject *parent) : QAbstractTableModel(parent), undo_(undo) {}

void StepListModel::load(std::vector<pattern::Step> steps)
{
    beginResetModel();
    steps_ = std::move(steps);
    endResetModel();
    undo_->clear();
    emit stepsChanged();
}

void StepListModel::toggleLamp(int row, int lamp)
{
    if (row < 0 || row >= rowCount() || lamp < 0 || lamp >= LampColumns)
        return;
    pattern::Step step = steps_[static_cast<std::size_t>(row)];
    step.lamps ^= static_cast<std::uint8_t>(1u << lamp);
    edit(row, 1, {step}, tr("%1 in step %2").arg(lampText(lamp)).arg(row + 1));
}

void StepListModel::edit(int row, int count, std::vector<pattern::Step> replacement, const QString &what)
{
    if (readOnly_ || row < 0 || count < 0 || row + count > rowCount())
        return;
    const auto from = steps_.begin() + row;
    undo_->push(new StepSplice(*this, row, {from, from + count}, std::move(replacement), what));
}

void StepListModel::splice(int row, int count, const std::vector<pattern::Step> &replacement)
{
    const int added = static_cast<int>(replacement.size());
    const auto from = steps_.begin() + row;
    if (count == added) {
        std::copy(replacement.begin(), replacement.end(), from);
        emit dataChanged(index(row, 0), index(row + count - 1, TimeColumn));
    } else {
        if (count > 0) {
            beginRemoveRows({}, row, row + count - 1);
            steps_.erase(from, from + count);
            endRemoveRows();
        }
        if (added > 0) {
            beginInsertRows({}, row, row + added - 1);
            steps_.insert(steps_.begin() + row, replacement.begin(), replacement.end());
            endInsertRows();
        }
    }
    emit stepsChanged();
}

int StepListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(steps_.size());
}

int StepListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : LampColumns + 1;
}

QVariant StepListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const pattern::Step &step = steps_[static_cast<std::size_t>(index.row())];
    if (index.column() == TimeColumn) {
        if (role == Qt::EditRole)
            return step.ms == 0 ? QString() : QString::number(step.ms);
        if (role == Qt::DisplayRole)
            return step.ms == 0 ? tr("delay") : QString::number(step.ms);
        if (role == Qt::ForegroundRole && step.ms == 0)
            return QGuiApplication::palette().brush(QPalette::PlaceholderText);
        if (role == Qt::ToolTipRole)
            return tr("%1 to %2 ms; empty: the player's delay").arg(pattern::MinStepMs).arg(pattern::MaxStepMs);
        return {};
    }
    const bool lit = step.lamps & (1u << index.column());
    if (role == Qt::CheckStateRole)
        return lit ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
        return QStringLiteral("%1 %2").arg(lampText(index.column()), lit ? tr("lit") : tr("dark"));
    return {};
}

QVariant StepListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return section + 1;
    return section == TimeColumn ? tr("ms") : QString::number(section + 1);
}

Qt::ItemFlags StepListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == TimeColumn && !readOnly_)
        flags |= Qt::ItemIsEditable;
    return flags;
}

// A time is typed, so it is checked here; an empty one means the delay.
bool StepListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != TimeColumn || readOnly_)
        return false;
    const QString text = value.toString().trimmed();
    bool number = text.isEmpty();
    const int ms = number ? 0 : text.toInt(&number);
    if (text.size() > MaxTimeChars || !number || (ms != 0 && (ms < pattern::MinStepMs || ms > pattern::MaxStepMs))) {
        emit refused(tr("\"%1\" is not a step time: type %2 to %3 ms, or leave it empty for the delay.")
                         .arg(text.left(MaxTimeChars))
                         .arg(pattern::MinStepMs)
                         .arg(pattern::MaxStepMs));
        return false;
    }
    pattern::Step step = steps_[static_cast<std::size_t>(index.row())];
    if (step.ms == ms)
        return true;
    step.ms = ms;
    edit(index.row(), 1, {step}, tr("Time of step %1").arg(index.row() + 1));
    return true;
}
