#include "Form1.h"

#include "BackendFactory.h"
#include "Layout.h"
#include "PatternLoader.h"
#include "PortDiscovery.h"
#include "SchemeBuilder.h"
#include "SelectionStore.h"
#include "TimerfdDeadlineTimer.h"
#include "Twips.h"
#include "mdlEffects.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSystemTrayIcon>
#include <QTimer>

#include <algorithm>
#include <type_traits>

namespace {

const QColor Lit(0, 255, 0);
const QColor Dark(0, 0, 0);
const QColor PanelBlue(0, 0, 64);
const QColor FixedText(255, 255, 0);
const QColor ValueText(255, 0, 0);
constexpr int SpeedStepMs = 50;

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QWidget *createWidget(const layout::Control &control, QWidget *parent)
{
    switch (control.kind) {
    case layout::Kind::CommandButton:
        return new QPushButton(control.caption, parent);
    case layout::Kind::CheckBox:
        return new QCheckBox(control.caption, parent);
    case layout::Kind::PictureBox:
        return new QFrame(parent);
    case layout::Kind::Label:
        return new QLabel(control.caption, parent);
    case layout::Kind::Frame:
        return new QGroupBox(control.caption, parent);
    case layout::Kind::VScrollBar:
        return new QScrollBar(Qt::Vertical, parent);
    case layout::Kind::Image:
        return new QLabel(parent);
    }
    return nullptr;
}

// A box with the main text, the details under it, and an OK button.
void showMessage(QMessageBox::Icon icon, const QString &title, const QString &text, const QString &details,
                 QWidget *parent)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setInformativeText(details);
    box.exec();
}

QString key(const QString &name, int index = -1)
{
    return name + QLatin1Char('/') + QString::number(index);
}

} // namespace

