#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks for. Without --play, --list-ports or
// --remote-url the window opens as usual.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    CommandLine();

    // What to print, and the code to end with, instead of running.
    struct Reply {
        int exitCode;
        QString text;
    };
    enum { UsageError = 64 };

    // Returns what is wrong with the arguments, or nothing.
    std::optional<QString> read(const QStringList &arguments);
    // The help, the version, or what is wrong: what to say and end with.
    // Needs the application object, which names the program.
    std::optional<Reply> reply() const;

    bool wantsPortList() const { return parser_.isSet(listPorts_); }
    // The days that --schedule lists, or nothing without it.
    std::optional<int> scheduleDays() const { return scheduleDays_; }
    bool wantsPlayer() const { return parser_.isSet(play_); }
    bool wantsRemoteUrl() const { return parser_.isSet(remoteUrl_); }
    bool needsWindow() const
    {
        return !mistake_ && !wantsHelp() && !wantsVersion() && !wantsPortList() && !scheduleDays_ && !wantsPlayer()
               && !wantsRemoteUrl() && !fseqImport() && !fseqExport();
    }

    // --import-fseq FILE --name NAME [--channel N] [--threshold T]
    struct FseqImport {
        QString file;
        QString name;
        int firstChannel = 1;
        int threshold = 128;
    };
    std::optional<FseqImport> fseqImport() const { return fseqImport_; }
    // --export-fseq NAME --out FILE [--frame MS]
    struct FseqExport {
        QString name;
        QString file;
        int frameMs = 25;
    };
    std::optional<FseqExport> fseqExport() const { return fseqExport_; }

    std::optional<QString> port() const;
    std::optional<int> speed() const { return speed_; }
    std::optional<QString> scheme() const;
    // The universe to follow for this run, as given.
    std::optional<QString> follow() const;
    // The address the web remote listens on for this run.
    std::optional<QString> remote() const;

private:
    std::optional<QString> check(const QStringList &arguments);
    std::optional<QString> checkFseq();
    bool wantsHelp() const { return parser_.isSet(help_); }
    bool wantsVersion() const { return parser_.isSet(version_); }

    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption port_;
    QCommandLineOption listPorts_;
    QCommandLineOption play_;
    QCommandLineOption speedOption_;
    QCommandLineOption scheme_;
    QCommandLineOption follow_;
    QCommandLineOption schedule_;
    QCommandLineOption remote_;
    QCommandLineOption remoteUrl_;
    QCommandLineOption importFseq_;
    QCommandLineOption exportFseq_;
    QCommandLineOption name_;
    QCommandLineOption channel_;
    QCommandLineOption threshold_;
    QCommandLineOption out_;
    QCommandLineOption frame_;
    std::optional<FseqImport> fseqImport_;
    std::optional<FseqExport> fseqExport_;
    std::optional<int> speed_;
    std::optional<int> scheduleDays_;
    std::optional<QString> mistake_;
};
