#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for. Without --play or --list-ports the window
// opens as usual.
class CommandLine {
public:
    CommandLine();

    // Returns what is wrong with the arguments, or nothing.
    std::optional<QString> read(const QStringList &arguments);

    bool wantsHelp() const { return parser_.isSet(help_); }
    bool wantsVersion() const { return parser_.isSet(version_); }
    bool wantsPortList() const { return parser_.isSet(listPorts_); }
    bool wantsPlayer() const { return parser_.isSet(play_); }
    bool needsWindow() const { return !wantsHelp() && !wantsVersion() && !wantsPortList() && !wantsPlayer(); }

    std::optional<QString> port() const;
    std::optional<int> speed() const { return speed_; }
    std::optional<QString> scheme() const;

    // Prints the help or the version and ends the program.
    [[noreturn]] void answerHelpOrVersion();

private:
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption port_;
    QCommandLineOption listPorts_;
    QCommandLineOption play_;
    QCommandLineOption speedOption_;
    QCommandLineOption scheme_;
    std::optional<int> speed_;
};