Form1::Form1(PortDevice &port, QString portSetting, SettingsStore &settings, QString dataPath, PortFinder findPorts,
             QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      settings_(settings), dataPath_(std::move(dataPath)), LPT1(port), portSetting_(std::move(portSetting)),
      findPorts_(findPorts ? std::move(findPorts) : PortFinder(&::findPorts)),
      engine_(new PlaybackEngine(port, *new TimerfdDeadlineTimer(this), this)),
      settingsWriter_(new SettingsWriter(settings, std::chrono::milliseconds(300), this))
{
    setWindowTitle(QStringLiteral(" Flickwerk"));
    setWindowIcon(QIcon(QStringLiteral(":/lampotron/lampotron.png")));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    setFont(font);
    setClientHeightTwips(layout::ExpandedClientHeight);

    createControls();
    styleControls();
    connectHandlers();

    mnuMenu = new QMenu(QStringLiteral("Menu"), this);
    mnuOutput = mnuMenu->addMenu(QStringLiteral("Output"));
    connect(mnuOutput, &QMenu::aboutToShow, this, &Form1::fillOutputMenu);
    mnuClose = mnuMenu->addAction(QStringLiteral("Close"));
    mnuMenu->setDefaultAction(mnuClose);
    connect(mnuClose, &QAction::triggered, this, &Form1::mnuClose_Click);
}

void Form1::createControls()
{
    QHash<QString, QWidget *> made;
    for (const layout::Control &control : layout::controls()) {
        QWidget *parent = control.container.isEmpty() ? this
                                                      : made.value(key(control.container, control.containerIndex));
        QWidget *widget = createWidget(control, parent);
        widget->setObjectName(layout::displayName(control));
        widget->setGeometry(twips::toPixels(control.twips));
        widget->setEnabled(control.enabled);
        made.insert(key(control.name, control.index), widget);
        if (control.container.isEmpty() && control.twips.top() >= layout::CollapsedClientHeight)
            lowerBand_.push_back(widget);
    }
    // Each member takes the widget the table made under its name.
    const auto take = [&](auto *&member, const char *name, int index = -1) {
        member = static_cast<std::remove_reference_t<decltype(member)>>(made.value(key(name, index)));
    };
    take(Command1, "Command1");
    take(Command2, "Command2");
    take(Command3, "Command3");
    take(Command4, "Command4");
    take(Command5, "Command5");
    take(Command6, "Command6");
    take(Command7, "Command7");
    take(Command8, "Command8");
    take(Command9, "Command9");
    take(chkPause, "chkPause");
    take(Picture1, "Picture1");
    for (int k = 0; k < layout::LampCount; ++k)
        take(lamp[static_cast<std::size_t>(k)], "lamp", k);
    take(Label2, "Label2");
    take(lblSpeed, "lblSpeed");
    take(lblStatus, "lblStatus");
    take(lblStatusLabel, "lblStatusLabel");
    take(Label4, "Label4");
    take(lblNumEffects, "lblNumEffects");
    take(Frame2, "Frame2");
    take(Label3, "Label3");
    take(VScroll1, "VScroll1");
    for (int f = 0; f < 2; ++f)
        take(Frame1[static_cast<std::size_t>(f)], "Frame1", f);
    for (int i = 0; i < layout::EffectRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        take(picEffect[at], "picEffect", i);
        take(chkEffect[at], "chkEffect", i);
        take(Label1[at], "Label1", i);
        take(scrCycle[at], "scrCycle", i);
    }
    take(Frame3, "Frame3");
    take(Image1, "Image1");
}

void Form1::styleControls()
{
    Picture1->setAutoFillBackground(true);
    setColour(Picture1, QPalette::Window, PanelBlue);
    for (QFrame *light : lamp) {
        light->setAutoFillBackground(true);
        setColour(light, QPalette::Window, Lit);
    }
    for (QLabel *text : {Label2, lblStatus, Label4})
        setColour(text, QPalette::WindowText, FixedText);
    for (QLabel *value : {lblSpeed, lblStatusLabel, lblNumEffects})
        setColour(value, QPalette::WindowText, ValueText);
    lblSpeed->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblNumEffects->setAlignment(Qt::AlignRight | Qt::AlignTop);

    VScroll1->setRange(settings::Speed.minimum, settings::Speed.maximum);
    VScroll1->setSingleStep(SpeedStepMs);
    VScroll1->setPageStep(SpeedStepMs);
    VScroll1->setValue(settings::Speed.fallback);
    for (int i = 0; i < layout::EffectRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        scrCycle[at]->setRange(1, mdlEffects::MaxRepeats);
        scrCycle[at]->setSingleStep(1);
        scrCycle[at]->setPageStep(1);
        Label1[at]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    Image1->setPixmap(QPixmap(QStringLiteral(":/lampotron/picture.jpg")));
    Image1->setScaledContents(true);

    // The panels behind the bands only give them a raised look.
    Command1->setFocusPolicy(Qt::NoFocus);
    Command7->setFocusPolicy(Qt::NoFocus);
}

void Form1::connectHandlers()
{
    for (int i = 0; i < layout::EffectRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        // toggled also fires when the program sets the value, as the restore needs.
        connect(chkEffect[at], &QCheckBox::toggled, this, [this, i] { chkEffect_Click(i); });
        connect(scrCycle[at], &QScrollBar::valueChanged, this, [this, i] { scrCycle_Change(i); });
    }
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form1::VScroll1_Change);
    connect(chkPause, &QCheckBox::toggled, engine_, &PlaybackEngine::setPaused);
    connect(engine_, &PlaybackEngine::rowShown, this, &Form1::showLamps);
    connect(engine_, &PlaybackEngine::portLost, this, &Form1::showPortLost);
    connect(settingsWriter_, &SettingsWriter::failed, this, &Form1::reportSettingsFailure);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &Form1::Command9_Click);
}

void Form1::createTrayIcon()
{
    trayIcon = new QSystemTrayIcon(windowIcon(), this);
    showOutputInTip();
    // A right press opens the menu; other clicks on the icon do nothing.
    trayIcon->setContextMenu(mnuMenu);
    trayIcon->show();
}

// Looked for each time the menu opens, since boards come and go.
void Form1::fillOutputMenu()
{
    mnuOutput->clear();
    std::vector<FoundPort> found = findPorts_();
    const bool currentFound = std::any_of(found.begin(), found.end(), [this](const FoundPort &port) {
        return QString::fromStdString(port.setting) == portSetting_;
    });
    if (!currentFound)
        found.insert(found.begin(), {portSetting_.toStdString(), "not found now", ""});
    for (const FoundPort &port : found) {
        const QString setting = QString::fromStdString(port.setting);
        QString text = QStringLiteral("%1 \u2014 %2").arg(setting, QString::fromStdString(port.description));
        if (!port.problem.empty())
            text += QStringLiteral(" (%1)").arg(QString::fromStdString(port.problem));
        QAction *action = mnuOutput->addAction(text);
        action->setCheckable(true);
        action->setChecked(setting == portSetting_);
        connect(action, &QAction::triggered, this, [this, setting] { chooseOutput(setting); });
    }
}

// The open port lets go with its lines low; "порт" then opens the new one.
void Form1::chooseOutput(const QString &portSetting)
{
    LPT1.replaceBackend(makeBackend(portSetting.toStdString()));
    portSetting_ = portSetting;
    settingsWriter_->store({settings::Port.section, settings::Port.key, portSetting});
    Command3->setEnabled(true);
    showOutputInTip();
}

