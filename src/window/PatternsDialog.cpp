#include "PatternsDialog.h"

#include "PatternEditor.h"
#include "PlayerCommands.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int NameRole = Qt::UserRole;

QPushButton *button(const QString &text, const char *name)
{
    auto *made = new QPushButton(text);
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false);
    return made;
}

} // namespace

PatternsDialog::PatternsDialog(PlayerCommands &commands, QWidget *parent)
    : QDialog(parent), commands_(commands), list_(new QListWidget), title_(new QLabel), editor_(new PatternEditor),
      saveButton_(button(tr("&Save"), "saveButton")),
      renameButton_(button(tr("&Rename…"), "renameButton")),
      deleteButton_(button(tr("Dele&te"), "deleteButton")),
      previewBox_(new QCheckBox(tr("Pre&view on the lamps"))), message_(new QLabel)
{
    setWindowTitle(tr("Patterns"));
    list_->setObjectName(QStringLiteral("patternList"));
    title_->setWordWrap(true);
    title_->setTextFormat(Qt::PlainText);
    message_->setObjectName(QStringLiteral("patternMessage"));
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    previewBox_->setObjectName(QStringLiteral("previewBox"));
    QPushButton *newButton = button(tr("&New…"), "newButton");
    QPushButton *copyButton = button(tr("&Copy…"), "copyButton");
    QPushButton *playButton = button(tr("&Play"), "playButton");
    playButton->setToolTip(tr("Plays the saved pattern alone, in a loop."));
    saveButton_->setShortcut(QKeySequence::Save);

    auto *listLabel = new QLabel(tr("Patt&erns:"));
    listLabel->setBuddy(list_);
    auto *listButtons = new QGridLayout;
    listButtons->addWidget(newButton, 0, 0);
    listButtons->addWidget(copyButton, 0, 1);
    listButtons->addWidget(renameButton_, 1, 0);
    listButtons->addWidget(deleteButton_, 1, 1);
    auto *left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(list_, 1);
    left->addLayout(listButtons);

    auto *actions = new QHBoxLayout;
    actions->addWidget(saveButton_);
    actions->addWidget(playButton);
    actions->addWidget(previewBox_);
    actions->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(title_);
    right->addWidget(editor_, 1);
    right->addLayout(actions);

    auto *panes = new QHBoxLayout;
    panes->addLayout(left, 1);
    panes->addLayout(right, 2);
    auto *closeBox = new QDialogButtonBox(QDialogButtonBox::Close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addWidget(message_);
    layout->addWidget(closeBox);

    connect(closeBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::currentRowChanged, this, &PatternsDialog::choosePattern);
    connect(newButton, &QPushButton::clicked, this, &PatternsDialog::createPattern);
    connect(copyButton, &QPushButton::clicked, this, &PatternsDialog::copy);
    connect(renameButton_, &QPushButton::clicked, this, &PatternsDialog::rename);
    connect(deleteButton_, &QPushButton::clicked, this, &PatternsDialog::remove);
    connect(saveButton_, &QPushButton::clicked, this, &PatternsDialog::save);
    connect(playButton, &QPushButton::clicked, this, &PatternsDialog::play);
    connect(previewBox_, &QCheckBox::toggled, this, &PatternsDialog::preview);
    connect(editor_, &PatternEditor::stepsChanged, this, &PatternsDialog::previewChange);
    connect(editor_, &PatternEditor::modifiedChanged, this, [this] {
        showTitle();
        enableActions();
    });
    connect(editor_, &PatternEditor::refused, this, &PatternsDialog::say);
    listPatterns(QString());
    open(listedName(list_->currentRow()));
}

// A built-in keeps its stable name, and shows its caption in the user's
// language.
QString PatternsDialog::shownName(const pattern::Pattern &shown)
{
    return shown.builtIn() ? QCoreApplication::translate("Effect", qPrintable(shown.name)) : shown.name;
}

// Lists what is stored now, since other faces change patterns too, and
// chooses `chosen`, or the first when it is gone. The editor is left alone.
void PatternsDialog::listPatterns(const QString &chosen)
{
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const pattern::Pattern &listed : commands_.patterns()) {
        auto *item =
            new QListWidgetItem(listed.builtIn() ? tr("%1 (built-in)").arg(shownName(listed)) : listed.name, list_);
        item->setData(NameRole, listed.name);
        if (listed.builtIn())
            item->setToolTip(tr("A built-in effect: it cannot be changed; Copy makes one you can edit."));
        if (listed.name == chosen)
            list_->setCurrentItem(item);
    }
    if (list_->currentRow() < 0)
        list_->setCurrentRow(0);
}

