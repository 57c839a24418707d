#pragma once

#include <QDialog>
#include <QStringList>

// The page's address with its key, or, when there is none, why: the remote
// is off (and how to switch it on), or its key could not be had.
struct RemoteAddress {
    QString url;
    // Why there is no address; beside one, what limits it.
    QString problem;
    // The other addresses a phone can use, for when the first fails.
    QStringList otherUrls;
};

// The remote's address for a phone: its QR code and the address as text to
// copy, and the other addresses it answers at; or why there is none.
class RemoteDialog : public QDialog {
    Q_OBJECT

public:
    explicit RemoteDialog(const RemoteAddress &address, QWidget *parent = nullptr);
};