void Form1::showOutputInTip()
{
    trayIcon->setToolTip(QStringLiteral("Lampotron (%1)").arg(portSetting_));
}

bool Form1::Form_Load()
{
    createTrayIcon();
    if (!ReadData())
        return false;
    const SelectionStore selections(settings_);
    if (auto failure = selections.recover(pattern::fingerprint(dataPath_)))
        reportSettingsFailure(*failure);

    // Restoring a value is not a change: nothing is written back.
    restoring_ = true;
    VScroll1->setValue(settings_.read(settings::Speed));
    const Selection stored = selections.read();
    for (std::size_t i = 0; i < chkEffect.size(); ++i) {
        // The box first: ticking it resets the repeat count, which the stored one must override.
        chkEffect[i]->setChecked(stored.ticked[i]);
        scrCycle[i]->setValue(stored.repeats[i]);
    }
    lblNumEffects->setText(stored.numEffects);
    restoring_ = false;
    return true;
}

qint16 Form1::LastRow() const
{
    return engine_->table().lastRow();
}

bool Form1::ReadData()
{
    auto loaded = pattern::loadPatternFile(dataPath_);
    if (!loaded.table) {
        endAfterDamage(pattern::describe(*loaded.failure));
        return false;
    }
    engine_->loadTable(std::move(*loaded.table));
    showLamps(0);
    return true;
}

void Form1::endAfterDamage(const QString &reason)
{
    showMessage(QMessageBox::Critical, QString(), QStringLiteral("The program is damaged, please reinstall."),
                QStringLiteral("%1: %2").arg(reason, dataPath_), nullptr);
    releaseAndExit(EXIT_FAILURE);
}

// Playback goes on, on screen; "порт" opens the port again.
void Form1::showPortLost(const QString &reason)
{
    if (unloaded_)
        return;
    lblStatusLabel->setText(QStringLiteral("Port lost"));
    Command3->setEnabled(true);
    auto *box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Error"), QStringLiteral("Port lost"),
                                QMessageBox::Ok, this);
    box->setInformativeText(reason);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// Once a run is enough: later writes that work put everything on disk.
void Form1::reportSettingsFailure(const QString &reason)
{
    if (settingsFailureShown_)
        return;
    settingsFailureShown_ = true;
    showMessage(QMessageBox::Warning, windowTitle(), QStringLiteral("The settings could not be saved."), reason, this);
}

// Only the lamps that change are repainted.
void Form1::showLamps(std::uint8_t lamps)
{
    for (QFrame *light : lamp) {
        const QColor &colour = lamps & 1 ? Lit : Dark;
        if (light->palette().color(QPalette::Window) != colour)
            setColour(light, QPalette::Window, colour);
        lamps >>= 1;
    }
}

// Controls cut off below the window's edge must not take the keyboard focus.
void Form1::setClientHeightTwips(int height)
{
    setFixedSize(twips::toPixels(layout::ClientWidth), twips::toPixels(height));
    for (QWidget *widget : lowerBand_)
        widget->setVisible(height > layout::CollapsedClientHeight);
}

void Form1::chkEffect_Click(int index)
{
    const bool anyTicked = std::any_of(chkEffect.begin(), chkEffect.end(),
                                       [](const QCheckBox *box) { return box->isChecked(); });
    Command9->setEnabled(anyTicked);
    scrCycle[static_cast<std::size_t>(index)]->setValue(1);
}

void Form1::scrCycle_Change(int index)
{
    const auto at = static_cast<std::size_t>(index);
    Label1[at]->setText(QString::number(scrCycle[at]->value()));
}

void Form1::VScroll1_Change()
{
    const int speedMs = VScroll1->value();
    engine_->setDelay(std::chrono::milliseconds(speedMs));
    lblSpeed->setText(QString::number(speedMs));
    if (!restoring_)
        settingsWriter_->store({settings::Speed.section, settings::Speed.key, QString::number(speedMs)});
}

void Form1::Command3_Click()
{
    LPT1.open();
    // Opening the port has set every line low.
    if (LPT1.isOpen()) {
        Command3->setEnabled(false);
        lblStatusLabel->setText(QStringLiteral("Port is active"));
        if (const std::string notice = LPT1.notice(); !notice.empty())
            showMessage(QMessageBox::Information, windowTitle(), QStringLiteral("Port is active"),
                        QString::fromStdString(notice), this);
        return;
    }
    showMessage(QMessageBox::Critical, QStringLiteral("Error"), QStringLiteral("Port not presents"),
                QString::fromStdString(LPT1.failureReason()), this);
}