QString PatternsDialog::listedName(int row) const
{
    const QListWidgetItem *item = list_->item(row);
    return item ? item->data(NameRole).toString() : QString();
}

void PatternsDialog::choosePattern()
{
    const QString name = listedName(list_->currentRow());
    if (name == shown_.name)
        return;
    if (!agreedToDropChanges()) {
        const QSignalBlocker quiet(list_);
        for (int i = 0; i < list_->count(); ++i)
            if (listedName(i) == shown_.name)
                list_->setCurrentRow(i);
        return;
    }
    open(name);
}

void PatternsDialog::open(const QString &name)
{
    std::optional<pattern::Pattern> found = commands_.findPattern(name);
    if (!found) {
        say(tr("There is no pattern \"%1\" any more; it may have been deleted elsewhere.").arg(name));
        found = pattern::Pattern{};
    }
    shown_ = std::move(*found);
    editor_->load(shown_);
    editor_->setEnabled(!shown_.name.isEmpty());
    showTitle();
    enableActions();
}

void PatternsDialog::showTitle()
{
    QString title = shown_.builtIn()
                        ? tr("%1: a built-in effect, read-only. Copy it to make one you can change.")
                        : tr("%1: click a lamp or press Space to light or darken it; type a time in "
                             "ms, or leave it empty for the delay.");
    title = title.arg(shownName(shown_));
    if (editor_->isModified())
        title += tr(" (not saved)");
    title_->setText(title);
}

void PatternsDialog::enableActions()
{
    const bool own = !shown_.name.isEmpty() && !shown_.builtIn();
    saveButton_->setEnabled(own && editor_->isModified());
    renameButton_->setEnabled(own);
    deleteButton_->setEnabled(own);
}

void PatternsDialog::save()
{
    int version = shown_.version;
    const pattern::Outcome outcome = commands_.savePattern(shown_.name, editor_->steps(), version);
    if (outcome && outcome->kind == pattern::Refusal::Kind::Stale) {
        offerReload(*outcome);
        return;
    }
    if (!accepted(outcome))
        return;
    shown_.version = version;
    shown_.steps = editor_->steps();
    editor_->markSaved();
    say(tr("\"%1\" is saved.").arg(shown_.name));
}

// The steps on screen stay until the user says to drop them.
void PatternsDialog::offerReload(const pattern::Refusal &refusal)
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), refusal.reason, QMessageBox::NoButton, this);
    box.setInformativeText(tr("Reload shows the stored steps and drops yours. Keep editing leaves yours "
                              "here; Copy saves them under another name."));
    QPushButton *reload = box.addButton(tr("Reload"), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(tr("Keep editing"), QMessageBox::RejectRole));
    box.exec();
    say(refusal.reason);
    if (box.clickedButton() != reload)
        return;
    listPatterns(shown_.name);
    open(listedName(list_->currentRow()));
}

void PatternsDialog::rename()
{
    const std::optional<QString> to = askName(tr("Rename"), shown_.name);
    if (!to)
        return;
    const pattern::Outcome outcome = commands_.renamePattern(shown_.name, *to, shown_.version);
    if (outcome && outcome->kind == pattern::Refusal::Kind::Stale) {
        offerReload(*outcome);
        return;
    }
    if (!accepted(outcome))
        return;
    // The stored steps moved to the new name, one version on; edits not yet
    // saved stay in the editor.
    say(tr("\"%1\" is now \"%2\".").arg(shown_.name, *to));
    shown_.name = *to;
    ++shown_.version;
    listPatterns(shown_.name);
    showTitle();
}

