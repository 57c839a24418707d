#pragma once

#include <QDialog>

// The page's address with its key, or, when there is none, why: the remote
// is off (and how to switch it on), or its key could not be had.
struct RemoteAddress {
    QString url;
    QString problem;
};

// The remote's address for a phone: its QR code and the address as text to
// copy, or why there is none.
class RemoteDialog : public QDialog {
    Q_OBJECT

public:
    explicit RemoteDialog(const RemoteAddress &address, QWidget *parent = nullptr);
};
