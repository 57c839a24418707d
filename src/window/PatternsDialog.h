#pragma once

#include "Pattern.h"
#include "PatternLibrary.h"

#include <QDialog>

class PatternEditor;
class PlayerCommands;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// The built-in effects and the user's own patterns: pick one, edit its
// steps, and save, rename, copy, delete or play it. Every change goes through
// the player's commands, as from any other face; a save names the version
// the edit started from, so that another face's save meanwhile is never
// silently overwritten.
class PatternsDialog : public QDialog {
    Q_OBJECT

public:
    explicit PatternsDialog(PlayerCommands &commands, QWidget *parent = nullptr);

    // Asks before unsaved steps are dropped, and stops a preview.
    void done(int result) override;

private:
    void listPatterns(const QString &chosen);
    void choosePattern();
    void open(const QString &name);
    void save();
    void rename();
    void copy();
    void createPattern();
    void remove();
    void play();
    void preview(bool on);
    void previewChange();
    void showTitle();
    void enableActions();
    void offerReload(const pattern::Refusal &refusal);
    bool agreedToDropChanges();
    std::optional<QString> askName(const QString &title, const QString &suggestion);
    // True when the command went through; shows the refusal when not.
    bool accepted(const pattern::Outcome &outcome);
    void say(const QString &text);
    QString listedName(int row) const;
    static QString shownName(const pattern::Pattern &shown);

    PlayerCommands &commands_;
    QListWidget *list_;
    QLabel *title_;
    PatternEditor *editor_;
    QPushButton *saveButton_;
    QPushButton *renameButton_;
    QPushButton *deleteButton_;
    QCheckBox *previewBox_;
    QLabel *message_;
    // The pattern in the editor, and the version its steps were loaded at.
    pattern::Pattern shown_;
};