// What the editor shows becomes the copy, so that edits refused as stale
// can be kept under another name.
void PatternsDialog::copy()
{
    const std::optional<QString> to = askName(tr("Copy"), tr("%1 copy").arg(shown_.name));
    if (!to)
        return;
    int version = 0;
    if (!accepted(editor_->isModified() ? commands_.savePattern(*to, editor_->steps(), version)
                                        : commands_.copyPattern(shown_.name, *to)))
        return;
    listPatterns(*to);
    open(*to);
    say(tr("\"%1\" is saved; edit it here.").arg(*to));
}

// A new pattern starts as one dark step, saved at once so it is listed.
void PatternsDialog::createPattern()
{
    if (!agreedToDropChanges())
        return;
    const std::optional<QString> name = askName(tr("New pattern"), QString());
    if (!name)
        return;
    int version = 0;
    if (!accepted(commands_.savePattern(*name, {pattern::Step{}}, version)))
        return;
    listPatterns(*name);
    open(*name);
}

void PatternsDialog::remove()
{
    const auto answer = QMessageBox::question(
        this, windowTitle(), tr("Delete the pattern \"%1\"? This cannot be undone.").arg(shown_.name),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const pattern::Outcome outcome = commands_.deletePattern(shown_.name, shown_.version);
    if (outcome && outcome->kind == pattern::Refusal::Kind::Stale) {
        offerReload(*outcome);
        return;
    }
    if (!accepted(outcome))
        return;
    say(tr("\"%1\" is deleted.").arg(shown_.name));
    const QString neighbour = listedName(list_->currentRow() + 1).isEmpty() ? listedName(list_->currentRow() - 1)
                                                                             : listedName(list_->currentRow() + 1);
    listPatterns(neighbour);
    open(listedName(list_->currentRow()));
}

// Play is the saved pattern; the preview gives way to it.
void PatternsDialog::play()
{
    {
        const QSignalBlocker quiet(previewBox_);
        previewBox_->setChecked(false);
    }
    if (auto failure = commands_.playPattern(shown_.name))
        say(*failure);
}

// Off, the lamps go dark, as after "стор".
void PatternsDialog::preview(bool on)
{
    if (!on) {
        commands_.stop();
        return;
    }
    previewChange();
}

void PatternsDialog::previewChange()
{
    if (!previewBox_->isChecked())
        return;
    if (auto failure = commands_.previewPattern(shown_.name, editor_->steps()))
        say(tr("The preview cannot play this: %1").arg(*failure));
}

void PatternsDialog::done(int result)
{
    if (!agreedToDropChanges())
        return;
    if (previewBox_->isChecked())
        previewBox_->setChecked(false);
    QDialog::done(result);
}

bool PatternsDialog::agreedToDropChanges()
{
    if (!editor_->isModified())
        return true;
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    tr("The changes to \"%1\" are not saved.").arg(shown_.name),
                    QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setInformativeText(tr("Discard them, or cancel and save them first."));
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Discard;
}

std::optional<QString> PatternsDialog::askName(const QString &title, const QString &suggestion)
{
    QInputDialog ask(this);
    ask.setWindowTitle(title);
    ask.setLabelText(tr("Name, at most %1 characters:").arg(pattern::MaxNameChars));
    ask.setTextValue(suggestion);
    if (auto *line = ask.findChild<QLineEdit *>())
        line->setMaxLength(pattern::MaxNameChars * 2);
    if (ask.exec() != QDialog::Accepted)
        return std::nullopt;
    return ask.textValue();
}

bool PatternsDialog::accepted(const pattern::Outcome &outcome)
{
    if (!outcome)
        return true;
    QMessageBox::warning(this, windowTitle(), outcome->reason);
    return false;
}

void PatternsDialog::say(const QString &text)
{
    message_->setText(text);
}