void Form1::Command4_Click()
{
    for (QCheckBox *box : chkEffect)
        box->setEnabled(false);
    Command5->setEnabled(true);
    Command4->setEnabled(false);
    Command9->setEnabled(false);
    lblStatusLabel->setText(QStringLiteral("effects started"));
    engine_->start();
}

void Form1::Command5_Click()
{
    engine_->stop();
    for (QCheckBox *box : chkEffect)
        box->setEnabled(true);
    Command4->setEnabled(true);
    Command5->setEnabled(false);
    Command9->setEnabled(true);
    lblStatusLabel->setText(QStringLiteral("effects stopped"));
}

void Form1::Command6_Click()
{
    setClientHeightTwips(layout::ExpandedClientHeight);
    Command6->setEnabled(false);
}

void Form1::Command8_Click()
{
    setClientHeightTwips(layout::CollapsedClientHeight);
    Command6->setEnabled(true);
}

void Form1::Command2_Click()
{
    close();
}

void Form1::mnuClose_Click()
{
    close();
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

// Nothing more is saved; settings still on their way are written first.
void Form1::Form_Unload()
{
    settingsWriter_->flush();
    releaseAndExit(EXIT_SUCCESS);
}

void Form1::releaseAndExit(int code)
{
    if (unloaded_)
        return;
    unloaded_ = true;
    engine_->stop();
    LPT1.close();
    if (trayIcon)
        trayIcon->hide();
    QCoreApplication::exit(code);
}

void Form1::Command9_Click()
{
    Command9->setEnabled(false);
    std::vector<pattern::EffectChoice> chosen;
    for (int i = 0; i < layout::EffectRows; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (chkEffect[at]->isChecked())
            chosen.push_back({i, scrCycle[at]->value()});
    }
    if (chosen.empty()) {
        QMessageBox::information(this, windowTitle(),
                                 QStringLiteral("Tick at least one effect to build a scheme.\n"
                                                "The current scheme is kept."));
        return;
    }

    setBuildLock(true);
    const QString previousCount = lblNumEffects->text();
    lblNumEffects->setText(QStringLiteral("0"));
    pattern::SchemeDraft draft(dataPath_);
    std::optional<QString> failure = draft.write(chosen, [this](int written) {
        lblNumEffects->setText(QString::number(written));
        lblNumEffects->repaint();
    });
    // The selection is staged with the new file's fingerprint before the file
    // goes in place, so that a crash anywhere leaves the two in agreement.
    const SelectionStore selections(settings_);
    if (!failure)
        failure = selections.stage(currentSelection(), pattern::fingerprint(draft.fileName()));
    if (!failure) {
        failure = draft.commit();
        if (failure)
            selections.dropStaged();
    }
    if (failure) {
        lblNumEffects->setText(previousCount);
        setBuildLock(false);
        Command9->setEnabled(true);
        showMessage(QMessageBox::Warning, windowTitle(),
                    QStringLiteral("The scheme could not be built. The previous scheme is kept."), *failure, this);
        return;
    }
    if (auto notOnDisk = draft.syncFolder())
        showMessage(QMessageBox::Warning, windowTitle(),
                    QStringLiteral("The scheme was built, but the disk reported an error: it may be lost if the "
                                   "power fails now."),
                    *notOnDisk, this);
    if (auto notStored = selections.promote())
        showMessage(QMessageBox::Warning, windowTitle(),
                    QStringLiteral("The scheme was built, but the selection could not be saved."), *notStored, this);
    // A short pause so the count can be read before the new table loads;
    // the lock holds until then.
    QTimer::singleShot(1000, this, &Form1::finishBuild);
}

void Form1::finishBuild()
{
    if (ReadData())
        setBuildLock(false);
}

Selection Form1::currentSelection() const
{
    Selection selection;
    for (std::size_t i = 0; i < chkEffect.size(); ++i) {
        selection.ticked[i] = chkEffect[i]->isChecked();
        selection.repeats[i] = scrCycle[i]->value();
    }
    selection.numEffects = lblNumEffects->text();
    return selection;
}

// While a scheme is built nothing may start playback or change the selection.
void Form1::setBuildLock(bool locked)
{
    Command4->setEnabled(!locked);
    for (int i = 0; i < layout::EffectRows; ++i) {
        chkEffect[static_cast<std::size_t>(i)]->setEnabled(!locked);
        scrCycle[static_cast<std::size_t>(i)]->setEnabled(!locked);
    }
}
